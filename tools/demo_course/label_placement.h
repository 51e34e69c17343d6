// Where a label reads well: its offset from the landmark is moved, a step at a time, until
// its text lies inside both views, below the title and caption, on a part of the picture
// that contrasts with the text's colour (as coursecheck measures it).
#pragma once

#include <string>

#include "common/picture.h"
#include "demo_course/label.h"
#include "demo_course/slide_geometry.h"

class LabelPlacement {
  public:
    // `screen`: the slide's 1024 x 768 screen as the program composes it.
    LabelPlacement(const SlideGeometry& geometry, const Picture& screen)
        : geometry_(geometry), screen_(screen) {}

    // The label with the nearest offset that reads well; the label itself when none does.
    Label place(const Label& label, int fontSize, Rgb colour) const;

  private:
    bool readsWell(const Label& label, int fontSize, Rgb colour) const;

    const SlideGeometry& geometry_;
    const Picture& screen_;
};

// The colour of a "Color" argument: a colour name or six hexadecimal digits.
Rgb scriptColour(const std::string& nameOrHex);
