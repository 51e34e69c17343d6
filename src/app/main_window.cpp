#include "app/main_window.h"

#include "app/close_request.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "app/single_copy.h"
#include "app/state_handlers.h"
#include "display/software_adapter.h"

namespace {

LRESULT dispatchToState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (presentationState) {
    case StartState:
        return startStateMessage(window, message, wParam, lParam);
    case CalibrationState:
        return calibrationStateMessage(window, message, wParam, lParam);
    case LocationState:
        return locationStateMessage(window, message, wParam, lParam);
    case IntroductionState:
        return introductionStateMessage(window, message, wParam, lParam);
    case ContentsState:
        return contentsStateMessage(window, message, wParam, lParam);
    case PresentingState:
        return presentingStateMessage(window, message, wParam, lParam);
    case QueryState:
        return queryStateMessage(window, message, wParam, lParam);
    case ClosingState:
        return closingStateMessage(window, message, wParam, lParam);
    default:
        return badStateMessage(window, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A close request takes the closing path in every state, before any handler sees it.
    if (message == WM_CLOSE) {
        return handleCloseRequest(window);
    }
    // While a software method shows the frame, the window's face is the converted frame.
    if (message == WM_PAINT && paintStereoFrame(window)) {
        return 0;
    }
    if (message == WM_TIMER && presentOnFrameTimer(window, wParam)) {
        return 0;
    }
    const LRESULT result = dispatchToState(window, message, wParam, lParam);
    // What the message drew reaches the screen before the program waits again.
    presentStereoFrameWhenIdle();
    return result;
}

ATOM registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass);
}

HWND createMainWindow(HINSTANCE instance) {
    // The window covers the whole screen, keeping the taskbar and every other window behind
    // the presentation, and it is what the window system shows wherever a dialog or a
    // message box leaves the screen. Default sizes do not give that everywhere: Windows
    // sets CW_USEDEFAULT sizes of a pop-up to zero and then maximizes it to the monitor
    // (WS_MAXIMIZE, no caption), but Wine keeps it at zero size (a 1 x 1 window at (0, 0)).
    // So the screen's size is given, and WS_MAXIMIZE is kept for the systems that use it.
    return CreateWindowExA(0, kMainWindowClass, kMainWindowClass,
                           WS_POPUP | WS_VISIBLE | WS_MAXIMIZE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
}

int runCorpusView(HINSTANCE instance) {
    const SingleCopy copy;
    if (!copy.isFirst()) {
        bringRunningCopyForward(kMainWindowClass);
        return ExitNormal;
    }
    programInstance = instance;
    registerMainWindowClass(instance);
    createMainWindow(instance);
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
