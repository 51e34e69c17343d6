// Plays slides with the program's own playback (beginNextSlide, executeNextElement and the
// drawing they call) onto a 1024 x 768 screen in memory that stands in for screenDC. The
// waits are skipped: where the program would wait for a click (Lecture and Quiz flow) or
// a Delay's timer (Tutorial flow), the player takes the screen and goes on as the user or
// the timer would.
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "ground/mode_flags.h"

struct SlideScreens {
    int slide = 0;
    std::vector<Picture> stops; // the screen at each wait before the end, in order
    Picture final;              // the screen when the slide ends
    int elementCount = 0;
    // Why the slide cannot be shown whole; empty when it can.
    std::vector<std::string> problems;
    // What an author should know besides: where each question is shown and answered.
    std::vector<std::string> notes;
};

struct PreviewSettings {
    ChosenMode mode = ChosenMode::Lecture;
    int verticalParallax = 0;
    bool keepStops = false;
};

// Plays slides 1 to `lastSlide` of the series in `seriesDirectory` (a full Windows path of
// the form ...\Corpus\Series) in order, as the program does, so that colours and the text
// size an earlier slide set are in force; returns the screens of the slides from
// `firstKept` on. False with `error` when the memory screen or the fonts cannot be made.
bool playSeries(const std::string& seriesDirectory, int firstKept, int lastSlide,
                const PreviewSettings& settings, std::vector<SlideScreens>& screens,
                std::string& error);
