#include "contact_sheet/depth_marks.h"

#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

constexpr Rgb kMarkColour{255, 40, 40};
constexpr int kViewWidth = 1024;
constexpr int kViewHeight = 364;

bool mentions(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The n-th line (from 1) of a file.
std::string lineOf(const std::string& path, int n) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    for (int i = 0; i < n && std::getline(in, line); ++i) {
    }
    return line;
}

// "... (x, y) ..." in a finding: the point it names.
bool pointIn(const std::string& text, int& x, int& y) {
    const std::size_t at = text.find(" at (");
    return at != std::string::npos && std::sscanf(text.c_str() + at, " at (%d, %d)", &x, &y) == 2;
}

// A text's point on its script line: "Text words,x y disparity".
bool textPoint(const std::string& line, int& x, int& y) {
    const std::size_t comma = line.rfind(',');
    return comma != std::string::npos &&
           std::sscanf(line.c_str() + comma + 1, "%d %d", &x, &y) == 2;
}

void ring(Picture& p, int cx, int cy, int radius, int thickness) {
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            const double r = std::hypot(x - cx, y - cy);
            if (r <= radius && r > radius - thickness && p.contains(x, y)) {
                p.set(x, y, kMarkColour);
            }
        }
    }
}

} // namespace

std::vector<DepthMark> depthMarks(const std::vector<Problem>& problems) {
    std::vector<DepthMark> marks;
    for (const Problem& p : problems) {
        const std::string& t = p.text;
        DepthMark m;
        if (mentions(t, "the picture stands in front of the screen at the ")) {
            m.edge = true;
            m.x = mentions(t, "at the left edge") ? 0 : kViewWidth - 1;
            marks.push_back(m);
        } else if (mentions(t, "a depth conflict") || mentions(t, "the stereo window")) {
            if (pointIn(t, m.x, m.y) || textPoint(lineOf(p.path, p.line), m.x, m.y)) {
                marks.push_back(m);
            }
        }
    }
    return marks;
}

void drawDepthMarks(Picture& styled, const std::vector<DepthMark>& marks,
                    const std::string& style) {
    // The upper view's place in each style: over-under as on the screen, the others at
    // double height, the cross pair with the upper view on the right.
    const int rowScale = style == "over-under" ? 1 : 2;
    const int left = style == "cross" ? kViewWidth : 0;
    for (const DepthMark& m : marks) {
        if (m.edge) {
            styled.fillRect(left + (m.x == 0 ? 0 : kViewWidth - 10), 0, 10, kViewHeight * rowScale,
                            kMarkColour);
        } else {
            ring(styled, left + m.x, m.y * rowScale, 28, 7);
        }
    }
}
