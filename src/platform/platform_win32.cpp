// The production platform: every seam call forwards to its Win32 function.
#include "platform/platform.h"

#include "platform/window_faces.h"

namespace {

// A restart is refused to a process that has not enabled its shutdown privilege.
void enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

class Win32Platform final : public Platform {
  public:
    // The area a message box covered shows again what the screen showed before it.
    int messageBox(const char* text, const char* caption, unsigned type) override {
        KeptScreen kept;
        const int answer = MessageBoxA(nullptr, text, caption, type);
        kept.restore();
        return answer;
    }
    // The same for a box owned by a window (disabled while the box is up).
    int ownedMessageBox(HWND owner, const char* text, const char* caption, unsigned type) override {
        KeptScreen kept;
        const int answer = MessageBoxA(owner, text, caption, type);
        kept.restore();
        return answer;
    }
    // What the program draws next, where the dialog stood, is not covered by the faces of
    // the windows the dialog uncovered.
    INT_PTR dialogBox(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure,
                      LPARAM parameter) override {
        const INT_PTR result = DialogBoxParamA(instance, templateName, owner, procedure, parameter);
        showUncoveredFaces();
        return result;
    }
    void beep(unsigned type) override { MessageBeep(type); }
    std::uint32_t milliseconds() override { return timeGetTime(); }
    UtcDate utcDate() override {
        SYSTEMTIME now;
        GetSystemTime(&now);
        return {now.wDay, now.wMonth, now.wYear};
    }
    DWORD logicalDriveStrings(DWORD bufferLength, char* buffer) override {
        return GetLogicalDriveStringsA(bufferLength, buffer);
    }
    bool freeDiskSpace(const char* root, std::uint64_t& freeBytes) override {
        ULARGE_INTEGER available, total, totalFree;
        if (!GetDiskFreeSpaceExA(root, &available, &total, &totalFree)) {
            return false;
        }
        freeBytes = totalFree.QuadPart;
        return true;
    }
    BOOL enumDisplaySettings(DWORD modeNumber, DEVMODEA* mode) override {
        return EnumDisplaySettingsA(nullptr, modeNumber, mode);
    }
    LONG changeDisplaySettings(DEVMODEA* mode, DWORD flags) override {
        return ChangeDisplaySettingsA(mode, flags);
    }
    LONG dialogBaseUnits() override { return GetDialogBaseUnits(); }
    BOOL exitWindows(UINT flags, DWORD reason) override {
        enableShutdownPrivilege();
        return ExitWindowsEx(flags, reason);
    }
    BOOL setScreenSaverActive(BOOL active) override {
        return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0);
    }
    BOOL clipCursor(const RECT* area) override { return ClipCursor(area); }
    MCIERROR mciCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                        DWORD_PTR parameters) override {
        return mciSendCommandA(device, message, flags, parameters);
    }
};

Win32Platform win32Platform;
Platform* current = &win32Platform;

} // namespace

Platform& platform() {
    return *current;
}

void installPlatform(Platform* replacement) {
    current = replacement != nullptr ? replacement : &win32Platform;
}
