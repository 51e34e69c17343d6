#include "ground/content_globals.h"

std::string courseRoot = kCourseRootNotFound;
char seriesName[kSeriesNameSize] = {};
char currentSeriesTitle[kSeriesTitleSize] = {};
int slideCount = 0;
std::string slideDirectory;
ModeFlags modeFlags = {0, 0, 0, 0, 0, 0};
SlideElement slideElements[kSlideElementRecords] = {};
std::uint32_t colourTable[kColourCount] = {kNamedColours[0].colour, kNamedColours[1].colour,
                                           kNamedColours[2].colour, kNamedColours[3].colour,
                                           kNamedColours[4].colour, kNamedColours[5].colour,
                                           kNamedColours[6].colour, kNamedColours[7].colour,
                                           kNamedColours[8].colour, kNamedColours[9].colour};
std::int32_t narrationSeen = 0;
IndexEntry indexEntries[kMaxIndexEntries] = {};
int indexCount = 0;
int indexSelection = 0;
