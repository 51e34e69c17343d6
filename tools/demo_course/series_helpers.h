// Building blocks shared by the series descriptions.
#pragma once

#include "demo_course/course_plan.h"

StereoCamera cameraAt(Vec3 position, Vec3 target, double eyeSeparation, double fieldOfView = 36);

// The opening of a slide: its picture, title, caption and narration, the text size and
// colour of its labels.
void openSlide(ScriptText& s, const SlidePlan& slide, const std::string& caption,
               const std::string& labelColour = "Yellow", int fontSize = 14);

// Each label in turn: held `seconds` in Tutorial Mode, waiting for a click in Lecture Mode.
void revealLabels(ScriptText& s, const std::vector<Label>& labels, int seconds);

// The least time Tutorial Mode shows a slide's last group.
constexpr int kLastGroupSeconds = 3;

// Ends the slide's last group: Tutorial Mode holds it until the narrations have been spoken
// (and at least kLastGroupSeconds), the other modes until a click.
void holdForNarration(ScriptText& s, const SlideContext& context);
