// Wave playback through MCI: the narration of a slide and the intro dialog's prompt.
#pragma once

#include <windows.h>

#include <string>

void StartNarration(const std::string& path, HWND window);
// Closes the narration device and drops the end notifications still queued for it.
void StopNarration();
// Whether an MM_MCINOTIFY's lParam names the narration device opened last: a notification
// of an earlier device (one that a newer narration or the end of a presentation closed)
// ends nothing.
bool isCurrentNarration(LPARAM device);
void PauseNarration();
void ResumeNarration();
// Plays the wave file to its end before it returns.
void PlayWaveBlocking(const std::string& path);
