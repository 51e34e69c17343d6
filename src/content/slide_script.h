// The slide script reader: turns a slide's script into its element list, taking the lines
// that the presentation mode uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "content/element_list.h"
#include "ground/mode_flags.h"
#include "content/slide_directory.h"
#include "content/slide_reading.h"

// "Problem with: <keyword>\nTruncating slide at line <count>."
std::string scriptTruncationText(std::string_view keyword, int elementCount);

// Reads a script's bytes into `elements`. `narrationSeen` is set by every "Narration" line
// and, while it is 0 and the mode plays narration, the slide gets the no-narration notice
// and a 10-second delay at its end. Hexadecimal colours are written into `colours`.
SlideReading readScriptBytes(std::string_view script, const ModeFlags& modes,
                             std::int32_t& narrationSeen, ColourEntries colours,
                             ElementRecords elements);

// Finds the slide's script ("*.qiz" in Quiz Mode, else "*.scp"; a missing one beeps once
// and falls back to "*.scp") and reads it; no script file reads as an empty script.
SlideReading readSlideScriptIn(const SlideDirectory& directory, const ModeFlags& modes,
                               std::int32_t& narrationSeen, ColourEntries colours,
                               ElementRecords elements);
