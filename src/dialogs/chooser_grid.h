// The slide chooser's grid: one icon per slide in rows of seven, 140 pixels apart.
#pragma once

#include <string>
#include <string_view>

struct GridPoint {
    int x;
    int y;
};

// The top-left corner of slide n's icon (n from 1).
constexpr GridPoint chooserIconCorner(int slide) {
    const int column = (slide - 1) % 7;
    const int row = (slide - 1) / 7;
    return {140 * column + 40, 140 * row + 95};
}

// The slide whose icon holds the client point (x, y), or 0 when the point hits none of
// the first `slideCount` icons (a point between two columns, right of the seventh, above
// the first row or beyond the last slide).
int chooserSlideAt(int x, int y, int slideCount);

// A slide's script file name as its label shows it: without its extension, cut after
// 9 characters.
std::string chooserScriptLabel(std::string_view fileName);
