// Where the course lies, which series and slide are in use, the mode flags, the element
// list the readers fill, the colour table and the in-memory index.
#pragma once

#include <cstdint>
#include <string>

#include "ground/colours.h"
#include "ground/index_entry.h"
#include "ground/mode_flags.h"
#include "ground/slide_element.h"

constexpr int kSeriesNameSize = 44;
constexpr int kSeriesTitleSize = 200;
constexpr const char* kCourseRootNotFound = "NotFound";

// The content directory, always ending with a backslash; "NotFound" until it is found.
extern std::string courseRoot;
extern char seriesName[kSeriesNameSize];
extern char currentSeriesTitle[kSeriesTitleSize];
extern int slideCount;
// The current slide's directory, ending with a backslash.
extern std::string slideDirectory;
extern ModeFlags modeFlags;
extern SlideElement slideElements[kSlideElementRecords];
extern std::uint32_t colourTable[kColourCount];
// Set by every "Narration" line the script reader meets; never cleared.
extern std::int32_t narrationSeen;
extern IndexEntry indexEntries[kMaxIndexEntries];
extern int indexCount;
extern int indexSelection;
