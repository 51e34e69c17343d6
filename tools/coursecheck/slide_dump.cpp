#include "coursecheck/slide_dump.h"

#include <cstdio>

#include "ground/colours.h"
#include "content/content_paths.h"
#include "content/script_keywords.h"
#include "content/script_line.h"

namespace {

enum Field : unsigned {
    FText = 1,
    FX = 2,
    FY = 4,
    FValue = 8,
    FX2 = 16,
    FY2 = 32,
    FValue2 = 64,
    FExtra = 128,
};

unsigned fieldsOf(std::int32_t kind) {
    switch (kind) {
    case Image:
    case Narration:
    case Title:
    case Caption:
    case Query:
        return FText;
    case Delay:
    case Color:
    case EraseText:
    case EraseLine:
    case Fontsize:
        return FValue;
    case Text:
        return FText | FX | FY | FValue;
    case EText:
        return FText | FX | FY | FValue | FX2;
    case Line:
        return FX | FY | FValue | FX2 | FY2 | FValue2;
    case ELine:
        return FX | FY | FValue | FX2 | FY2 | FValue2 | FExtra;
    default:
        return 0;
    }
}

// Six upper-case hexadecimal digits, red first, of a COLORREF (red in the low byte).
std::string rgbText(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

} // namespace

const char* elementKindName(std::int32_t kind) {
    for (const ScriptKeyword& k : kScriptKeywords) {
        if (k.kind == kind) {
            return k.name.data();
        }
    }
    if (kind == NoNarration) {
        return "NoNarration";
    }
    if (kind == EndOfSlide) {
        return "EndOfSlide";
    }
    return "Unknown";
}

Json readingJson(const SlideReading& reading, const SlideElement* elements,
                 const std::uint32_t* colours, const std::string& courseRoot) {
    Json list = Json::array();
    for (int i = 1; i <= reading.elementCount; ++i) {
        const SlideElement& e = elements[i];
        Json element = {{"kind", elementKindName(e.kind)}, {"code", e.kind}};
        const unsigned fields = fieldsOf(e.kind);
        if (fields & FText) {
            element["text"] = std::string(textFieldView(e.text));
        }
        const std::pair<Field, std::pair<const char*, std::int32_t>> numbers[] = {
            {FX, {"x", e.x}},
            {FY, {"y", e.y}},
            {FValue, {"value", e.value}},
            {FX2, {"x2", e.x2}},
            {FY2, {"y2", e.y2}},
            {FValue2, {"value2", e.value2}},
            {FExtra, {"extra", e.extra}},
        };
        for (const auto& [flag, field] : numbers) {
            if (fields & flag) {
                element[field.first] = field.second;
            }
        }
        if (e.kind == Color && e.value >= 0 && e.value < kColourCount) {
            element["rgb"] = rgbText(colours[e.value]);
        }
        if (e.kind == NoNarration && !courseRoot.empty()) {
            element["wave"] = courseRoot + kNoNarrationWaveFile;
        }
        list.push_back(element);
    }
    Json messages = Json::array();
    if (reading.message) {
        messages.push_back(
            {{"caption", reading.message->caption}, {"text", reading.message->text}});
    }
    return {{"count", reading.elementCount},
            {"elements", list},
            {"messages", messages},
            {"beeps", reading.beeps}};
}
