// What playback has drawn and may erase later: the last title, the last caption, and the
// 100 text and 100 line slots. Kept across slides; a slot keeps its box until replaced.
#pragma once

#include "app/erase_boxes.h"
#include "ground/slide_element.h"

extern EraseBox titleBox;
extern EraseBox captionBox;
extern EraseBox textSlots[kEraseSlots];
extern LineBox lineSlots[kEraseSlots];

constexpr bool isEraseSlot(int slot) {
    return slot >= 0 && slot < kEraseSlots;
}

// Copies the box's rectangles in both views from slideImage back onto screenDC; nothing
// when there is no picture.
void restoreFromSlideImage(const EraseBox& box);
void restoreFromSlideImage(const LineBox& box);
