// The intro dialog: the title picture until a key or a mouse button, with the spoken
// prompt and the version text every 30 seconds.
#include "ground/messages.h"
#include "sound/narration.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/dialogs.h"
#include "dialogs/intro_dialog.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "platform/window_faces.h"

#include <cstdio>
#include <cstring>

HBITMAP introPicture = nullptr;

namespace {

constexpr UINT kPromptPeriod = 30000;

void promptAndShowVersion(HWND dialog) {
    KillTimer(dialog, IntroPromptTimer);
    PlayWaveBlocking(courseRoot + "program\\Prompt.wav");
    SetBkMode(screenDC, TRANSPARENT);
    SetTextAlign(screenDC, TA_CENTER | TA_BASELINE);
    SelectObject(screenDC, programResources.versionFont);
    SetTextColor(screenDC, RGB(255, 0, 0));
    char version[20];
    std::snprintf(version, sizeof version, "Version %s", programVersion);
    TextOutA(screenDC, 950, 20, version, static_cast<int>(std::strlen(version)));
    SetTimer(dialog, IntroPromptTimer, kPromptPeriod, nullptr);
}

// Every way out destroys the dialog: its picture goes then.
void releaseIntro(HWND dialog) {
    KillTimer(dialog, IntroPromptTimer);
    if (introPicture != nullptr) {
        DeleteObject(introPicture);
        introPicture = nullptr;
    }
}

INT_PTR CALLBACK introProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        introPicture = LoadBitmapFile(courseRoot + "program\\intro.bmp", screenDC);
        PostMessageA(dialog, WM_PROCEED, 1, 0);
        return TRUE;
    case WM_PROCEED:
        // The dialog's face is on the screen first, so that what is drawn now stays on top.
        showWindowFace(dialog);
        DrawBitmap(introPicture, screenDC);
        SetTimer(dialog, IntroPromptTimer, kPromptPeriod, nullptr);
        return TRUE;
    case WM_TIMER:
        promptAndShowVersion(dialog);
        return TRUE;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        return passCloseRequestToProgram(dialog);
    case WM_DESTROY:
        releaseIntro(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runIntroDialog(HWND owner) {
    return runTemplateDialog("Intro", "Intro1", owner, introProc);
}
