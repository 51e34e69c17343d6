#include "demo_course/script_text.h"

#include <algorithm>
#include <cmath>
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

int ScriptText::labelDisparity(const Label& label, const std::string& shown) const {
    const ScreenPoint at = geometry_.landmark(label.landmark);
    // Labels float two pixels of disparity in front of what they name, and in front of
    // whatever surface lies under their box, and near it as far as coursecheck's measuring
    // block reaches (8 columns and 4 rows).
    const std::size_t letters =
        std::max<std::size_t>(2, (shown.empty() ? label.text : shown).size());
    const int width = static_cast<int>(letters * (fontSize_ * 9 / 10)) + 16;
    const auto under = geometry_.nearestSurface(
        at.x + label.dx - width / 2, at.y + label.dy - fontSize_ - 4, width, fontSize_ + 12);
    const int surface = under ? static_cast<int>(std::ceil(*under)) : at.disparity;
    return std::max(at.disparity, surface) + 2;
}

std::string ScriptText::textArguments(const Label& given, const std::string& shown) const {
    const Label label = placed(given);
    const ScreenPoint at = geometry_.landmark(label.landmark);
    return (shown.empty() ? label.text : shown) + "," + std::to_string(at.x + label.dx) + " " +
           std::to_string(at.y + label.dy) + " " + std::to_string(labelDisparity(label, shown));
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
    // The pointer's end touches the nearest surface around the landmark (as far as
    // coursecheck's measuring block reaches): a landmark hidden behind another part is
    // pointed at where the eye meets that part.
    const auto touched = geometry_.nearestSurface(at.x - 8, at.y - 4, 17, 9);
    const int end =
        std::max(at.disparity, touched ? static_cast<int>(std::lround(*touched)) : at.disparity);
    return std::to_string(startX) + " " + std::to_string(startY) + " " +
           std::to_string(labelDisparity(label, "")) + " " + std::to_string(at.x) + " " +
           std::to_string(at.y) + " " + std::to_string(end);
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
