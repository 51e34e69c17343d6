#include "duo/stereo_align.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/disparity_map.h"

namespace {

// Pictures are measured at no more than this width, for speed.
constexpr int kMeasureWidth = 768;
constexpr int kBlock = 16;

using Grey = GreyImage;

// The picture in grey, averaged over `scale` x `scale` squares.
Grey greyOf(const Picture& picture, int scale) {
    Grey g;
    g.width = picture.width / scale;
    g.height = picture.height / scale;
    g.values.resize(static_cast<std::size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            float sum = 0;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    const Rgb c = picture.at(x * scale + dx, y * scale + dy);
                    sum += 0.299f * c.red + 0.587f * c.green + 0.114f * c.blue;
                }
            }
            g.values[static_cast<std::size_t>(y) * g.width + x] =
                sum / static_cast<float>(scale * scale);
        }
    }
    return g;
}

std::vector<double> rowProfile(const Grey& g) {
    std::vector<double> rows(static_cast<std::size_t>(g.height));
    for (int y = 0; y < g.height; ++y) {
        double sum = 0;
        for (int x = 0; x < g.width; ++x) {
            sum += g.at(x, y);
        }
        rows[static_cast<std::size_t>(y)] = sum / g.width;
    }
    return rows;
}

// The shift v (right row = left row + v) at which the two row profiles correlate best:
// moving a scene sideways leaves the mean of each row nearly as it was, so depth does not
// disturb this measure.
int verticalShiftOf(const Grey& left, const Grey& right) {
    const std::vector<double> a = rowProfile(left);
    const std::vector<double> b = rowProfile(right);
    const int limit = left.height / 8;
    int best = 0;
    double bestScore = -2;
    for (int v = -limit; v <= limit; ++v) {
        double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
        int n = 0;
        for (int y = std::max(0, -v); y < left.height && y + v < right.height; ++y) {
            const double p = a[static_cast<std::size_t>(y)];
            const double q = b[static_cast<std::size_t>(y + v)];
            sa += p, sb += q, saa += p * p, sbb += q * q, sab += p * q;
            ++n;
        }
        if (n < left.height / 2) {
            continue;
        }
        const double cov = sab - sa * sb / n;
        const double var = std::sqrt((saa - sa * sa / n) * (sbb - sb * sb / n));
        const double score = var > 0 ? cov / var : -1;
        if (score > bestScore + 1e-9 ||
            (std::abs(score - bestScore) <= 1e-9 && std::abs(v) < std::abs(best))) {
            bestScore = score;
            best = v;
        }
    }
    return best;
}

// The rows both pictures show once the right one is moved up by `v` rows, in grey.
GreyImage overlap(const Grey& g, int firstRow, int rows) {
    GreyImage out;
    out.width = g.width;
    out.height = rows;
    out.values.assign(g.values.begin() + static_cast<std::ptrdiff_t>(firstRow) * g.width,
                      g.values.begin() + static_cast<std::ptrdiff_t>(firstRow + rows) * g.width);
    return out;
}

struct Disparities {
    std::vector<int> measured;
    int atLimit = 0;
};

// Disparities of the textured places of the left picture, found in the right picture on
// the rows `v` lower, searched across the whole width (coarse to fine).
Disparities placeDisparities(const Grey& left, const Grey& right, int v) {
    const int rows = left.height - std::abs(v);
    Disparities out;
    if (rows <= 2 * kSquarePixelWindow.halfHeight + 1) {
        return out;
    }
    const GreyImage l = overlap(left, std::max(0, -v), rows);
    const GreyImage r = overlap(right, std::max(0, v), rows);
    const DisparityMeasure measure(l, r, kSquarePixelWindow);
    // The same measured from the right picture: a match that the right picture's place does
    // not find back (a repeating pattern matched a period off, noise) is left out.
    const DisparityMeasure back(r, l, kSquarePixelWindow);
    const DisparityMap map = measureDisparityMap(measure);
    for (int j = 0; j < map.rows; ++j) {
        for (int i = 0; i < map.columns; ++i) {
            const DepthSample& s = map.cell(i, j);
            if (s.status == DepthStatus::AtLimit) {
                ++out.atLimit;
            }
            if (s.status != DepthStatus::Measured) {
                continue;
            }
            const int d = static_cast<int>(std::lround(s.disparity));
            const DepthSample found = back.at(map.xOf(i) - d, map.yOf(j));
            if (found.status == DepthStatus::Measured && std::abs(found.disparity + d) <= 1.0f) {
                out.measured.push_back(d);
            }
        }
    }
    return out;
}

