// Ways of viewing the stereo screen without the 3D adapter: the 1024 x 768 screen with the
// upper view (rows 0 to 363, the left eye's) and the lower view (364 rows from
// lowerImageTop, the right eye's) converted for red-cyan glasses, a 3D TV or projector, or a
// plain screen. The adapter doubles lines; these conversions map rows and columns by nearest
// neighbour in the same way: output row r of a region H rows high shows view row
// floor(r x 364 / H); a half of a side-by-side screen shows every second view column.
#pragma once

#include <cstdint>
#include <span>

enum class ViewingMethod {
    Adapter,    // the hardware adapter: the screen as drawn, unconverted
    Anaglyph,   // red-cyan glasses: the two views mixed over the whole screen
    TopBottom,  // left view on rows 0 to 383, right view on rows 384 to 767
    SideBySide, // left view on columns 0 to 511, right view on columns 512 to 1023
    Mono,       // the left view alone over the whole screen
};

constexpr int kStereoScreenPixels = 1024 * 768;

// One output row of a conversion: the screen rows it shows for the left and the right eye
// (-1 when that eye shows nothing there or the view's row lies outside the screen).
struct OutputRowSources {
    int left;
    int right;
};

struct ViewingConversion {
    ViewingMethod method;
    int lowerImageTop;
    bool swapEyes; // the lower view for the left eye and the upper for the right

    OutputRowSources sourcesOf(int outputRow) const;
};

// Output rows `first` up to (excluding) `end` of `conversion` applied to `screen`, both
// 1024 x 768 words 0x00RRGGBB, row 0 at the top. Rows of a view outside the screen are black.
// The adapter method copies the rows unchanged.
void convertStereoRows(const ViewingConversion& conversion,
                       std::span<const std::uint32_t, kStereoScreenPixels> screen,
                       std::span<std::uint32_t, kStereoScreenPixels> output, int first, int end);

// The output rows that show any of the screen rows `top` up to (excluding) `bottom`, as
// [first, end); empty (first == end) when none does.
struct OutputRows {
    int first;
    int end;
};
OutputRows outputRowsShowing(const ViewingConversion& conversion, int top, int bottom);
