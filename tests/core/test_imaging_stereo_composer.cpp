// The composed stereo screen, pixel by pixel: where each view lands for offsets and bands at
// and around the thresholds, for the whole range of vertical parallax, and GDI's rule for
// black-outs of negative size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/dib_pixels.h"
#include "imaging/stereo_composer.h"

namespace {

enum ViewTag { Black = 0, Upper = 1, Lower = 2 };

// Every pixel names its view, row and column: red = row, green = column (low bytes), blue =
// the tag and the high bits. No pixel of a view is black.
std::uint32_t tagged(ViewTag view, int row, int column) {
    return pixelRgb(row & 0xFF, column & 0xFF, view << 5 | (row >> 8) << 2 | (column >> 8));
}

PixelImage taggedView(ViewTag view, int width = 1024, int height = 364) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = tagged(view, y, x);
        }
    }
    return image;
}

// A DUO file of two tagged views, kept alive with the views that point into it.
struct Stereo {
    std::vector<std::uint8_t> bytes;
    DuoFile file;
};

Stereo makeStereo(const DuoPlacement& placement, int bits = 24,
                  const PixelImage& upper = taggedView(Upper),
                  const PixelImage& lower = taggedView(Lower)) {
    Stereo s;
    s.bytes = encodeDuoFile(placement, encodePackedDib(lower, bits), encodePackedDib(upper, bits));
    EXPECT_EQ(readDuoFile(s.bytes, s.file), DuoStatus::Loaded);
    return s;
}

// Rows first..last of the screen show `view` from its row `viewRow` on (one row per row),
// its column 0 at screen column `destX`; columns outside the view are black.
struct Band {
    int first;
    int last;
    ViewTag view;
    int viewRow;
    int destX = 0;
};

testing::AssertionResult showsBands(const PixelImage& screen, const std::vector<Band>& bands,
                                    int viewWidth = 1024, int blackColumnsLeft = 0,
                                    int blackColumnsRight = 0) {
    int row = 0;
    for (const Band& band : bands) {
        if (band.first != row) {
            return testing::AssertionFailure() << "bands leave out row " << row;
        }
        for (; row <= band.last; ++row) {
            for (int x = 0; x < 1024; ++x) {
                const int column = x - band.destX;
                const bool masked = x < blackColumnsLeft || x >= 1024 - blackColumnsRight;
                const std::uint32_t expected =
                    band.view == Black || masked || column < 0 || column >= viewWidth
                        ? 0
                        : tagged(band.view, band.viewRow + row - band.first, column);
                if (screen.at(x, row) != expected) {
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << row << ") is " << std::hex
                           << screen.at(x, row) << ", expected " << expected;
                }
            }
        }
    }
    if (row != 768) {
        return testing::AssertionFailure() << "bands end at row " << row;
    }
    return testing::AssertionSuccess();
}

DuoPlacement offsets(int lowerY, int upperY) {
    DuoPlacement p;
    p.lowerY = lowerY;
    p.upperY = upperY;
    return p;
}

} // namespace

TEST(StereoComposer, PlacesTheViewsForOffsetsAtAndAroundTheThresholds) {
    struct Case {
        const char* what;
        DuoPlacement placement;
        int lowerImageTop;
        std::vector<Band> bands;
    };
    const Case cases[] = {
        {"all zero", {}, 404, {{0, 363, Upper, 0}, {364, 403, Black, 0}, {404, 767, Lower, 0}}},
        {"lowerY -41 copies 323 rows from row 41",
         offsets(-41, 0),
         404,
         {{0, 363, Upper, 0}, {364, 403, Black, 0}, {404, 726, Lower, 41}, {727, 767, Black, 0}}},
        {"lowerY -40 copies all rows 40 up; the separator hides them",
         offsets(-40, 0),
         404,
         {{0, 363, Upper, 0}, {364, 403, Black, 0}, {404, 727, Lower, 40}, {728, 767, Black, 0}}},
        {"lowerY 30 moves the lower view down",
         offsets(30, 0),
         404,
         {{0, 363, Upper, 0}, {364, 433, Black, 0}, {434, 767, Lower, 0}}},
        {"upperY 50 copies 314 rows to row 50",
         offsets(0, 50),
         404,
         {{0, 49, Black, 0}, {50, 363, Upper, 0}, {364, 403, Black, 0}, {404, 767, Lower, 0}}},
        {"upperY 40 copies all rows; the separator hides the last 40",
         offsets(0, 40),
         404,
         {{0, 39, Black, 0}, {40, 363, Upper, 0}, {364, 403, Black, 0}, {404, 767, Lower, 0}}},
        {"upperY -20 moves the upper view up",
         offsets(0, -20),
         404,
         {{0, 343, Upper, 20}, {344, 403, Black, 0}, {404, 767, Lower, 0}}},
        {"lowerY -364 and upperY 364 copy no rows", offsets(-364, 364), 404, {{0, 767, Black, 0}}},
        {"lowerY -400 and upperY 400 ask for negative rows: nothing",
         offsets(-400, 400),
         404,
         {{0, 767, Black, 0}}},
        {"top band 10 and bottom band 5",
         {0, 0, 0, 0, 10, 5, 0, 0},
         404,
         {{0, 9, Black, 0},
          {10, 358, Upper, 10},
          {359, 413, Black, 0},
          {414, 762, Lower, 10},
          {763, 767, Black, 0}}},
    };
    for (const Case& c : cases) {
        const Stereo s = makeStereo(c.placement);
        EXPECT_TRUE(showsBands(composeStereoImage(s.file, c.lowerImageTop), c.bands)) << c.what;
    }
}

