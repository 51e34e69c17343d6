// A scripted platform for the Win32 tests: it records every seam call and answers from a
// script, so that each branch of the program can be reached without a person or a
// particular machine.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    unsigned type;
    HWND owner = nullptr;
};

struct RecordedMci {
    MCIDEVICEID device;
    UINT message;
    DWORD_PTR flags;
    std::string element; // MCI_OPEN's element name
};

class FakePlatform : public Platform {
  public:
    FakePlatform();

    // Script.
    std::deque<int> messageBoxAnswers; // default IDOK
    // Called with each message box while it is up, before its answer is taken.
    std::function<void(const RecordedMessageBox&)> onMessageBox;
    // Called for each modal dialog by template name; unscripted templates end with -1.
    std::map<std::string, std::function<INT_PTR(HWND owner)>> dialogs;
    // Templates run for real (DialogBoxParamA with the program's procedure); the driver
    // is called with the dialog once it has handled what it posted to itself at opening,
    // and must end it (by clicks, keys or EndDialog).
    std::map<std::string, std::function<void(HWND dialog)>> realDialogs;
    std::uint32_t clock = 1000;
    std::uint32_t clockStep = 0; // added after every reading
    // Called with each reading of the clock before it is returned, for example to look at
    // the screen during a busy wait.
    std::function<void(std::uint32_t reading)> onClockReading;
    UtcDate date = {7, 12, 2026};
    std::string driveStrings; // "C:\\\0D:\\\0" style, without the final NUL
    std::map<std::string, std::uint64_t> freeSpace;
    std::vector<DEVMODEA> displayModes;
    std::deque<LONG> changeResults; // default DISP_CHANGE_SUCCESSFUL
    LONG baseUnits = 0x00100008;

    // Record.
    std::vector<RecordedMessageBox> messageBoxes;
    std::vector<std::string> dialogTemplates;
    std::vector<unsigned> beeps;
    std::vector<DEVMODEA> changedModes; // a zeroed record stands for "no mode"
    std::vector<std::pair<UINT, DWORD>> exitRequests;
    std::vector<BOOL> screenSaverSwitches;
    std::vector<RecordedMci> mciCommands;
    int driveListReads = 0;

    // Ends a play started with MCI_NOTIFY as the real system does: MM_MCINOTIFY with the
    // code and the device posted to the play's callback window. MCI_CLOSE of a device whose
    // play has yet to notify posts MCI_NOTIFY_ABORTED for it.
    void endPlay(MCIDEVICEID device, WPARAM code = MCI_NOTIFY_SUCCESSFUL);

    // A busy wait reads the clock over and over. With clockStep 0 the clock stands still
    // for this many readings after a test last set it, then moves on by 1 ms a reading, so
    // that a hold the test did not script ends instead of spinning forever.
    static constexpr int kStandingClockReadings = 1000;

    int messageBox(const char* text, const char* caption, unsigned type) override;
    int ownedMessageBox(HWND owner, const char* text, const char* caption, unsigned type) override;
    INT_PTR dialogBox(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure,
                      LPARAM parameter) override;
    void beep(unsigned type) override;
    std::uint32_t milliseconds() override;
    UtcDate utcDate() override;
    DWORD logicalDriveStrings(DWORD bufferLength, char* buffer) override;
    bool freeDiskSpace(const char* root, std::uint64_t& freeBytes) override;
    BOOL enumDisplaySettings(DWORD modeNumber, DEVMODEA* mode) override;
    LONG changeDisplaySettings(DEVMODEA* mode, DWORD flags) override;
    LONG dialogBaseUnits() override;
    BOOL exitWindows(UINT flags, DWORD reason) override;
    BOOL setScreenSaverActive(BOOL active) override;
    // The real confinement: the tests read it back with GetClipCursor.
    BOOL clipCursor(const RECT* area) override { return ClipCursor(area); }
    MCIERROR mciCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                        DWORD_PTR parameters) override;

  private:
    std::map<MCIDEVICEID, HWND> pendingNotifications_;
    std::uint32_t nextReading_ = clock; // what `clock` holds unless the test changed it
    int readingsSinceSet_ = 0;
};

// A display mode record as EnumDisplaySettingsA fills it.
DEVMODEA displayMode(DWORD width, DWORD height, DWORD bits, DWORD frequency);
