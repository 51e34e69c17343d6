// Wave playback through MCI: the narration of a slide and the intro dialog's prompt.
#pragma once

#include <windows.h>

#include <string>

void StartNarration(const std::string& path, HWND window);
void StopNarration();
void PauseNarration();
void ResumeNarration();
// Plays the wave file to its end before it returns.
void PlayWaveBlocking(const std::string& path);