TEST(StereoComposer, KeepsTheLayoutForEveryVerticalParallax) {
    // The lower view starts at 404 + parallax; below -40 it reaches into the upper view's
    // rows, which the separator's negative-height black-out then blacks out.
    struct Case {
        int parallax;
        std::vector<Band> bands;
    };
    const Case cases[] = {
        {-50,
         {{0, 353, Upper, 0}, {354, 363, Black, 0}, {364, 717, Lower, 10}, {718, 767, Black, 0}}},
        {-41,
         {{0, 362, Upper, 0}, {363, 363, Black, 0}, {364, 726, Lower, 1}, {727, 767, Black, 0}}},
        {-40, {{0, 363, Upper, 0}, {364, 727, Lower, 0}, {728, 767, Black, 0}}},
        {-1,
         {{0, 363, Upper, 0}, {364, 402, Black, 0}, {403, 766, Lower, 0}, {767, 767, Black, 0}}},
        {7, {{0, 363, Upper, 0}, {364, 410, Black, 0}, {411, 767, Lower, 0}}},
        {50, {{0, 363, Upper, 0}, {364, 453, Black, 0}, {454, 767, Lower, 0}}},
    };
    const Stereo s = makeStereo({});
    for (const Case& c : cases) {
        EXPECT_TRUE(showsBands(composeStereoImage(s.file, 404 + c.parallax), c.bands))
            << "parallax " << c.parallax;
    }
    // Every parallax of the range composes without a pixel outside the two views and black.
    for (int parallax = -50; parallax <= 50; ++parallax) {
        const PixelImage screen = composeStereoImage(s.file, 404 + parallax);
        const int firstLowerRow = std::max(364, 404 + parallax);
        EXPECT_EQ(screen.at(500, 363), parallax < -40 ? 0u : tagged(Upper, 363, 500)) << parallax;
        EXPECT_EQ(screen.at(500, firstLowerRow), tagged(Lower, firstLowerRow - 404 - parallax, 500))
            << parallax;
    }
}

TEST(StereoComposer, MasksColumnsOverTheFullHeightAndShiftsViewsSideways) {
    DuoPlacement left;
    left.leftBand = 20;
    Stereo s = makeStereo(left);
    EXPECT_TRUE(showsBands(composeStereoImage(s.file, 404),
                           {{0, 363, Upper, 0}, {364, 403, Black, 0}, {404, 767, Lower, 0}}, 1024,
                           20, 0));

    DuoPlacement sideways;
    sideways.lowerX = -30;
    sideways.upperX = 25;
    sideways.rightBand = 24;
    s = makeStereo(sideways);
    EXPECT_TRUE(showsBands(
        composeStereoImage(s.file, 404),
        {{0, 363, Upper, 0, 25}, {364, 403, Black, 0}, {404, 767, Lower, 0, -30}}, 1024, 0, 24));
}

TEST(StereoComposer, CopiesOnlyWhatASmallerViewHolds) {
    // A view 1000 x 300 leaves the rest of its 1024 x 364 area as it was (black here).
    const Stereo s = makeStereo({}, 24, taggedView(Upper, 1000, 300), taggedView(Lower, 1000, 300));
    EXPECT_TRUE(showsBands(
        composeStereoImage(s.file, 404),
        {{0, 299, Upper, 0}, {300, 403, Black, 0}, {404, 703, Lower, 0}, {704, 767, Black, 0}},
        1000));
}

