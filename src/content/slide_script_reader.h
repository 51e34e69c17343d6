// Reads a slide's script file into the element list.
#pragma once

#include <string>

#include "ground/slide_element.h"

// Sets `directory` to courseRoot + seriesName + "\Slide" + n + "\" and reads that slide's
// script ("*.qiz" in Quiz Mode, else "*.scp") into `elements`.
void readSlideScript(std::string& directory, int slideNumber, SlideElement* elements);
