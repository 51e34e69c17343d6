#include "support/memory_screen.h"

#include "display/display_globals.h"

#include <gtest/gtest.h>

MemoryScreen::MemoryScreen() {
    if (screenDC != nullptr) {
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
    EXPECT_NE(section_.bitmap(), nullptr);
    screenDC = dc_;
}

MemoryScreen::~MemoryScreen() {
    if (screenDC == dc_) {
        screenDC = nullptr;
    }
}

std::uint32_t MemoryScreen::pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * kWidth + x] & 0x00FFFFFFu;
}

void MemoryScreen::fill(std::uint32_t rgb) {
    GdiFlush();
    for (int i = 0; i < kWidth * kHeight; ++i) {
        bits_[i] = rgb;
    }
}

std::vector<std::uint32_t> MemoryScreen::rowColours() const {
    GdiFlush();
    std::vector<std::uint32_t> rows(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const std::uint32_t* row = bits_ + y * kWidth;
        const std::uint32_t first = row[0] & 0x00FFFFFFu;
        rows[y] = first;
        for (int x = 1; x < kWidth; ++x) {
            if ((row[x] & 0x00FFFFFFu) != first) {
                rows[y] = kMixedRow;
                break;
            }
        }
    }
    return rows;
}

std::vector<std::uint32_t> MemoryScreen::sampledRowColours() const {
    GdiFlush();
    std::vector<std::uint32_t> rows(kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        const std::uint32_t* row = bits_ + y * kWidth;
        rows[3 * y] = row[0];
        rows[3 * y + 1] = row[kWidth / 2];
        rows[3 * y + 2] = row[kWidth - 1];
    }
    return rows;
}

bool MemoryScreen::allBlack() const {
    for (std::uint32_t row : rowColours()) {
        if (row != 0) {
            return false;
        }
    }
    return true;
}

std::vector<std::uint32_t> rowsWith(std::vector<RowRange> ranges, std::uint32_t background) {
    std::vector<std::uint32_t> rows(MemoryScreen::kHeight, background);
    for (const RowRange& range : ranges) {
        for (int y = range.first; y <= range.last; ++y) {
            rows[y] = range.rgb;
        }
    }
    return rows;
}

HoldWatch::HoldWatch(FakePlatform& fake, const MemoryScreen& screen)
    : fake_(fake), screen_(screen) {
    // A hold keeps its picture: the screen is compared in full only where the few columns
    // looked at first show a change.
    fake_.onClockReading = [this](std::uint32_t reading) {
        std::vector<std::uint32_t> sample = screen_.sampledRowColours();
        if (!phases_.empty() && sampled_ == sample) {
            phases_.back().lastReading = reading;
            return;
        }
        sampled_ = std::move(sample);
        phases_.push_back({screen_.rowColours(), reading, reading});
    };
}

HoldWatch::~HoldWatch() {
    fake_.onClockReading = nullptr;
}

std::vector<std::string> HoldWatch::codes() const {
    constexpr std::uint32_t red = 0xFF0000, green = 0x00FF00, yellow = 0xFFFF00, black = 0;
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < phases_.size(); i += 2) {
        const std::vector<std::uint32_t>& rows = phases_[i].rows;
        const bool coloured = rows[0] == red && rows[1] == red && rows[2] == green &&
                              rows[3] == green && rows[4] == yellow && rows[7] == yellow;
        if (coloured && rows[8] == yellow && rows[9] == yellow) {
            codes.push_back("on");
        } else if (coloured && rows[8] == black &&
                   rowsWith({{0, 1, red}, {2, 3, green}, {4, 7, yellow}}, black) == rows) {
            codes.push_back("off");
        } else {
            codes.push_back("?");
        }
    }
    return codes;
}
