// The index slide reader: builds the element list of one index term from the slide's
// stereo picture and the term's block of annotations in the slide's ".ind" file.
#pragma once

#include <string>
#include <string_view>

#include "content/element_list.h"
#include "content/slide_directory.h"
#include "content/slide_reading.h"

// "Problem with: <keyword>\nTruncating Index at line <count>."
std::string indexTruncationText(std::string_view keyword, int elementCount);

// A file name cut at its last ".": the base name that an "Image" element names.
std::string_view imageBaseName(std::string_view fileName);

// Builds the list from the ".ind" file's bytes: an "Image" element naming `imageName`, then
// the "Text", "Color", "Line" and "Fontsize" lines of the "Entry" block whose term equals
// `term` exactly. Result 0 when no block names the term.
SlideReading readIndexSlideBytes(std::string_view indFile, std::string_view term,
                                 std::string_view imageName, ColourEntries colours,
                                 ElementRecords elements);

// Finds the slide's first "*.duo" and "*.ind" files (a missing one beeps, result 0) and
// builds the list of `term` from them.
SlideReading readIndexSlideIn(const SlideDirectory& directory, std::string_view term,
                              ColourEntries colours, ElementRecords elements);
