// PLACEHOLDER until the real display checks land: finds Corpus\program in the current
// directory, takes the large dialog templates and creates screenDC on the display as it
// is. No version record, font check or mode change yet.
#include "display/display_checks.h"

#include "display/display_globals.h"
#include "platform/platform.h"

#include <windows.h>

int CheckDisplayEnvironment(std::string& root) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::string content = std::string(current) + "\\Corpus\\";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((content + "program").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        platform().messageBox("There is no Corpus directory available on this computer.\n"
                              "You must insert the Corpus CD.",
                              "No Program Directory!", MB_OK);
        return 0;
    }
    FindClose(search);
    root = content;
    largeDialogs = 1;
    screenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    return 1;
}
