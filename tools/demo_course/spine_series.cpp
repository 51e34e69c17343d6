// The Vertebral Column: three slides on lumbar vertebrae, their discs and the spinal cord.
// The first slide has no narration of its own.
#include "demo_course/series_helpers.h"

namespace {

const StereoCamera kOblique = cameraAt({-30, 10, -34}, {0, 0.5, -1}, 2.4);
const StereoCamera kSide = cameraAt({-44, 2, 4}, {0, 0, 0}, 2.4);
const StereoCamera kBehind = cameraAt({-6, 5, -50}, {0, 0.5, -1}, 2.4);

SlidePlan vertebrae() {
    SlidePlan p{.scriptName = "Vertebrae",
                .imageName = "vertebra",
                .model = "spine",
                .camera = kOblique,
                .title = "Lumbar Vertebrae"};
    p.labels = {{"Vertebral body", "vertebral body", 170, -20},
                {"Intervertebral disc", "intervertebral disc", 190, 20},
                {"Spinous process", "spinous process", -170, 30}};
    p.indexTerms = {"Vertebral body", "Intervertebral disc", "Spinous process"};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        s.comment("No narration here: Tutorial Mode plays the course's notice instead");
        s.image(p.imageName).title(p.title).caption("Posterolateral view");
        s.fontSize(14).colour("Yellow");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan canal() {
    SlidePlan p{.scriptName = "Canal",
                .imageName = "canal",
                .model = "spine",
                .camera = kBehind,
                .title = "The Vertebral Canal"};
    p.layout = {.bits = 32, .lowerY = -2, .upperY = -2, .bottomBand = 6};
    p.labels = {{"Spinal cord", "spinal cord", 150, -10},
                {"Lamina", "lamina", -160, 20},
                {"Spinal nerve", "spinal nerve", -160, 40}};
    p.indexTerms = {"Spinal cord", "Lamina"};
    p.narrations = {{"canal", "Behind each vertebral body, the pedicles and laminae form a "
                              "ring. Together the rings make the vertebral canal, which "
                              "shelters the spinal cord."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Posterior view", "Yellow", 15);
        s.delay(3).mark();
        s.erasableText(p.labels[0], 0).erasablePointer(p.labels[0], 0);
        s.delay(3).mark().labelled(p.labels[1]);
        s.delay(3).mark().eraseText(0).eraseLine(0).colour("FFE070").labelled(p.labels[2]);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan processes() {
    SlidePlan p{.scriptName = "Processes",
                .imageName = "processes",
                .model = "spine",
                .camera = kSide,
                .title = "Processes of a Vertebra"};
    p.layout.bits = 16;
    p.labels = {{"Transverse process", "transverse process", -180, -10},
                {"Articular process", "articular process", 170, -30},
                {"Spinous process", "spinous process", -170, 30}};
    p.indexTerms = {"Transverse process"};
    p.narrations = {{"processes", "Each vertebra carries processes: the spinous process "
                                  "behind, a transverse process on each side, and articular "
                                  "processes that join it to its neighbours."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Left lateral view");
        revealLabels(s, p.labels, 3);
        s.delay(2).mark().eraseTitle().eraseCaption().title("The Vertebral Column: End");
        holdForNarration(s, c);
    };
    return p;
}

} // namespace

SeriesPlan spineSeries() {
    SeriesPlan s;
    s.directory = "Spine";
    s.title = "The Vertebral Column";
    s.abstract = {"Three lumbar vertebrae with", "their discs, processes and the",
                  "spinal cord in its canal."};
    s.pictureModel = "spine";
    s.pictureCamera = kOblique;
    s.slides = {vertebrae(), canal(), processes()};
    return s;
}
