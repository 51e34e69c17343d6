// PLACEHOLDER until the dialogs land. They run through the seam, so that tests can script
// their results; without templates (DialogBoxParamA gives -1) the intro goes on and the
// table of contents quits.
#include "app/messages.h"
#include "dialogs/dialogs.h"

namespace {

INT_PTR CALLBACK placeholderProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

INT_PTR runOrDefault(const char* large, const char* small, HWND owner, INT_PTR fallback) {
    const INT_PTR result = runTemplateDialog(large, small, owner, placeholderProc);
    return result == -1 ? fallback : result;
}

} // namespace

INT_PTR runIntroDialog(HWND owner) {
    return runOrDefault("Intro", "Intro1", owner, 0);
}

INT_PTR runContentsDialog(HWND owner) {
    return runOrDefault("ModeAndSeriesSelect", "ModeAndSeriesSelect1", owner, ContentsQuit);
}

INT_PTR runSlideChooser(HWND owner) {
    return runOrDefault("Skip", "Skip1", owner, ChooserToContents);
}
