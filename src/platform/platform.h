// The seam between the program and the calls that wait for a person or depend on the
// machine: message boxes, modal dialogs, beeps, the clocks, drives, disk space, display
// modes, dialog base units, restart requests, the screen-saver switch and MCI commands.
// Production forwards each to Win32; tests install a recorder or a scripted fake.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

struct UtcDate {
    int day;
    int month;
    int year;
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual int messageBox(const char* text, const char* caption, unsigned type) = 0;
    // A message box owned by a window (disabled while the box is up).
    virtual int ownedMessageBox(HWND owner, const char* text, const char* caption,
                                unsigned type) = 0;
    virtual INT_PTR dialogBox(HINSTANCE instance, const char* templateName, HWND owner,
                              DLGPROC procedure, LPARAM parameter) = 0;
    virtual void beep(unsigned type) = 0;
    // The multimedia millisecond clock (timeGetTime).
    virtual std::uint32_t milliseconds() = 0;
    virtual UtcDate utcDate() = 0;
    // GetLogicalDriveStringsA: the drive roots, each NUL-terminated, an empty string last.
    virtual DWORD logicalDriveStrings(DWORD bufferLength, char* buffer) = 0;
    // GetDiskFreeSpaceExA: total free bytes of the drive; false when the call fails.
    virtual bool freeDiskSpace(const char* root, std::uint64_t& freeBytes) = 0;
    virtual BOOL enumDisplaySettings(DWORD modeNumber, DEVMODEA* mode) = 0;
    virtual LONG changeDisplaySettings(DEVMODEA* mode, DWORD flags) = 0;
    virtual LONG dialogBaseUnits() = 0;
    virtual BOOL exitWindows(UINT flags, DWORD reason) = 0;
    // SystemParametersInfoA with SPI_SETSCREENSAVEACTIVE.
    virtual BOOL setScreenSaverActive(BOOL active) = 0;
    // ClipCursor: confines the mouse of the whole desktop, or frees it (nullptr).
    virtual BOOL clipCursor(const RECT* area) = 0;
    virtual MCIERROR mciCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                DWORD_PTR parameters) = 0;
};

// The platform in use: the Win32 one unless a test installed another.
Platform& platform();

// Installs a replacement (nullptr restores the Win32 one). Tests only.
void installPlatform(Platform* replacement);
