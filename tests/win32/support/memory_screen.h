// A 1024 x 768 screen in memory for the Win32 tests: screenDC becomes a memory DC holding a
// 32-bit DIB section whose pixels a test reads exactly, and a watch that looks at it at each
// reading of the fake clock, so that the picture of every busy-wait hold can be checked.
#pragma once

#include <windows.h>

#include "support/screen_section.h"

#include <cstdint>
#include <string>
#include <vector>

#include "support/fake_platform.h"

class MemoryScreen {
  public:
    // Puts the memory screen in place of screenDC (deleting a screenDC already there).
    MemoryScreen();
    // Puts back no screenDC.
    ~MemoryScreen();
    MemoryScreen(const MemoryScreen&) = delete;
    MemoryScreen& operator=(const MemoryScreen&) = delete;

    // 0x00RRGGBB, after the GDI batch is flushed.
    std::uint32_t pixel(int x, int y) const;
    void fill(std::uint32_t rgb);
    // The colour of each row (0x00RRGGBB), or kMixedRow for a row of more than one colour.
    std::vector<std::uint32_t> rowColours() const;
    // The first, middle and last pixel of each row, for a quick look.
    std::vector<std::uint32_t> sampledRowColours() const;
    // True when every pixel of the screen is black.
    bool allBlack() const;

    static constexpr std::uint32_t kMixedRow = 0xFF000000u;
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

  private:
    ScreenSection section_;
    HDC dc_ = section_.dc();
    std::uint32_t* bits_ = section_.bits();
};

// Rows described as ranges of one colour each; every other row has `background`.
struct RowRange {
    int first;
    int last;
    std::uint32_t rgb;
};
std::vector<std::uint32_t> rowsWith(std::vector<RowRange> ranges, std::uint32_t background);

// Records, while it lives, the picture on a MemoryScreen at every reading of the fake
// clock: consecutive readings with the same picture form one phase.
class HoldWatch {
  public:
    struct Phase {
        std::vector<std::uint32_t> rows;
        std::uint32_t firstReading;
        std::uint32_t lastReading;
    };

    HoldWatch(FakePlatform& fake, const MemoryScreen& screen);
    ~HoldWatch();
    HoldWatch(const HoldWatch&) = delete;
    HoldWatch& operator=(const HoldWatch&) = delete;

    const std::vector<Phase>& phases() const { return phases_; }
    // The switching codes seen, in order, by the picture of their first hold: "on" (six
    // yellow rows over the screen), "off" (four yellow rows on black) or "?".
    std::vector<std::string> codes() const;

  private:
    FakePlatform& fake_;
    const MemoryScreen& screen_;
    std::vector<Phase> phases_;
    std::vector<std::uint32_t> sampled_;
};
