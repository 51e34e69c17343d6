// A 1024 x 768 DIB section in a memory DC standing in for the display, so that a test can
// read back exactly what was drawn on screenDC.
#pragma once

#include <windows.h>

#include "support/screen_section.h"

#include <cstdint>

class ScreenDib {
  public:
    ScreenDib() = default;
    ScreenDib(const ScreenDib&) = delete;
    ScreenDib& operator=(const ScreenDib&) = delete;

    HDC dc() const { return dc_; }
    // The pixel as a COLORREF (red in the low byte).
    COLORREF pixel(int x, int y) const;
    void fill(COLORREF colour);
    // A copy of every pixel, for comparing before and after.
    const std::uint32_t* bits() const { return bits_; }

  private:
    ScreenSection section_;
    HDC dc_ = section_.dc();
    std::uint32_t* bits_ = section_.bits();
};

// A 1024 x 768 bitmap of a pattern no drawing makes (every pixel differs from its
// neighbours), to stand in for a slide's stereo picture.
HBITMAP makePatternPicture(HDC compatibleWith);
COLORREF patternColour(int x, int y);
