// The Skull: ten slides around the skull, from the front, the side, above, behind and
// below, with the bones of the cranium and the face, the teeth and two questions.
#include "demo_course/series_helpers.h"

namespace {

const StereoCamera kFront = cameraAt({0, 1.5, 66}, {0, 1.5, 0}, 3.0);
const StereoCamera kFrontClose = cameraAt({0, 0, 40}, {0, -1.5, 0}, 1.9);
const StereoCamera kSide = cameraAt({64, 1.5, 2}, {0, 1.5, 0}, 3.0);
const StereoCamera kSideClose = cameraAt({42, -5, 10}, {0, -4.5, 1.5}, 2.0);
const StereoCamera kAbove = cameraAt({28, 40, 34}, {0, 1, 0}, 2.8);
const StereoCamera kTeeth = cameraAt({0, -5, 32}, {0, -6.5, 3}, 1.5);
const StereoCamera kBehind = cameraAt({-8, 6, -58}, {0, 0, 0}, 2.8);
const StereoCamera kBelow = cameraAt({22, -34, 40}, {0, -4, 1}, 2.6);
const StereoCamera kCheek = cameraAt({34, -1, 40}, {3, -1.5, 3}, 2.2);

SlidePlan frontView() {
    SlidePlan p{.scriptName = "Anterior",
                .imageName = "front",
                .model = "skull",
                .camera = kFront,
                .title = "The Skull from the Front"};
    p.labels = {{"Frontal bone", "frontal bone", -200, 0},
                {"Orbit", "orbit", 150, -8},
                {"Nasal aperture", "nasal aperture", -190, 4},
                {"Maxilla", "maxilla", -170, 12},
                {"Mandible", "mandible", -150, 30}};
    p.indexTerms = {"Frontal bone", "Maxilla", "Mandible"};
    p.narrations = {{"front", "The skull seen from the front. Above the orbits lies the "
                              "frontal bone. Between them opens the nasal aperture, and below "
                              "it the maxilla and the mandible carry the teeth."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        s.comment("The skull from the front: the bones a student names first");
        openSlide(s, p, "Anterior view");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan orbits() {
    SlidePlan p{.scriptName = "Orbits",
                .imageName = "orbits",
                .model = "skull",
                .camera = kFrontClose,
                .title = "The Orbits"};
    p.layout.bits = 32;
    p.labels = {{"Left orbit", "orbit", 170, -10},
                {"Right orbit", "right orbit", -170, -10},
                {"Nasal bones", "nasal bones", 0, -60},
                {"Nasal aperture", "nasal aperture", 0, 62}};
    p.indexTerms = {"Nasal aperture"};
    p.narrations = {{"orbits", "Each orbit is a deep socket that holds the eye. Find the right "
                               "orbit of this skull: it lies on your left."}};
    p.queries = {{"rorbit",
                  40,
                  60,
                  330,
                  130,
                  4,
                  {"Where is the", "right orbit?", "Click on it."},
                  "right orbit",
                  50,
                  26}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "The sockets of the eyes", "LtGrey");
        s.delay(2).mark();
        // Both orbits, erased again before the question so that it gives nothing away.
        s.erasableText(p.labels[0], 1).erasablePointer(p.labels[0], 1);
        s.erasableText(p.labels[1], 2).erasablePointer(p.labels[1], 2);
        s.delay(4).mark().eraseText(1).eraseLine(1).eraseText(2).eraseLine(2);
        s.query("rorbit");
        s.labelled(p.labels[1]);
        s.delay(2).mark().labelled(p.labels[2]).labelled(p.labels[3]);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan sideView() {
    SlidePlan p{.scriptName = "Lateral",
                .imageName = "side",
                .model = "skull",
                .camera = kSide,
                .title = "The Skull from the Side"};
    p.layout = {.bits = 24, .topBand = 6, .bottomBand = 6, .leftBand = 10, .rightBand = 10};
    p.labels = {{"Temporal bone", "temporal bone", 60, -45},
                {"Zygomatic arch", "zygomatic arch", -60, 40},
                {"Mastoid process", "mastoid process", 150, 30},
                {"Parietal bone", "parietal bone", 230, 10},
                {"Frontal bone", "frontal bone", -170, 10}};
    p.indexTerms = {"Temporal bone", "Zygomatic arch", "Mastoid process", "Parietal bone"};
    p.narrations = {{"side", "From the side, the temporal bone forms the wall of the skull "
                             "above the ear. The zygomatic arch bridges forwards to the cheek, "
                             "and the mastoid process points down behind the ear."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Lateral view, face to the left", "9FE2FF");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan mandible() {
    SlidePlan p{.scriptName = "Mandible",
                .imageName = "jaw",
                .model = "skull",
                .camera = kSideClose,
                .title = "The Mandible"};
    p.layout.bits = 16;
    p.labels = {{"Ramus", "ramus", 120, -20},
                {"Coronoid process", "coronoid process", -40, -80},
                {"Body of mandible", "mandible", 60, 60},
                {"Chin", "chin", -60, 40}};
    p.indexTerms = {"Coronoid process", "Ramus"};
    p.narrations = {{"jaw", "The mandible is the bone of the lower jaw. Its ramus rises to "
                            "the joint, and the coronoid process in front of it holds the "
                            "temporal muscle."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Lateral view", "FFB070", 16);
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan above() {
    SlidePlan p{.scriptName = "Superior",
                .imageName = "above",
                .model = "skull",
                .camera = kAbove,
                .title = "The Vault of the Skull"};
    p.layout = {.bits = 24, .lowerX = 6, .leftBand = 8, .rightBand = 8};
    p.labels = {{"Frontal bone", "frontal bone", -120, 10},
                {"Parietal bone", "parietal bone", 140, -20},
                {"Zygomatic arch", "zygomatic arch", 150, 20}};
    p.narrations = {{"above", "Seen from above and in front, the vault of the skull is made "
                              "of the frontal bone in front and the two parietal bones."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Superior oblique view");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan teeth() {
    SlidePlan p{.scriptName = "Teeth",
                .imageName = "teeth",
                .model = "skull",
                .camera = kTeeth,
                .title = "The Teeth"};
    p.layout.bits = 32;
    p.labels = {{"Upper teeth", "upper teeth", 190, -40}, {"Lower teeth", "lower teeth", -190, 40}};
    p.narrations = {{"teeth", "The upper teeth sit in the maxilla, the lower teeth in the "
                              "mandible. Point to the lower teeth."}};
    // The panel stays clear of the "Upper teeth" label that is on the screen before it.
    p.queries = {{"lower",
                  640,
                  230,
                  980,
                  300,
                  3,
                  {"Locate the", "lower teeth", "with the pointer."},
                  "lower teeth",
                  80,
                  16}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anterior view, mouth closed", "Red");
        s.delay(3).mark().labelled(p.labels[0]);
        s.delay(3).query("lower");
        s.mark().labelled(p.labels[1]);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan behind() {
    SlidePlan p{.scriptName = "Posterior",
                .imageName = "behind",
                .model = "skull",
                .camera = kBehind,
                .title = "The Skull from Behind"};
    p.layout = {.bits = 24, .lowerY = 4, .upperY = 4, .topBand = 4};
    p.labels = {{"Occipital bone", "occipital bone", 0, -60},
                {"Mastoid process", "mastoid process", -130, 40}};
    p.indexTerms = {"Occipital bone"};
    p.narrations = {{"behind", "From behind, the occipital bone closes the back of the skull. "
                               "On each side the mastoid processes stand out."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Posterior view", "Yellow", 16);
        revealLabels(s, p.labels, 4);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan below() {
    SlidePlan p{.scriptName = "Inferior",
                .imageName = "below",
                .model = "skull",
                .camera = kBelow,
                .title = "The Skull from Below"};
    p.labels = {{"Chin", "chin", -90, 30},
                {"Mandible", "mandible", -160, -10},
                {"Upper teeth", "upper teeth", 140, -40}};
    p.narrations = {{"below", "From below, the arch of the mandible frames the teeth. The chin "
                              "is the bony point at its front."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Inferior oblique view", "Green");
        revealLabels(s, p.labels, 3);
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan cheek() {
    SlidePlan p{.scriptName = "Cheek",
                .imageName = "cheek",
                .model = "skull",
                .camera = kCheek,
                .title = "The Cheek Bone"};
    p.layout = {.bits = 16, .lowerX = -4, .upperX = 4, .leftBand = 12, .rightBand = 12};
    p.labels = {{"Zygomatic bone", "zygomatic bone", 150, 40},
                {"Zygomatic arch", "zygomatic arch", 120, -50},
                {"Orbit", "orbit", -120, -40}};
    p.indexTerms = {"Zygomatic bone", "Orbit"};
    p.narrations = {{"cheek", "The zygomatic bone forms the prominence of the cheek and the "
                              "outer rim of the orbit."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Anterolateral view");
        revealLabels(s, p.labels, 3);
        s.delay(2).mark().eraseCaption().caption("Zygomatic bone and arch together");
        holdForNarration(s, c);
    };
    return p;
}

SlidePlan review() {
    SlidePlan p{.scriptName = "Review",
                .imageName = "front",
                .model = "skull",
                .camera = kFront,
                .title = "Review: The Skull"};
    p.labels = {{"Frontal bone", "frontal bone", -200, 0},
                {"Orbit", "orbit", 150, -8},
                {"Zygomatic bone", "zygomatic bone", 170, 30},
                {"Maxilla", "maxilla", -170, 12},
                {"Mandible", "mandible", -150, 30}};
    p.narrations = {{"review", "To review: the frontal bone, the orbit, the zygomatic bone, the "
                               "maxilla and the mandible. Name each one before it appears."}};
    p.script = [p](ScriptText& s, const SlideContext& c) {
        openSlide(s, p, "Name each numbered bone", "Yellow", 16);
        // Numbers first; each number gives way to its name.
        for (std::size_t i = 0; i < p.labels.size(); ++i) {
            s.erasableText(p.labels[i], static_cast<int>(10 + i), std::to_string(i + 1))
                .erasablePointer(p.labels[i], static_cast<int>(10 + i));
        }
        for (std::size_t i = 0; i < p.labels.size(); ++i) {
            s.delay(3).mark().eraseText(static_cast<int>(10 + i)).colour("FF8080");
            s.text(p.labels[i]).colour("Yellow");
        }
        s.delay(2).mark().eraseTitle().title("The Skull: End of the Series");
        holdForNarration(s, c);
    };
    return p;
}

} // namespace

SeriesPlan skullSeries() {
    SeriesPlan s;
    s.directory = "Skull";
    s.title = "The Skull";
    // About 32 characters fit beside the picture; the table of contents shows six lines.
    s.abstract = {"The bones of the skull in ten",
                  "stereoscopic views: cranium,",
                  "face, orbits, cheek bones,",
                  "mandible and teeth.",
                  "",
                  "Two questions to answer."};
    s.pictureModel = "skull";
    s.pictureCamera = kCheek;
    s.slides = {frontView(), orbits(), sideView(), mandible(), above(),
                teeth(),     behind(), below(),    cheek(),    review()};
    return s;
}
