// PLACEHOLDER until the index dialog lands: no entry is ever chosen, and leaving it
// clears the index mode as its Cancel does.
#include "content/content_globals.h"
#include "dialogs/dialogs.h"

INT_PTR runIndexDialog(HWND) {
    modeFlags.indexMode = 0;
    return 0;
}
