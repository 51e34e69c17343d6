#include "ground/presentation_globals.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "platform/platform.h"

INT_PTR runTemplateDialog(const char* largeTemplate, const char* smallTemplate, HWND owner,
                          DLGPROC procedure) {
    return platform().dialogBox(programInstance, largeDialogs == 1 ? largeTemplate : smallTemplate,
                                owner, procedure, 0);
}
