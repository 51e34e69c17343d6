// What the picture tests share: a screen whose pixels can be read exactly, files written
// from bytes, and pictures made by ImageMagick, a real outside producer of BMP files.
#pragma once

#include <windows.h>

#include "support/screen_section.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "imaging/pixel_image.h"

// A 1024 x 768 screen: a memory DC holding a 32-bit top-down DIB section, installed as
// screenDC while the object lives (the previous screenDC is put back afterwards).
class TestScreen {
  public:
    TestScreen();
    ~TestScreen();
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    HDC dc() const { return dc_; }
    // 0x00RRGGBB of the pixel at (x, y).
    std::uint32_t pixel(int x, int y) const { return bits_[y * 1024 + x] & 0xFFFFFF; }
    void fill(const std::function<std::uint32_t(int x, int y)>& colour);
    PixelImage snapshot() const;

  private:
    ScreenSection section_;
    HDC dc_ = section_.dc();
    std::uint32_t* bits_ = section_.bits();
    HDC previousScreen_;
};

// A colour for every pixel that differs from its neighbours, so that a shifted or
// misplaced copy is seen.
std::uint32_t busyPattern(int x, int y);

// Writes `bytes` to `directory`\`name` and returns the full path.
std::string writeBytes(const std::string& directory, const std::string& name,
                       const std::vector<std::uint8_t>& bytes);

// 125 colours of channel levels that survive 5-bit storage and 8-bit palettes unchanged.
std::uint32_t exactPattern(int x, int y);
// A P6 PPM file of `width` x `height` pixels of exactPattern.
std::vector<std::uint8_t> exactPatternPpm(int width, int height);

// Runs ImageMagick's convert: `input`, then `arguments`, then `format` (such as "BMP3:",
// or empty) joined to `output`; the paths are this program's, converted for the Unix
// program. False with a message on failure. Wine runs Unix programs without a process
// handle that can be waited for, so the call waits for a marker file written after convert.
bool runConvert(const std::string& input, const std::string& arguments, const std::string& format,
                const std::string& output, std::string& message);

// The pixels of `bitmap` as 0x00RRGGBB, read through `dc`.
PixelImage readBitmap(HDC dc, HBITMAP bitmap);
