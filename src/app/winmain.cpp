// The program's entry point.
#include "app/main_window.h"
#include "ground/messages.h"
#include "app/viewing_start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (!takeViewingChoice(commandLine)) {
        return ExitUnknownViewing;
    }
    return runCorpusView(instance);
}
