// What a viewer sees of a slide in one mode, worked out from its element list: drawing that
// the slide's end replaces at once, texts and lines that leave the view, and texts that are
// hard to read on the picture under them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "ground/font_measure.h"
#include "common/picture.h"
#include "ground/colours.h"
#include "ground/mode_flags.h"
#include "ground/slide_element.h"
#include "content/slide_reading.h"
#include "coursecheck/slide_depth.h"

// Texts below this contrast with the picture under them are reported as hard to read.
constexpr double kLegibleContrast = 3.0;

// The text colour and the text size that a slide leaves to the next: playback keeps both
// from slide to slide. A series begins white with the program's first text font.
struct CarriedLook {
    std::uint32_t colour = rgbColour(255, 255, 255);
    std::int32_t textSize = 10;
};

// The measures of the program's "Arial" of `height` x `width` pixels, as GDI reports them
// for the font that Windows and Wine pick (Arial or its metric twin Liberation Sans): the
// descent is 0.19 of the cell, the widest letter about 2.2 average widths, so
// (maximum - average) / 6 adds a fifth to the average.
constexpr FontMeasure estimatedArialMeasure(std::int32_t height, std::int32_t width) {
    return fontMeasureFrom(height, (height * 19 + 50) / 100, width, width * 11 / 5);
}

// WCAG contrast of two colours (1 to 21).
double contrastRatio(Rgb a, Rgb b);
// The contrast of `text` with the picture inside the rectangle that most of the box keeps:
// four fifths of the box's pixels reach at least this contrast. None when the rectangle
// lies wholly outside the picture.
std::optional<double> contrastUnder(const Picture& picture, Rgb text, int left, int top, int width,
                                    int height);

struct SlideDisplayInput {
    const char* modeName; // "Lecture Mode", ...
    ModeFlags flags;
    const SlideElement* elements; // records 0 to N + 1
    const SlideReading& reading;
    const std::uint32_t* colours; // the colour table after the reading
    // The composed 1024 x 768 screen of an image base name; none when it cannot be made.
    std::function<const Picture*(const std::string& imageName)> screenOf;
    // Its measured depth; none when it cannot be made.
    std::function<const PictureDepth*(const std::string& imageName)> depthOf;
};

// Reports each finding with the script line of its element; `look` comes in as the previous
// slide left it and goes out as this slide leaves it.
void checkSlideDisplay(const SlideDisplayInput& in, CarriedLook& look,
                       const std::function<void(int line, const std::string& text)>& report);
