// The course's flat pictures: the title screens of each volume and of the two-volume
// copy, and the help screens of the two flows (drawn with text; stored at 8 bits).
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "demo_course/text_renderer.h"

struct Fonts {
    TextRenderer regular{sansFontPath()};
    TextRenderer bold{boldSansFontPath()};
};

// `subtitle` names the volume ("Volume I", "Volumes I and II"); `backdrop` is a rendered
// picture of a model that fills the right of the screen.
Picture introPicture(const Fonts& fonts, const std::string& subtitle, const Picture& backdrop,
                     const std::vector<std::string>& seriesTitles);

// The help screen of Lecture and Quiz Mode (tutorial false) or of Tutorial Mode.
Picture helpPicture(const Fonts& fonts, bool tutorial);
