// Reads index.dat into the in-memory index, and an index slide from its ".ind" file.
#pragma once

#include "ground/slide_element.h"

// Fills indexEntries and indexCount from courseRoot + "index.dat".
void readIndexList();
// Builds the element list of index entry `entry`; 1 when built, 0 when not.
int readIndexSlide(int entry, SlideElement* elements);