// The largest (nearest) or smallest (farthest) disparity of the sorted `d` that at least
// 2 % of the values (three at least) lie within two pixels of; the median when none does.
int clusterEnd(const std::vector<int>& d, bool nearest) {
    const std::size_t needed = std::max<std::size_t>(3, d.size() / 50);
    for (std::size_t k = 0; k < d.size(); ++k) {
        const int v = nearest ? d[d.size() - 1 - k] : d[k];
        const auto from = std::lower_bound(d.begin(), d.end(), v - 2);
        const auto to = std::upper_bound(d.begin(), d.end(), v + 2);
        if (static_cast<std::size_t>(to - from) >= needed) {
            return v;
        }
    }
    return d[d.size() / 2];
}

} // namespace

StereoAlignment measureAlignment(const Picture& left, const Picture& right) {
    const int scale =
        std::max(1, (std::max(left.width, right.width) + kMeasureWidth - 1) / kMeasureWidth);
    const Grey l = greyOf(left, scale);
    const Grey r = greyOf(right, scale);
    StereoAlignment a;
    if (l.width < kBlock || l.height < kBlock || r.width != l.width || r.height != l.height) {
        return a;
    }
    const int v = verticalShiftOf(l, r);
    Disparities found = placeDisparities(l, r, v);
    std::vector<int>& d = found.measured;
    a.verticalShift = v * scale;
    a.blocksMatched = static_cast<int>(d.size());
    a.blocksAtLimit = found.atLimit;
    if (d.empty()) {
        return a;
    }
    std::sort(d.begin(), d.end());
    // The nearest and farthest parts that at least 2 % of the blocks (three at least) show
    // within two pixels: stray matches scatter, a part of the scene gathers.
    a.nearestDisparity = clusterEnd(d, true) * scale;
    a.farthestDisparity = clusterEnd(d, false) * scale;
    return a;
}

void applyAlignment(Picture& left, Picture& right, int verticalShift, int horizontalShift) {
    const Picture source = right;
    const int w = right.width;
    const int h = right.height;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int sx = x - horizontalShift;
            const int sy = y + verticalShift;
            const bool inside = source.contains(sx, sy);
            right.set(x, y, inside ? source.at(sx, sy) : Rgb{});
            if (!inside) {
                left.set(x, y, Rgb{}); // the window's frame lies at the same place in both
            }
        }
    }
}

std::string alignmentReport(const StereoAlignment& m, int horizontalShift) {
    std::string out =
        m.verticalShift == 0
            ? std::string(
                  "align: the two pictures stand on the same rows; no vertical correction\n")
            : "align: the right picture sits " + std::to_string(std::abs(m.verticalShift)) +
                  " rows " + (m.verticalShift < 0 ? "higher" : "lower") + " than the left; moved " +
                  (m.verticalShift < 0 ? "down" : "up") + " by as much\n";
    if (m.blocksMatched == 0) {
        return out +
               "align: no textured parts to measure depth on; the window stays where it was\n";
    }
    out += "align: disparities from " + std::to_string(m.farthestDisparity) + " (farthest) to " +
           std::to_string(m.nearestDisparity) + " (nearest) pixels over " +
           std::to_string(m.blocksMatched) + " blocks\n";
    if (m.blocksAtLimit > 0) {
        out += "align: " + std::to_string(m.blocksAtLimit) +
               " blocks matched only at the picture's edge, where the search ends: left out\n";
    }
    out += "align: the right picture moved " + std::to_string(horizontalShift) +
           " columns to the right: the nearest part now sits at the screen, the farthest " +
           std::to_string(m.nearestDisparity - m.farthestDisparity) + " pixels behind it\n";
    return out;
}

bool alignPair(Picture& left, Picture& right, std::string& report, std::string& error) {
    if (left.width != right.width || left.height != right.height) {
        error = "--align needs two pictures of one size (" + std::to_string(left.width) + " x " +
                std::to_string(left.height) + " and " + std::to_string(right.width) + " x " +
                std::to_string(right.height) + ")";
        return false;
    }
    const StereoAlignment m = measureAlignment(left, right);
    const int horizontalShift = m.blocksMatched == 0 ? 0 : m.nearestDisparity;
    applyAlignment(left, right, m.verticalShift, horizontalShift);
    report += alignmentReport(m, horizontalShift);
    return true;
}
