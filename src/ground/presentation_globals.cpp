#include "ground/presentation_globals.h"

#include "ground/messages.h"

int presentationState = StartState;
HINSTANCE programInstance = nullptr;
int programExitCode = ExitNormal;
int currentSlide = 0;
int elementIndex = 0;
int delayRunning = 0;
int narrationPlaying = 0;
int stepping = 0;
int paused = 0;
int runThrough = 0;
int noImageYet = 1;
int slideUntouched = 0;
std::uint32_t delayStart = 0;
std::uint32_t delayLength = 0;
std::uint32_t delayRemaining = 0;
HBITMAP slideImage = nullptr;
char lastModeText[kLastModeTextSize] = {};

void releaseSlideImage() {
    if (slideImage != nullptr) {
        DeleteObject(slideImage);
    }
    slideImage = nullptr;
}
