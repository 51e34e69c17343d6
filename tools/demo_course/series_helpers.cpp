#include "demo_course/series_helpers.h"

#include <algorithm>

StereoCamera cameraAt(Vec3 position, Vec3 target, double eyeSeparation, double fieldOfView) {
    StereoCamera c;
    c.position = position;
    c.target = target;
    c.eyeSeparation = eyeSeparation;
    c.fieldOfView = fieldOfView;
    return c;
}

void openSlide(ScriptText& s, const SlidePlan& slide, const std::string& caption,
               const std::string& labelColour, int fontSize) {
    s.image(slide.imageName).title(slide.title);
    if (!caption.empty()) {
        s.caption(caption);
    }
    for (const NarrationPlan& n : slide.narrations) {
        s.narration(n.name);
    }
    s.fontSize(fontSize).colour(labelColour);
}

void revealLabels(ScriptText& s, const std::vector<Label>& labels, int seconds) {
    for (const Label& label : labels) {
        s.delay(seconds).mark().labelled(label);
    }
}

void holdForNarration(ScriptText& s, const SlideContext& context) {
    int total = 0;
    for (const auto& [name, seconds] : context.narrationSeconds) {
        total += seconds;
    }
    // The slide's end goes on at once: its last group needs a Delay and a Mark of its own.
    s.delay(std::max(kLastGroupSeconds, total + 2 - s.delayTotal())).mark();
}
