// What the program's readers make of a slide, an index or an index slide, as JSON.
#pragma once

#include <nlohmann/json.hpp>

#include "ground/slide_element.h"
#include "content/slide_reading.h"

using Json = nlohmann::ordered_json;

// The name of an element kind ("Image", "NoNarration", "EndOfSlide"); "Unknown" otherwise.
const char* elementKindName(std::int32_t kind);

// `count`, `elements` (records 1 to N, each with `kind`, `code` and the fields its kind
// sets; a Color also with `rgb` from `colours`), `messages` and `beeps`. With a non-empty
// `courseRoot`, a NoNarration element also names the wave it plays.
Json readingJson(const SlideReading& reading, const SlideElement* elements,
                 const std::uint32_t* colours, const std::string& courseRoot);
