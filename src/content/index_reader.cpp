#include "content/index_reader.h"

#include "content/content_files.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "content/index_list.h"
#include "content/index_slide.h"
#include "content/script_line.h"
#include "content/slide_reading_shell.h"

void readIndexList() {
    indexCount = 0;
    const std::optional<std::string> bytes = readContentFile(courseRoot + kIndexListFile);
    if (bytes) {
        indexCount = readIndexListBytes(*bytes, indexEntries).count;
    }
}

int readIndexSlide(int entry, SlideElement* elements) {
    if (entry < 0 || entry >= indexCount) {
        return 0; // no such term in the index
    }
    const IndexEntry& term = indexEntries[entry];
    const std::string directory =
        slideDirectoryPath(courseRoot, textFieldView(term.series), term.slide);
    const SlideReading reading =
        readIndexSlideIn(slideDirectoryAt(directory), textFieldView(term.term), colourTable,
                         ElementRecords{elements, kSlideElementRecords});
    presentSlideReading(reading);
    return reading.result;
}
