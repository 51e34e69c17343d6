// The drawing elements of a slide, each drawn into both views of the stereo screen with
// the stereo pointer taken off the screen around it.
#pragma once

#include "ground/slide_element.h"

void drawStereoPicture(const SlideElement& element); // "Image"
void drawText(const SlideElement& element);          // "Text" and "EText"
void drawTitle(const SlideElement& element);
void drawCaption(const SlideElement& element);
void selectColour(const SlideElement& element); // "Color"
void drawLine(const SlideElement& element);     // "Line" and "ELine"
void eraseText(const SlideElement& element);
void eraseTitle();
void eraseCaption();
void eraseLine(const SlideElement& element);
void replaceTextFont(const SlideElement& element); // "Fontsize"
