#include "content/slide_script_reader.h"

#include "content/content_files.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "content/script_line.h"
#include "content/slide_reading_shell.h"
#include "content/slide_script.h"

void readSlideScript(std::string& directory, int slideNumber, SlideElement* elements) {
    directory = slideDirectoryPath(courseRoot, textFieldView(seriesName), slideNumber);
    const SlideReading reading =
        readSlideScriptIn(slideDirectoryAt(directory), modeFlags, narrationSeen, colourTable,
                          ElementRecords{elements, kSlideElementRecords});
    presentSlideReading(reading);
}
