// Writes the lines of a slide script, an index annotation block or a quiz script, placing
// labels and their pointer lines by the slide's geometry.
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "demo_course/label.h"
#include "demo_course/slide_geometry.h"

class LabelPlacement;

class ScriptText {
  public:
    ScriptText(const SlideGeometry& geometry, int fontSize)
        : geometry_(geometry), fontSize_(fontSize) {}

    // Labels are moved where they read well on the slide's picture (none: where given).
    ScriptText& placeLabelsWith(const LabelPlacement* placement);

    ScriptText& line(const std::string& text);
    ScriptText& comment(const std::string& text) { return line("# " + text); }
    ScriptText& image(const std::string& name) { return line("Image " + name); }
    ScriptText& narration(const std::string& name) { return line("Narration " + name); }
    ScriptText& delay(int seconds);
    ScriptText& mark() { return line("Mark"); }
    ScriptText& title(const std::string& text) { return line("Title " + text); }
    ScriptText& caption(const std::string& text) { return line("Caption " + text); }
    ScriptText& colour(const std::string& nameOrHex);
    ScriptText& fontSize(int size);
    ScriptText& query(const std::string& name) { return line("Query " + name); }
    ScriptText& eraseTitle() { return line("EraseTitle"); }
    ScriptText& eraseCaption() { return line("EraseCaption"); }
    ScriptText& eraseText(int slot) { return line("EraseText " + std::to_string(slot)); }
    ScriptText& eraseLine(int slot) { return line("EraseLine " + std::to_string(slot)); }

    // "Text" (or "EText" with a slot) of the label, with `shown` as its text.
    ScriptText& text(const Label& label, const std::string& shown = "");
    ScriptText& erasableText(const Label& label, int slot, const std::string& shown = "");
    // "Line" (or "ELine" with a slot) from the label's text to its landmark.
    ScriptText& pointer(const Label& label);
    ScriptText& erasablePointer(const Label& label, int slot);
    // The text and its pointer line.
    ScriptText& labelled(const Label& label) { return text(label).pointer(label); }

    int delayTotal() const { return delayTotal_; }
    // The lines, each ended by CR LF.
    std::string str() const;

  private:
    Label placed(const Label& label) const;
    int labelDisparity(const Label& label, const std::string& shown) const;
    std::string textArguments(const Label& label, const std::string& shown) const;
    std::string lineArguments(const Label& label) const;

    const SlideGeometry& geometry_;
    int fontSize_;
    Rgb colour_{255, 255, 255};
    const LabelPlacement* placement_ = nullptr;
    std::vector<std::string> lines_;
    int delayTotal_ = 0;
};
