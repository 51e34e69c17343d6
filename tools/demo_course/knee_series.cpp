// The Knee Joint: four slides on the bones, the menisci and the ligaments of a right knee.
#include "demo_course/series_helpers.h"

namespace {

const StereoCamera kFront = cameraAt({0, -0.5, 62}, {0, -0.5, 0}, 3.0);
const StereoCamera kJoint = cameraAt({0, -1, 46}, {0, -1.5, 0}, 2.2);
const StereoCamera kOblique = cameraAt({36, 6, 44}, {0, 0, 0}, 2.8);
const StereoCamera kLateral = cameraAt({-46, 4, 34}, {0, 0, 0}, 2.8);

SlidePlan bones() {
    SlidePlan p{.scriptName = "Bones",
                .imageName = "bones",
                .model = "knee",
                .camera = kFront,
                .title = "The Bones of the Knee"};
    p.labels = {{"Femur", "femur", 150, 30},
                {"Patella", "patella", 150, -10},
                {"Tibia", "tibia", 120, 0},
                {"Fibula", "fibula", -130, 20}};
    p.indexTerms = {"Femur", "Patella", "Tibia", "Fibula"};
    p.narrations = {{"bones", "Three bones meet at the knee: the femur above, the tibia "
                              "below, and the patella in front. The fibula does not reach the "
                              "joint."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Right knee, anterior view");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan condyles() {
    SlidePlan p{.scriptName = "Condyles",
                .imageName = "condyles",
                .model = "knee",
                .camera = kJoint,
                .title = "Condyles and Menisci"};
    p.layout = {.bits = 32, .topBand = 10, .bottomBand = 10};
    p.labels = {{"Medial condyle", "medial condyle", 170, -30},
                {"Lateral condyle", "lateral condyle", -170, -30},
                {"Medial meniscus", "medial meniscus", 170, 40},
                {"Lateral meniscus", "lateral meniscus", -170, 40}};
    p.indexTerms = {"Medial condyle", "Lateral condyle", "Medial meniscus"};
    p.narrations = {{"condyles", "The rounded condyles of the femur rest on the menisci, two "
                                 "crescents of cartilage on the top of the tibia. Find the "
                                 "medial meniscus."}};
    p.queries = {{"meniscus",
                  30,
                  290,
                  380,
                  350,
                  2,
                  {"Point to the", "medial meniscus", "of this right knee."},
                  "medial meniscus",
                  40,
                  10}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "The joint opened in front", "Yellow", 13);
        s.delay(3).mark().labelled(p.labels[0]).labelled(p.labels[1]);
        s.delay(3).query("meniscus");
        s.mark().colour("C0E8FF").labelled(p.labels[2]).labelled(p.labels[3]);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan ligaments() {
    SlidePlan p{.scriptName = "Ligaments",
                .imageName = "ligaments",
                .model = "knee",
                .camera = kOblique,
                .title = "Ligaments of the Knee"};
    p.layout.bits = 16;
    p.labels = {{"Patellar ligament", "patellar ligament", 160, 20},
                {"Medial collateral ligament", "medial collateral ligament", 180, 40},
                {"Quadriceps tendon", "quadriceps tendon", 160, -20}};
    p.indexTerms = {"Patellar ligament", "Medial collateral ligament"};
    p.narrations = {{"ligaments", "The patellar ligament ties the patella to the tibia. The "
                                  "collateral ligaments hold the joint at its sides."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anteromedial view", "White");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan lateralSide() {
    SlidePlan p{.scriptName = "Lateral",
                .imageName = "lateral",
                .model = "knee",
                .camera = kLateral,
                .title = "The Lateral Side"};
    p.layout = {.bits = 24, .lowerX = 5, .leftBand = 8};
    p.labels = {{"Lateral collateral ligament", "lateral collateral ligament", -200, 30},
                {"Fibula", "fibula", -140, 40}};
    p.narrations = {{"lateral", "On the outer side, the lateral collateral ligament runs from "
                                "the femur down to the head of the fibula."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anterolateral view", "FFD080");
        revealLabels(s, p.labels, 4);
        holdForNarration(s, c);
    };
    return p;
}

} // namespace

SeriesPlan kneeSeries() {
    SeriesPlan s;
    s.directory = "Knee";
    s.title = "The Knee Joint";
    s.abstract = {"The right knee: femur, tibia", "and patella, the menisci and",
                  "the ligaments that hold the", "joint together."};
    s.pictureModel = "knee";
    s.pictureCamera = kOblique;
    s.slides = {bones(), condyles(), ligaments(), lateralSide()};
    return s;
}
