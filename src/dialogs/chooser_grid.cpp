#include "dialogs/chooser_grid.h"

int chooserSlideAt(int x, int y, int slideCount) {
    if (x < 0) {
        return 0; // left of the first column: truncating division would wrap into it
    }
    const int column = x / 140;
    if (x % 140 < 40 || column >= 7) {
        return 0;
    }
    const int row = (y - 40) / 140;
    const int within = (y - 40) % 140;
    if (within < 55) {
        return 0; // includes every y below 40
    }
    const int slide = 7 * row + column + 1;
    return slide <= slideCount ? slide : 0;
}

std::string chooserScriptLabel(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string_view::npos) {
        fileName = fileName.substr(0, dot);
    }
    return std::string(fileName.substr(0, 9));
}
