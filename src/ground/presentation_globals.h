// The state of the presentation engine: the current state and the variables with which
// playback, the user's controls and the slide chooser steer a running presentation.
#pragma once

#include <windows.h>

#include <cstdint>

extern int presentationState;
extern HINSTANCE programInstance;
// The code the message loop ends with (an ExitCode).
extern int programExitCode;

// Slide and element position.
extern int currentSlide;
extern int elementIndex;

// Flow flags.
extern int delayRunning;
extern int narrationPlaying;
extern int stepping;
extern int paused;
extern int runThrough;
extern int noImageYet;
extern int slideUntouched;

// The running Delay, measured on the multimedia millisecond clock.
extern std::uint32_t delayStart;
extern std::uint32_t delayLength;
extern std::uint32_t delayRemaining;

// The current slide's composed stereo picture (both views), or none.
extern HBITMAP slideImage;

// The remembered mode as read from the registry.
constexpr int kLastModeTextSize = 50;
extern char lastModeText[kLastModeTextSize];

// Deletes slideImage if there is one and clears it.
void releaseSlideImage();
