// What the demo course holds: volumes of series of slides, each slide with its view of a
// model, its labels, narrations, questions and scripts. The series files describe the
// content; the course writer turns a plan into files.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "demo_course/script_text.h"

struct NarrationPlan {
    std::string name; // the wave's base name
    std::string words;
};

// A question: the panel (upper-view pixels, inclusive corners), its depth, three prompt
// lines and the landmark whose surroundings answer it.
struct QueryPlan {
    std::string name;
    int panelLeft, panelTop, panelRight, panelBottom, panelDepth;
    std::string prompt[3];
    std::string landmark;
    int halfWidth, halfHeight; // of the answer region around the landmark
};

struct SlideContext {
    const SlideGeometry& geometry;
    // Seconds of each narration of the slide, by name, as spoken.
    std::map<std::string, int> narrationSeconds;
};

struct SlidePlan {
    std::string scriptName; // the .scp, .qiz, .icn and .ind files are named after it
    std::string imageName;  // the .duo file
    std::string model;      // "skull", "heart", "knee" or "spine"
    StereoCamera camera;
    DuoLayout layout;
    std::string title;
    std::vector<Label> labels;
    std::vector<NarrationPlan> narrations;
    std::vector<QueryPlan> queries;
    // Labels that are index terms get an index entry and an annotation block.
    std::vector<std::string> indexTerms;
    // The slide script; empty lines are kept out.
    std::function<void(ScriptText&, const SlideContext&)> script;
    bool quizScript = true; // a .qiz script asking for the labelled structures
};

struct SeriesPlan {
    std::string directory;
    std::string title;
    std::vector<std::string> abstract; // lines of abstract.txt
    std::string pictureModel;          // the model of abstract.bmp
    StereoCamera pictureCamera;
    std::vector<SlidePlan> slides;
};

struct VolumePlan {
    int number; // 1 or 2
    std::vector<SeriesPlan> series;
};

SeriesPlan skullSeries();
SeriesPlan heartSeries();
SeriesPlan kneeSeries();
SeriesPlan spineSeries();

// The index term's label on a slide; nullptr when the slide does not label it.
const Label* findLabel(const SlidePlan& slide, const std::string& term);
