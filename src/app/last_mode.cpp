#include "app/last_mode.h"

#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "platform/registry.h"

#include <cstring>

void readLastMode() {
    modeFlags.tutorialMode = 1;
    RegistryKey key = openProgramKeyForQuery(kLecternKey);
    if (!key) {
        return;
    }
    // A missing value leaves the buffer as it was (empty at first).
    queryStringValue(key, "Last Mode", lastModeText, kLastModeTextSize);
    if (std::strcmp(lastModeText, "Lecture") == 0) {
        modeFlags.tutorialMode = 0;
        modeFlags.quizMode = 0;
    } else if (std::strcmp(lastModeText, "Quiz") == 0) {
        modeFlags.tutorialMode = 0;
        modeFlags.quizMode = 1;
    } else {
        modeFlags.tutorialMode = 1;
        modeFlags.quizMode = 0;
    }
}

void writeLastMode() {
    RegistryKey key = createProgramKey(kLecternKey);
    if (!key) {
        return;
    }
    const char* text = modeFlags.tutorialMode != 0 ? "Tutorial"
                       : modeFlags.quizMode != 0   ? "Quiz"
                                                   : "Lecture";
    writeStringValue(key, "Last Mode", text);
}
