// The course that new-course writes: one series of one slide whose script uses every kind
// of element once, each explained by a comment in the authoring guide's words, so that an
// author starts from a course that runs and replaces its parts one by one.
#include "demo_course/starter_course.h"

#include "demo_course/series_helpers.h"

namespace {

const StereoCamera kFront = cameraAt({0, 1.5, 66}, {0, 1.5, 0}, 3.0);

SlidePlan firstSlide() {
    SlidePlan p{.scriptName = "Slide",
                .imageName = "picture",
                .model = "skull",
                .camera = kFront,
                .title = "My First Slide"};
    p.labels = {{"Orbit", "orbit", 150, -8},
                {"Frontal bone", "frontal bone", -200, 0},
                {"Maxilla", "maxilla", -170, 12}};
    p.indexTerms = {"Orbit"};
    p.narrations = {{"speech", "This is the first slide of your course. Replace this "
                               "narration with your own words."}};
    p.queries = {{"question",
                  640,
                  250,
                  980,
                  320,
                  4,
                  {"Where is the", "left orbit?", "Click on it."},
                  "orbit",
                  50,
                  26}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        s.comment("A slide script: one command per line, at most 100 bytes with the line end;");
        s.comment("keywords are case-sensitive; a line starting with # is a comment.");
        s.comment("Coordinates are pixels of the upper view: 0 to 1023 across, 0 to 363 down.");
        s.comment("Image: the stereo picture, picture.duo in this folder (made with duo pack).");
        s.image(p.imageName);
        s.comment("Title sits at row 20 and Caption at row 37: leave the picture's top dark.");
        s.title(p.title);
        s.caption("Replace this caption");
        s.comment("Narration: speech.wav, a PCM wave file, spoken in Tutorial Mode.");
        s.narration(p.narrations[0].name);
        s.comment("Fontsize and Color apply to the texts that follow (Color takes a name");
        s.comment("such as Yellow, or six hexadecimal digits RRGGBB).");
        s.fontSize(14).colour("Yellow");
        s.comment("Delay n times the slide in Tutorial Mode; Mark waits for a click in");
        s.comment("Lecture and Quiz Mode. Write both: each mode ignores the other's.");
        s.delay(3).mark();
        s.comment("Text text,x y disparity: x is the text's centre, y its baseline; the");
        s.comment("copy in the lower view is drawn disparity pixels further left.");
        s.comment("Line x1 y1 d1 x2 y2 d2: a line with a disparity at each end.");
        s.labelled(p.labels[0]);
        s.delay(3).mark();
        s.comment("EText and ELine take a slot (0 to 99) as their last number, so that");
        s.comment("EraseText and EraseLine can remove them later.");
        s.erasableText(p.labels[1], 1).erasablePointer(p.labels[1], 1);
        s.colour("A0E0FF").labelled(p.labels[2]);
        s.delay(3).mark();
        s.eraseText(1).eraseLine(1);
        s.comment("Query: asks question.qer's question in Tutorial Mode.");
        s.query(p.queries[0].name);
        s.comment("EraseTitle and EraseCaption remove the title and the caption.");
        s.eraseTitle().eraseCaption();
        s.comment("End every group with a Delay and a Mark, the last one too.");
        holdForNarration(s, c);
    };
    return p;
}

} // namespace

VolumePlan starterCourse() {
    SeriesPlan series{.directory = "MySeries",
                      .title = "My First Series",
                      .abstract = {"The first series of your", "course. Replace this text",
                                   "in abstract.txt: six lines", "at most."},
                      .pictureModel = "skull",
                      .pictureCamera = kFront,
                      .slides = {firstSlide()}};
    return {1, {series}};
}
