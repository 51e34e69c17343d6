// Whether playback goes on to the next element at once after an element.
#pragma once

// In Tutorial flow the elements between two Delays run at once; in Lecture flow the
// slide waits unless the user's click set `stepping`; a run-through never waits.
constexpr bool continuesAtOnce(int runThrough, int tutorialMode, int delayRunning, int stepping) {
    if (runThrough != 0) {
        return true;
    }
    if (tutorialMode != 0) {
        return delayRunning == 0;
    }
    return stepping != 0;
}
