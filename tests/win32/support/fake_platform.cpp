#include "support/fake_platform.h"

#include <cstring>

DEVMODEA displayMode(DWORD width, DWORD height, DWORD bits, DWORD frequency) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmDisplayFrequency = frequency;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    return mode;
}

FakePlatform::FakePlatform()
    : driveStrings(std::string("C:\\", 3) + '\0'), displayModes{displayMode(1024, 768, 32, 60)} {}

int FakePlatform::messageBox(const char* text, const char* caption, unsigned type) {
    return ownedMessageBox(nullptr, text, caption, type);
}

int FakePlatform::ownedMessageBox(HWND owner, const char* text, const char* caption,
                                  unsigned type) {
    messageBoxes.push_back({text, caption, type, owner});
    if (onMessageBox) {
        onMessageBox(messageBoxes.back());
    }
    if (messageBoxAnswers.empty()) {
        return IDOK;
    }
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

namespace {

std::vector<std::function<void(HWND)>> pendingDrivers;

BOOL CALLBACK findEnabledDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowEnabled(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
}

void CALLBACK driveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findEnabledDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || pendingDrivers.empty()) {
        return; // not on screen yet: the timer comes again
    }
    KillTimer(nullptr, timer);
    auto drive = std::move(pendingDrivers.back());
    pendingDrivers.pop_back();
    drive(dialog);
}

} // namespace

INT_PTR FakePlatform::dialogBox(HINSTANCE instance, const char* templateName, HWND owner,
                                DLGPROC procedure, LPARAM parameter) {
    dialogTemplates.push_back(templateName);
    auto real = realDialogs.find(templateName);
    if (real != realDialogs.end()) {
        pendingDrivers.push_back(real->second);
        SetTimer(nullptr, 0, 30, driveDialog);
        return DialogBoxParamA(instance, templateName, owner, procedure, parameter);
    }
    auto scripted = dialogs.find(templateName);
    return scripted == dialogs.end() ? -1 : scripted->second(owner);
}

void FakePlatform::beep(unsigned type) {
    beeps.push_back(type);
}

std::uint32_t FakePlatform::milliseconds() {
    if (clock != nextReading_) {
        readingsSinceSet_ = 0; // the test set the clock
    }
    if (clockStep == 0 && ++readingsSinceSet_ > kStandingClockReadings) {
        clock += 1;
    }
    const std::uint32_t now = clock;
    if (onClockReading) {
        onClockReading(now);
    }
    clock += clockStep;
    nextReading_ = clock;
    return now;
}

UtcDate FakePlatform::utcDate() {
    return date;
}

DWORD FakePlatform::logicalDriveStrings(DWORD bufferLength, char* buffer) {
    ++driveListReads;
    const DWORD needed = static_cast<DWORD>(driveStrings.size()) + 1;
    if (needed > bufferLength) {
        return needed;
    }
    std::memcpy(buffer, driveStrings.data(), driveStrings.size());
    buffer[driveStrings.size()] = '\0';
    return needed - 1;
}

bool FakePlatform::freeDiskSpace(const char* root, std::uint64_t& freeBytes) {
    auto found = freeSpace.find(root);
    if (found == freeSpace.end()) {
        return false;
    }
    freeBytes = found->second;
    return true;
}

BOOL FakePlatform::enumDisplaySettings(DWORD modeNumber, DEVMODEA* mode) {
    if (modeNumber >= displayModes.size()) {
        return FALSE;
    }
    *mode = displayModes[modeNumber];
    return TRUE;
}

LONG FakePlatform::changeDisplaySettings(DEVMODEA* mode, DWORD) {
    changedModes.push_back(mode != nullptr ? *mode : DEVMODEA{});
    if (mode == nullptr || changeResults.empty()) {
        return DISP_CHANGE_SUCCESSFUL;
    }
    const LONG result = changeResults.front();
    changeResults.pop_front();
    return result;
}

LONG FakePlatform::dialogBaseUnits() {
    return baseUnits;
}

BOOL FakePlatform::exitWindows(UINT flags, DWORD reason) {
    exitRequests.emplace_back(flags, reason);
    return TRUE;
}

BOOL FakePlatform::setScreenSaverActive(BOOL active) {
    screenSaverSwitches.push_back(active);
    return TRUE;
}

MCIERROR FakePlatform::mciCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                  DWORD_PTR parameters) {
    RecordedMci record = {device, message, flags, {}};
    if (message == MCI_OPEN && parameters != 0) {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSA*>(parameters);
        if (open->lpstrElementName != nullptr) {
            record.element = open->lpstrElementName;
        }
        open->wDeviceID = static_cast<MCIDEVICEID>(mciCommands.size() + 1);
    }
    if (message == MCI_PLAY && (flags & MCI_NOTIFY) != 0 && parameters != 0) {
        const auto* play = reinterpret_cast<const MCI_PLAY_PARMS*>(parameters);
        pendingNotifications_[device] = reinterpret_cast<HWND>(play->dwCallback);
    }
    mciCommands.push_back(record);
    if (message == MCI_CLOSE) {
        endPlay(device, MCI_NOTIFY_ABORTED);
    }
    return 0;
}

void FakePlatform::endPlay(MCIDEVICEID device, WPARAM code) {
    auto pending = pendingNotifications_.find(device);
    if (pending == pendingNotifications_.end()) {
        return;
    }
    PostMessageA(pending->second, MM_MCINOTIFY, code, static_cast<LPARAM>(device));
    pendingNotifications_.erase(pending);
}
