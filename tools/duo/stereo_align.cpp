#include "duo/stereo_align.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Pictures are measured at no more than this width, for speed.
constexpr int kMeasureWidth = 768;
constexpr int kBlock = 16;
// Blocks flatter than this (mean absolute deviation in grey levels) carry no disparity.
constexpr double kMinimumTexture = 4.0;

struct Grey {
    int width = 0;
    int height = 0;
    std::vector<float> values;
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

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

// Disparities of the textured blocks of the left picture, found in the right picture on
// the rows `v` lower.
std::vector<int> blockDisparities(const Grey& left, const Grey& right, int v) {
    const int range = left.width / 8;
    std::vector<int> found;
    for (int by = 0; by + kBlock <= left.height; by += kBlock) {
        if (by + v < 0 || by + v + kBlock > right.height) {
            continue;
        }
        for (int bx = 0; bx + kBlock <= left.width; bx += kBlock) {
            float mean = 0;
            for (int y = 0; y < kBlock; ++y) {
                for (int x = 0; x < kBlock; ++x) {
                    mean += left.at(bx + x, by + y);
                }
            }
            mean /= kBlock * kBlock;
            float texture = 0;
            for (int y = 0; y < kBlock; ++y) {
                for (int x = 0; x < kBlock; ++x) {
                    texture += std::abs(left.at(bx + x, by + y) - mean);
                }
            }
            if (texture / (kBlock * kBlock) < kMinimumTexture) {
                continue;
            }
            float bestCost = 1e30f;
            int best = 0;
            for (int d = -range; d <= range; ++d) {
                const int rx = bx - d; // right column = left column - disparity
                if (rx < 0 || rx + kBlock > right.width) {
                    continue;
                }
                float cost = 0;
                for (int y = 0; y < kBlock && cost < bestCost; ++y) {
                    for (int x = 0; x < kBlock; ++x) {
                        cost += std::abs(left.at(bx + x, by + y) - right.at(rx + x, by + v + y));
                    }
                }
                if (cost < bestCost) {
                    bestCost = cost;
                    best = d;
                }
            }
            if (bestCost / (kBlock * kBlock) < texture / (kBlock * kBlock)) {
                found.push_back(best);
            }
        }
    }
    return found;
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
    std::vector<int> d = blockDisparities(l, r, v);
    a.verticalShift = v * scale;
    a.blocksMatched = static_cast<int>(d.size());
    if (d.empty()) {
        return a;
    }
    std::sort(d.begin(), d.end());
    // The nearest and farthest parts that at least 1 % of the blocks (two at least) show:
    // one mismatched block does not set the depth of the scene.
    const std::size_t margin = std::min(d.size() - 1, std::max<std::size_t>(1, d.size() / 100));
    a.nearestDisparity = d[d.size() - 1 - margin] * scale;
    a.farthestDisparity = d[margin] * scale;
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
