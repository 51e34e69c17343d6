// A label of a slide, named by the script writer and placed by the label placement.
#pragma once

#include <string>

// A label naming a landmark: drawn `dx`, `dy` pixels from it, a little in front of it.
struct Label {
    std::string text;
    std::string landmark;
    int dx;
    int dy;
};