TEST(StereoComposer, ReadsViewsOfSixteenTwentyFourAndThirtyTwoBits) {
    for (int bits : {32, 24, 16}) {
        const Stereo s = makeStereo(offsets(-45, 45), bits);
        const PixelImage screen = composeStereoImage(s.file, 404);
        if (bits != 16) {
            EXPECT_TRUE(showsBands(screen, {{0, 44, Black, 0},
                                            {45, 363, Upper, 0},
                                            {364, 403, Black, 0},
                                            {404, 722, Lower, 45},
                                            {723, 767, Black, 0}}))
                << bits;
            continue;
        }
        // 5 bits a channel: each widens as GDI widens it, (c << 3) | (c >> 2).
        auto widened = [](std::uint32_t pixel) {
            std::uint32_t out = 0;
            for (int shift : {0, 8, 16}) {
                const std::uint32_t c = (pixel >> shift & 0xFF) >> 3;
                out |= (c << 3 | c >> 2) << shift;
            }
            return out;
        };
        EXPECT_EQ(screen.at(1023, 45), widened(tagged(Upper, 0, 1023)));
        EXPECT_EQ(screen.at(77, 700), widened(tagged(Lower, 341, 77)));
        EXPECT_EQ(widened(0xFFFFFF), 0xFFFFFFu);
    }
}

TEST(StereoComposer, BlacksOutNegativeRectanglesAsWindowsPatBltDoes) {
    // PatBlt on Windows covers x + width .. x - 1 for a negative width (and the same for a
    // negative height): these three are the cases Windows is known to fill.
    struct Case {
        BlackOut rectangle;
        std::vector<std::pair<int, int>> filled;
        int count = -1; // black pixels in all; -1: as many as listed
    };
    const Case cases[] = {
        {{2, 2, -1, 1}, {{1, 2}}},
        {{2, 2, 1, -1}, {{2, 1}}},
        {{3, 2, -2, -1}, {{1, 1}, {2, 1}}},
        {{0, 0, 0, 5}, {}},
        {{-3, -3, 4, 4}, {{0, 0}}},
        {{5, 5, 100, 100}, {{5, 5}}},
        {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {}},
        // x + width is -1 here: the rectangle spans -1 .. INT32_MAX - 1, the whole image.
        {{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}, {{0, 0}, {5, 5}}, 36},
    };
    for (const Case& c : cases) {
        PixelImage image(6, 6, 0xFFFFFF);
        blackOut(image, c.rectangle);
        int black = 0;
        for (const auto& [x, y] : c.filled) {
            EXPECT_EQ(image.at(x, y), 0u) << x << "," << y;
        }
        for (std::uint32_t p : image.pixels) {
            black += p == 0;
        }
        EXPECT_EQ(black, c.count < 0 ? static_cast<int>(c.filled.size()) : c.count)
            << c.rectangle.x << " " << c.rectangle.width;
    }
}

TEST(StereoComposer, OrdersTheBlackOutsAndKeepsExtremeFieldsFinite) {
    DuoPlacement p = {1, 2, 3, 4, 10, 20, 30, 40};
    const StereoSteps steps = stereoSteps(p, 354);
    EXPECT_EQ(steps.lower, (ViewCopy{1, 356, 0, 364}));
    EXPECT_EQ(steps.upper, (ViewCopy{3, 4, 0, 364}));
    const std::array<BlackOut, 7> expected = {{{0, 0, 1024, 10},
                                               {0, 354, 1024, 10},
                                               {0, 344, 1024, 20},
                                               {0, 698, 1024, 70},
                                               {0, 0, 30, 768},
                                               {984, 0, 40, 768},
                                               {0, 364, 1024, -10}}};
    EXPECT_EQ(steps.blackOuts, expected);

    // Fields at the ends of their range wrap as int arithmetic would and never crash.
    const DuoPlacement extreme = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX,
                                  INT32_MIN, INT32_MAX, INT32_MIN, INT32_MIN};
    const Stereo s = makeStereo(extreme);
    const PixelImage screen = composeStereoImage(s.file, 404);
    EXPECT_EQ(screen.width, 1024);
    EXPECT_EQ(screen.height, 768);
}
