#include "app/single_copy.h"

namespace {

// The session's name for "a copy of the program runs".
constexpr const char* kRunningCopyName = "ORBANA CorpusView running";

} // namespace

SingleCopy::SingleCopy() : mutex_(CreateMutexA(nullptr, FALSE, kRunningCopyName)) {
    const DWORD error = GetLastError();
    // A mutex another user's copy made may not be opened at all: that copy runs too.
    first_ = mutex_ != nullptr ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

SingleCopy::~SingleCopy() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

void bringRunningCopyForward(const char* windowClass) {
    HWND running = FindWindowA(windowClass, nullptr);
    if (running == nullptr) {
        return; // the running copy has no window yet, or none any more
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    // The dialog it runs, if any: raising the window itself would cover its own dialog.
    SetForegroundWindow(GetLastActivePopup(running));
}
