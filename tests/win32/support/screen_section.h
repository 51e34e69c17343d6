// The memory screen every pixel test reads: a memory DC holding a 1024 x 768 top-down
// 32-bit DIB section (row y is the y-th row in memory), released when it goes.
#pragma once

#include <windows.h>

#include <cstdint>

class ScreenSection {
  public:
    ScreenSection();
    ~ScreenSection();
    ScreenSection(const ScreenSection&) = delete;
    ScreenSection& operator=(const ScreenSection&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    std::uint32_t* bits() const { return bits_; }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};
