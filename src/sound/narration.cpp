// Wave playback through the MCI command interface, addressed by file name (the wave audio
// device is chosen by the extension). No MCI error is tested or reported.
#include "sound/narration.h"

#include "platform/platform.h"

namespace {

MCIDEVICEID narrationDevice = 0;
MCI_OPEN_PARMSA narrationOpen = {};
MCI_PLAY_PARMS narrationPlay = {};
// The open block points at the element name, which lives as long as the device.
std::string narrationFile;

} // namespace

void StartNarration(const std::string& path, HWND window) {
    narrationFile = path;
    narrationOpen = {};
    narrationOpen.lpstrDeviceType = nullptr;
    narrationOpen.lpstrElementName = narrationFile.c_str();
    narrationPlay = {};
    narrationPlay.dwCallback = reinterpret_cast<DWORD_PTR>(window);
    platform().mciCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                          reinterpret_cast<DWORD_PTR>(&narrationOpen));
    narrationDevice = narrationOpen.wDeviceID;
    platform().mciCommand(narrationDevice, MCI_PLAY, MCI_NOTIFY,
                          reinterpret_cast<DWORD_PTR>(&narrationPlay));
}

void StopNarration() {
    platform().mciCommand(narrationDevice, MCI_CLOSE, MCI_WAIT, 0);
    // Closing a device whose play has yet to notify posts MCI_NOTIFY_ABORTED for it. No
    // notification still queued can end a narration now (the one addressed device is
    // closed), so they go, lest a later device given the same id be closed by one.
    MSG notification;
    while (PeekMessageA(&notification, reinterpret_cast<HWND>(narrationPlay.dwCallback),
                        MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
}

bool isCurrentNarration(LPARAM device) {
    return narrationDevice != 0 && device == static_cast<LPARAM>(narrationDevice);
}

void PauseNarration() {
    platform().mciCommand(narrationDevice, MCI_PAUSE, MCI_WAIT, 0);
}

void ResumeNarration() {
    platform().mciCommand(narrationDevice, MCI_RESUME, MCI_WAIT, 0);
}

void PlayWaveBlocking(const std::string& path) {
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = nullptr;
    open.lpstrElementName = path.c_str();
    platform().mciCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                          reinterpret_cast<DWORD_PTR>(&open));
    MCI_PLAY_PARMS play = {};
    platform().mciCommand(open.wDeviceID, MCI_PLAY, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&play));
    platform().mciCommand(open.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
}
