// The seam as the preview needs it: message boxes become problems of the slide on show
// rather than windows that wait for a person, narration is silent, and every other call
// goes to Win32 as in the program.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

class PreviewPlatform : public Platform {
  public:
    explicit PreviewPlatform(Platform& win32) : win32_(win32) {}

    // The message boxes shown since the last call, as "caption: text".
    std::vector<std::string> takeMessages();

    int messageBox(const char* text, const char* caption, unsigned type) override;
    // Playback shows no owned box; one would be a problem of the slide all the same.
    int ownedMessageBox(HWND, const char* text, const char* caption, unsigned type) override {
        return messageBox(text, caption, type);
    }
    INT_PTR dialogBox(HINSTANCE, const char* templateName, HWND, DLGPROC, LPARAM) override;
    void beep(unsigned) override {}
    std::uint32_t milliseconds() override { return win32_.milliseconds(); }
    UtcDate utcDate() override { return win32_.utcDate(); }
    DWORD logicalDriveStrings(DWORD length, char* buffer) override {
        return win32_.logicalDriveStrings(length, buffer);
    }
    bool freeDiskSpace(const char* root, std::uint64_t& freeBytes) override {
        return win32_.freeDiskSpace(root, freeBytes);
    }
    BOOL enumDisplaySettings(DWORD modeNumber, DEVMODEA* mode) override {
        return win32_.enumDisplaySettings(modeNumber, mode);
    }
    LONG changeDisplaySettings(DEVMODEA*, DWORD) override { return DISP_CHANGE_SUCCESSFUL; }
    LONG dialogBaseUnits() override { return win32_.dialogBaseUnits(); }
    BOOL exitWindows(UINT, DWORD) override { return FALSE; }
    BOOL setScreenSaverActive(BOOL) override { return TRUE; }
    // The mouse is the desktop's: a question played here must not confine or free it under
    // a program that runs beside the preview.
    BOOL clipCursor(const RECT*) override { return TRUE; }
    // No sound: every device fails to open, as on a computer without one.
    MCIERROR mciCommand(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR) override {
        return MCIERR_DEVICE_NOT_INSTALLED;
    }

  private:
    Platform& win32_;
    std::vector<std::string> messages_;
};
