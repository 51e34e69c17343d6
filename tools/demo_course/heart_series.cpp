// The Heart: four slides on its outer form, its great vessels and its own arteries.
#include "demo_course/series_helpers.h"

namespace {

const StereoCamera kFront = cameraAt({0, 1.5, 50}, {0, 1.5, 0}, 2.6);
const StereoCamera kLeft = cameraAt({40, 5, 40}, {1, 3, 0}, 2.6);
const StereoCamera kVessels = cameraAt({-6, 12, 38}, {0.5, 6, 0}, 2.2);
const StereoCamera kCoronary = cameraAt({9, -1.5, 54}, {0.5, 3.5, 0}, 2.8);

SlidePlan surface() {
    SlidePlan p{.scriptName = "Surface",
                .imageName = "heart",
                .model = "heart",
                .camera = kFront,
                .title = "The Heart from the Front"};
    p.labels = {{"Right atrium", "right atrium", -150, 10},
                {"Right ventricle", "right ventricle", -180, 60},
                {"Left ventricle", "left ventricle", 180, 20},
                {"Apex", "apex", 120, 30}};
    p.indexTerms = {"Right atrium", "Right ventricle", "Left ventricle", "Apex"};
    p.narrations = {{"surface", "The front of the heart is formed mostly by the right "
                                "ventricle. The right atrium lies to its right, and the left "
                                "ventricle forms the apex, which points down and to the left."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        s.comment("The chambers as they face the front of the chest");
        openSlide(s, p, "Sternocostal surface", "White");
        revealLabels(s, p.labels, 4);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan greatVessels() {
    SlidePlan p{.scriptName = "Vessels",
                .imageName = "vessels",
                .model = "heart",
                .camera = kVessels,
                .title = "The Great Vessels"};
    p.layout = {.bits = 32, .topBand = 8, .bottomBand = 8};
    p.labels = {{"Aorta", "aorta", 140, -20},
                {"Pulmonary trunk", "pulmonary trunk", 170, 40},
                {"Superior vena cava", "superior vena cava", -200, -10},
                {"Brachiocephalic trunk", "brachiocephalic trunk", -150, -30}};
    p.indexTerms = {"Aorta", "Pulmonary trunk", "Superior vena cava"};
    p.narrations = {{"vessels", "The aorta arches over the pulmonary trunk. The superior vena "
                                "cava brings blood from the head and arms to the right atrium. "
                                "Find the pulmonary trunk."}};
    p.queries = {{"trunk",
                  620,
                  250,
                  1000,
                  330,
                  5,
                  {"Which vessel is the", "pulmonary trunk?", "Click on it."},
                  "pulmonary trunk",
                  30,
                  20}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anterior view from above", "FFE0A0");
        s.delay(3).mark().labelled(p.labels[0]);
        s.delay(3).mark().labelled(p.labels[2]).labelled(p.labels[3]);
        s.delay(3).query("trunk");
        s.mark().colour("A0C0FF").labelled(p.labels[1]);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan leftSide() {
    SlidePlan p{.scriptName = "LeftSide",
                .imageName = "left",
                .model = "heart",
                .camera = kLeft,
                .title = "The Left Side of the Heart"};
    p.layout.bits = 16;
    p.labels = {{"Left auricle", "left auricle", 150, -30},
                {"Left ventricle", "left ventricle", 170, 30},
                {"Aorta", "aorta", 150, 20}};
    p.narrations = {{"left", "From the left, the left auricle peeps out beside the pulmonary "
                             "trunk, and the left ventricle forms the rounded border."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Left lateral view");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan coronary() {
    SlidePlan p{.scriptName = "Coronary",
                .imageName = "coronary",
                .model = "heart",
                .camera = kCoronary,
                .title = "The Coronary Arteries"};
    p.layout = {.bits = 24, .lowerX = 4, .upperX = 0, .leftBand = 6, .rightBand = 6};
    p.labels = {{"Anterior interventricular artery", "anterior interventricular artery", 120, -60},
                {"Right coronary artery", "right coronary artery", -170, 40}};
    p.indexTerms = {"Anterior interventricular artery", "Right coronary artery"};
    p.narrations = {{"coronary", "The heart feeds itself through the coronary arteries. The "
                                 "anterior interventricular artery runs down the groove "
                                 "between the ventricles; the right coronary artery circles "
                                 "to the right."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anterior view", "White", 13);
        s.delay(3).mark().labelled(p.labels[0]);
        s.delay(4).mark().colour("Purple").labelled(p.labels[1]);
        s.delay(3).mark().eraseTitle().eraseCaption().title("The Heart: End of the Series");
        holdForNarration(s, c);
    };
    return p;
}

} // namespace

SeriesPlan heartSeries() {
    SeriesPlan s;
    s.directory = "Heart";
    s.title = "The Heart, External Features";
    s.abstract = {"The heart seen from outside:", "its chambers, the great vessels",
                  "and the coronary arteries,", "in four stereoscopic slides."};
    s.pictureModel = "heart";
    s.pictureCamera = kFront;
    s.slides = {surface(), greatVessels(), leftSide(), coronary()};
    return s;
}
