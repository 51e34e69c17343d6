#include "demo_course/script_text.h"

#include <cstdlib>

#include "demo_course/label_placement.h"

ScriptText& ScriptText::line(const std::string& text) {
    lines_.push_back(text);
    return *this;
}

ScriptText& ScriptText::delay(int seconds) {
    delayTotal_ += seconds;
    return line("Delay " + std::to_string(seconds));
}

ScriptText& ScriptText::placeLabelsWith(const LabelPlacement* placement) {
    placement_ = placement;
    return *this;
}

ScriptText& ScriptText::colour(const std::string& nameOrHex) {
    colour_ = scriptColour(nameOrHex);
    return line("Color " + nameOrHex);
}

Label ScriptText::placed(const Label& label) const {
    return placement_ != nullptr ? placement_->place(label, fontSize_, colour_) : label;
}

ScriptText& ScriptText::fontSize(int size) {
    fontSize_ = size;
    return line("Fontsize " + std::to_string(size));
}

std::string ScriptText::textArguments(const Label& given, const std::string& shown) const {
    const Label label = placed(given);
    const ScreenPoint at = geometry_.landmark(label.landmark);
    // Labels float two pixels of disparity in front of what they name.
    return (shown.empty() ? label.text : shown) + "," + std::to_string(at.x + label.dx) + " " +
           std::to_string(at.y + label.dy) + " " + std::to_string(at.disparity + 2);
}

std::string ScriptText::lineArguments(const Label& given) const {
    const Label label = placed(given);
    const ScreenPoint at = geometry_.landmark(label.landmark);
    // The text is centred on its x with its baseline at its y; the program's letters are
    // about 0.9 of the font's width parameter (0.9 of its height) wide.
    const int halfWidth = static_cast<int>(label.text.size() * (fontSize_ * 9 / 10) * 0.9) / 2 + 8;
    int startX = at.x + label.dx;
    int startY = at.y + label.dy - fontSize_ / 3;
    if (std::abs(label.dx) < halfWidth) {
        startY = label.dy < 0 ? at.y + label.dy + 3 : at.y + label.dy - fontSize_ - 2;
    } else {
        startX += label.dx > 0 ? -halfWidth : halfWidth;
    }
    return std::to_string(startX) + " " + std::to_string(startY) + " " +
           std::to_string(at.disparity + 2) + " " + std::to_string(at.x) + " " +
           std::to_string(at.y) + " " + std::to_string(at.disparity);
}

ScriptText& ScriptText::text(const Label& label, const std::string& shown) {
    return line("Text " + textArguments(label, shown));
}

ScriptText& ScriptText::erasableText(const Label& label, int slot, const std::string& shown) {
    return line("EText " + textArguments(label, shown) + " " + std::to_string(slot));
}

ScriptText& ScriptText::pointer(const Label& label) {
    return line("Line " + lineArguments(label));
}

ScriptText& ScriptText::erasablePointer(const Label& label, int slot) {
    return line("ELine " + lineArguments(label) + " " + std::to_string(slot));
}

std::string ScriptText::str() const {
    std::string out;
    for (const std::string& l : lines_) {
        out += l + "\r\n";
    }
    return out;
}
