// PLACEHOLDER until the content readers land: an empty index and empty slides.
#include "content/content_globals.h"
#include "content/index_reader.h"
#include "content/slide_script_reader.h"

void readIndexList() {
    indexCount = 0;
}

int readIndexSlide(int, SlideElement*) {
    return 0;
}

void readSlideScript(std::string& directory, int slideNumber, SlideElement* elements) {
    directory = courseRoot + seriesName + "\\Slide" + std::to_string(slideNumber) + "\\";
    elements[0].kind = 0;
    elements[1].kind = EndOfSlide;
}
