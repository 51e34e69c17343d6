// What one reading of a slide (from its script or from an index entry's ".ind" block) did:
// what the shell must show, sound and replace, and what an author tool reports.
#pragma once

#include <optional>
#include <string>
#include <vector>

constexpr const char* kScriptErrorCaption = "Script File Error";

struct ContentMessage {
    std::string caption;
    std::string text;
};

struct SlideReading {
    // Index slides: 1 when the slide was built, 0 when not. Scripts: always 1.
    int result = 1;
    // N, the count stored in record 0 (when the result is 1).
    int elementCount = 0;
    // Exclamation beeps to sound, before anything else of the reading is shown.
    int beeps = 0;
    // The file that was read (a script or an ".ind" file); empty when there was none.
    std::string fileName;
    // The message box to show ("Script File Error"), when the reading was truncated.
    std::optional<ContentMessage> message;
    // The line of the keyword that truncated the reading; 0 when none did.
    int truncatedAtLine = 0;
    // Colour-table entries that got a hexadecimal colour, in the order given; the shell
    // replaces exactly these pens.
    std::vector<int> hexColourIndexes;
    // For records 1 to N, the line each element came from (0: added by the reader).
    std::vector<int> elementLines;
    // Lines that the mode took but that found the list full (998 elements); not stored.
    int elementsDropped = 0;
    // Hexadecimal colours after the 190th of the reading; their lines add nothing.
    int hexColoursRefused = 0;
    // Lines longer than their window; taken whole, their fields cut to size.
    std::vector<int> overlongLines;
};
