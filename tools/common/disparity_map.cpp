#include "common/disparity_map.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Levels are halved while the smaller picture stays at least this wide.
constexpr int kCoarsestWidth = 96;
constexpr int kNone = std::numeric_limits<int>::min();
// A coarse match must beat every match more than two pixels away from it by this much:
// a repeating pattern (a chessboard) matches itself one period along nearly as well.
constexpr float kUniqueness = 0.02f;
// Places the coarse levels give no good match are searched again this far either side.
constexpr int kNearReach = 48;
// ... and trusted only where they match this well: a search without guidance finds a
// passable match in weak texture more easily.
constexpr float kNearMatch = 0.8f;

GreyImage halved(const GreyImage& g) {
    GreyImage h;
    h.width = g.width / 2;
    h.height = g.height / 2;
    h.values.resize(static_cast<std::size_t>(h.width) * h.height);
    for (int y = 0; y < h.height; ++y) {
        for (int x = 0; x < h.width; ++x) {
            h.values[static_cast<std::size_t>(y) * h.width + x] =
                0.25f * (g.at(2 * x, 2 * y) + g.at(2 * x + 1, 2 * y) + g.at(2 * x, 2 * y + 1) +
                         g.at(2 * x + 1, 2 * y + 1));
        }
    }
    return h;
}

// The mean and standard deviation of the block around each pixel whose block fits, and its
// texture across: the root mean square of the steps from pixel to pixel along its rows. Only
// that texture places a block sideways; a horizontal edge has none, whatever its contrast.
struct BlockStats {
    std::vector<float> mean;
    std::vector<float> deviation;
    std::vector<float> texture;
};

BlockStats blockStats(const GreyImage& g, int hx, int hy) {
    const int w = g.width;
    const int h = g.height;
    std::vector<double> sum(static_cast<std::size_t>(w + 1) * (h + 1), 0.0);
    std::vector<double> squares(sum.size(), 0.0);
    std::vector<double> steps(sum.size(), 0.0);
    for (int y = 0; y < h; ++y) {
        double rowSum = 0;
        double rowSquares = 0;
        double rowSteps = 0;
        for (int x = 0; x < w; ++x) {
            const double v = g.at(x, y);
            const double step = x + 1 < w ? g.at(x + 1, y) - v : 0.0;
            rowSum += v;
            rowSquares += v * v;
            rowSteps += step * step;
            const std::size_t i = static_cast<std::size_t>(y + 1) * (w + 1) + x + 1;
            const std::size_t above = i - static_cast<std::size_t>(w + 1);
            sum[i] = sum[above] + rowSum;
            squares[i] = squares[above] + rowSquares;
            steps[i] = steps[above] + rowSteps;
        }
    }
    BlockStats s;
    s.mean.assign(static_cast<std::size_t>(w) * h, 0.0f);
    s.deviation.assign(s.mean.size(), 0.0f);
    s.texture.assign(s.mean.size(), 0.0f);
    const double n = static_cast<double>((2 * hx + 1) * (2 * hy + 1));
    auto box = [&](const std::vector<double>& t, int x0, int y0, int x1, int y1) {
        const auto at = [&](int x, int y) { return t[static_cast<std::size_t>(y) * (w + 1) + x]; };
        return at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0);
    };
    for (int y = hy; y + hy < h; ++y) {
        for (int x = hx; x + hx < w; ++x) {
            const double m = box(sum, x - hx, y - hy, x + hx + 1, y + hy + 1) / n;
            const double q = box(squares, x - hx, y - hy, x + hx + 1, y + hy + 1) / n;
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            s.mean[i] = static_cast<float>(m);
            s.deviation[i] = static_cast<float>(std::sqrt(std::max(0.0, q - m * m)));
            s.texture[i] = static_cast<float>(
                std::sqrt(box(steps, x - hx, y - hy, x + hx + 1, y + hy + 1) / n));
        }
    }
    return s;
}

} // namespace

GreyImage greyRegion(const Picture& picture, int left, int top, int width, int height) {
    GreyImage g;
    g.width = width;
    g.height = height;
    g.values.assign(static_cast<std::size_t>(width) * height, 0.0f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (picture.contains(left + x, top + y)) {
                const Rgb c = picture.at(left + x, top + y);
                g.values[static_cast<std::size_t>(y) * width + x] =
                    0.299f * c.red + 0.587f * c.green + 0.114f * c.blue;
            }
        }
    }
    return g;
}

// One level of the pyramid: both views at 1 / 2^k of their size, the statistics of their
// blocks, and the disparity found at the places of its grid (kNone where none).
struct Level {
    GreyImage a;
    GreyImage b;
    BlockStats sa;
    BlockStats sb;
    int stepX = 1;
    int stepY = 1;
    int columns = 0;
    int rows = 0;
    std::vector<int> found;

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * a.width + x; }
    int foundAt(int i, int j) const {
        return i < 0 || j < 0 || i >= columns || j >= rows
                   ? kNone
                   : found[static_cast<std::size_t>(j) * columns + i];
    }
};

struct DisparityMeasure::Levels {
    MatchWindow window;
    std::vector<Level> levels; // finest first

    bool fits(const Level& l, int x, int y) const {
        return x - window.halfWidth >= 0 && x + window.halfWidth < l.a.width &&
               y - window.halfHeight >= 0 && y + window.halfHeight < l.a.height;
    }

    // The correlation of the block at (x, y) of the first view with the block d columns to
    // its left in the second; both blocks fit.
    float correlation(const Level& l, int x, int y, int d) const {
        const int hx = window.halfWidth;
        const int hy = window.halfHeight;
        float s = 0;
        for (int j = -hy; j <= hy; ++j) {
            const float* ra = &l.a.values[l.index(x - hx, y + j)];
            const float* rb = &l.b.values[l.index(x - d - hx, y + j)];
            for (int i = 0; i <= 2 * hx; ++i) {
                s += ra[i] * rb[i];
            }
        }
        const float n = static_cast<float>((2 * hx + 1) * (2 * hy + 1));
        const std::size_t ia = l.index(x, y);
        const std::size_t ib = l.index(x - d, y);
        const float spread = l.sa.deviation[ia] * l.sb.deviation[ib];
        return spread > 1e-3f ? (s / n - l.sa.mean[ia] * l.sb.mean[ib]) / spread : -1.0f;
    }

    // The coarsest level: every disparity the width allows, at every pixel, with the block
    // products summed along rows and then columns for each disparity in turn.
    void searchWholeWidth(Level& l) const {
        const int w = l.a.width;
        const int h = l.a.height;
        const int hx = window.halfWidth;
        const int hy = window.halfHeight;
        const std::size_t size = static_cast<std::size_t>(w) * h;
        std::vector<float> best(size, -2.0f), second(size, -2.0f);
        std::vector<int> bestD(size, kNone);
        std::vector<float> rows(size), blocks(size);
        const float n = static_cast<float>((2 * hx + 1) * (2 * hy + 1));
        const int reach = w - 1 - 2 * hx;
        for (int d = -reach; d <= reach; ++d) {
            const int lo = std::max(hx, hx + d);
            const int hi = std::min(w - 1 - hx, w - 1 - hx + d);
            for (int y = 0; y < h; ++y) {
                float run = 0;
                for (int x = lo - hx; x <= lo + hx; ++x) {
                    run += l.a.at(x, y) * l.b.at(x - d, y);
                }
                rows[l.index(lo, y)] = run;
                for (int x = lo + 1; x <= hi; ++x) {
                    run += l.a.at(x + hx, y) * l.b.at(x + hx - d, y) -
                           l.a.at(x - hx - 1, y) * l.b.at(x - hx - 1 - d, y);
                    rows[l.index(x, y)] = run;
                }
            }
            for (int x = lo; x <= hi; ++x) {
                float run = 0;
                for (int y = 0; y < 2 * hy + 1 && y < h; ++y) {
                    run += rows[l.index(x, y)];
                }
                for (int y = hy; y + hy < h; ++y) {
                    if (y > hy) {
                        run += rows[l.index(x, y + hy)] - rows[l.index(x, y - hy - 1)];
                    }
                    const std::size_t ia = l.index(x, y);
                    const std::size_t ib = l.index(x - d, y);
                    const float spread = l.sa.deviation[ia] * l.sb.deviation[ib];
                    const float score =
                        spread > 1e-3f ? (run / n - l.sa.mean[ia] * l.sb.mean[ib]) / spread : -1.0f;
                    if (score > best[ia]) {
                        if (bestD[ia] != kNone && std::abs(d - bestD[ia]) > 2) {
                            second[ia] = std::max(second[ia], best[ia]);
                        }
                        best[ia] = score;
                        bestD[ia] = d;
                    } else if (std::abs(d - bestD[ia]) > 2) {
                        second[ia] = std::max(second[ia], score);
                    }
                }
            }
        }
        l.found.assign(size, kNone);
        for (int y = hy; y + hy < h; ++y) {
            for (int x = hx; x + hx < w; ++x) {
                const std::size_t i = l.index(x, y);
                const int d = bestD[i];
                const bool atEdge = d == x - hx || d == x - (w - 1 - hx);
                if (d != kNone && !atEdge && l.sa.texture[i] >= kMinimumTexture &&
                    best[i] >= kMinimumMatch && best[i] - second[i] >= kUniqueness) {
                    l.found[i] = d;
                }
            }
        }
    }

    // The disparities to try at (x, y) of level k: around twice each found at the nine
    // nearest places of the level above; where none was found there (flat parts, the
    // margin where the coarser blocks do not fit), at the nearest places further out.
    std::vector<int> candidates(std::size_t k, int x, int y) const {
        const Level& up = levels[k + 1];
        const int pi = (x / 2) / up.stepX;
        const int pj = (y / 2) / up.stepY;
        std::vector<int> out;
        for (int reach = 1; out.empty() && reach <= 8; reach *= 2) {
            for (int dj = -reach; dj <= reach; dj += reach) {
                for (int di = -reach; di <= reach; di += reach) {
                    const int f = up.foundAt(pi + di, pj + dj);
                    if (f == kNone) {
                        continue;
                    }
                    for (int d = 2 * f - 2; d <= 2 * f + 2; ++d) {
                        out.push_back(d);
                    }
                }
            }
        }
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

    // The sample at (x, y) of level k, its disparity chosen among `tries`.
    DepthSample sampleAt(std::size_t k, int x, int y, const std::vector<int>& tries) const {
        const Level& l = levels[k];
        DepthSample s;
        if (!fits(l, x, y)) {
            return s;
        }
        s.texture = l.sa.texture[l.index(x, y)];
        if (s.texture < kMinimumTexture) {
            s.status = DepthStatus::Flat;
            return s;
        }
        const int hx = window.halfWidth;
        const int lowest = x - (l.a.width - 1 - hx); // the lower block at the right edge
        const int highest = x - hx;                  // at the left edge
        float best = -2;
        int bestD = kNone;
        bool limited = false;
        for (int d : tries) {
            if (d < lowest || d > highest) {
                limited = true;
                continue;
            }
            const float c = correlation(l, x, y, d);
            if (c > best) {
                best = c;
                bestD = d;
            }
        }
        s.match = best;
        if (bestD == kNone) {
            s.status = limited ? DepthStatus::AtLimit : DepthStatus::Unmatched;
            return s;
        }
        s.disparity = static_cast<float>(bestD);
        if (limited && (bestD == lowest || bestD == highest)) {
            s.status = DepthStatus::AtLimit;
            return s;
        }
        if (best < kMinimumMatch) {
            s.status = DepthStatus::Unmatched;
            return s;
        }
        // The peak between whole pixels: a parabola through the three correlations.
        if (bestD > lowest && bestD < highest) {
            const float left = correlation(l, x, y, bestD - 1);
            const float right = correlation(l, x, y, bestD + 1);
            const float curve = left - 2 * best + right;
            if (curve < 0) {
                s.disparity += std::clamp(0.5f * (left - right) / curve, -0.5f, 0.5f);
            }
        }
        s.status = DepthStatus::Measured;
        return s;
    }

    std::vector<int> everyDisparity(const Level& l) const {
        std::vector<int> all;
        const int reach = l.a.width - 1 - 2 * window.halfWidth;
        for (int d = -reach; d <= reach; ++d) {
            all.push_back(d);
        }
        return all;
    }

    DepthSample finest(int x, int y) const {
        if (levels.size() == 1) {
            return sampleAt(0, x, y, everyDisparity(levels[0]));
        }
        const DepthSample s = sampleAt(0, x, y, candidates(0, x, y));
        if (s.status != DepthStatus::Unmatched) {
            return s;
        }
        // What the coarse levels cannot see (a part narrower than their blocks, at the
        // view's edge) is searched for here, within kNearReach of the screen.
        std::vector<int> near;
        for (int d = -kNearReach; d <= kNearReach; ++d) {
            near.push_back(d);
        }
        const DepthSample again = sampleAt(0, x, y, near);
        return again.status == DepthStatus::Measured && again.match >= kNearMatch ? again : s;
    }
};

DisparityMeasure::DisparityMeasure(const GreyImage& first, const GreyImage& second,
                                   const MatchWindow& window)
    : levels_(std::make_unique<Levels>()) {
    levels_->window = window;
    Level base;
    base.a = first;
    base.b = second;
    levels_->levels.push_back(std::move(base));
    while (levels_->levels.back().a.width / 2 >= kCoarsestWidth &&
           levels_->levels.back().a.height / 2 >= 4 * window.halfHeight + 2) {
        Level next;
        next.a = halved(levels_->levels.back().a);
        next.b = halved(levels_->levels.back().b);
        levels_->levels.push_back(std::move(next));
    }
    std::vector<Level>& ls = levels_->levels;
    for (std::size_t k = 0; k < ls.size(); ++k) {
        ls[k].sa = blockStats(ls[k].a, window.halfWidth, window.halfHeight);
        ls[k].sb = blockStats(ls[k].b, window.halfWidth, window.halfHeight);
    }
    if (ls.size() == 1) {
        return; // a small picture: each place searches the whole width itself
    }
    Level& top = ls.back();
    top.columns = top.a.width;
    top.rows = top.a.height;
    levels_->searchWholeWidth(top);
    // The levels between: their grids thin out towards the finest, which is measured on
    // demand.
    for (std::size_t k = ls.size() - 2; k >= 1; --k) {
        Level& l = ls[k];
        l.stepX = std::max(1, window.stepX >> k);
        l.stepY = std::max(1, window.stepY >> k);
        l.columns = l.a.width / l.stepX;
        l.rows = l.a.height / l.stepY;
        l.found.assign(static_cast<std::size_t>(l.columns) * l.rows, kNone);
        for (int j = 0; j < l.rows; ++j) {
            for (int i = 0; i < l.columns; ++i) {
                const int x = i * l.stepX + l.stepX / 2;
                const int y = j * l.stepY + l.stepY / 2;
                const DepthSample s = levels_->sampleAt(k, x, y, levels_->candidates(k, x, y));
                if (s.status == DepthStatus::Measured) {
                    l.found[static_cast<std::size_t>(j) * l.columns + i] =
                        static_cast<int>(std::lround(s.disparity));
                }
            }
        }
    }
}

DisparityMeasure::~DisparityMeasure() = default;

int DisparityMeasure::width() const {
    return levels_->levels.front().a.width;
}

int DisparityMeasure::height() const {
    return levels_->levels.front().a.height;
}

const MatchWindow& DisparityMeasure::window() const {
    return levels_->window;
}

DepthSample DisparityMeasure::at(int x, int y) const {
    return levels_->finest(x, y);
}

DepthAtPoint DisparityMeasure::withNeighbours(int x, int y) const {
    DepthAtPoint p;
    p.sample = at(x, y);
    const MatchWindow& w = levels_->window;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) {
                continue;
            }
            const DepthSample n = at(x + dx * w.stepX, y + dy * w.stepY);
            if (n.status != DepthStatus::Measured) {
                continue;
            }
            ++p.neighboursMeasured;
            if (p.sample.status == DepthStatus::Measured &&
                std::abs(n.disparity - p.sample.disparity) <= 1.0f) {
                ++p.neighboursAgreeing;
            }
        }
    }
    return p;
}

DisparityMap measureDisparityMap(const DisparityMeasure& measure) {
    DisparityMap map;
    map.window = measure.window();
    map.columns = measure.width() / map.window.stepX;
    map.rows = measure.height() / map.window.stepY;
    map.samples.resize(static_cast<std::size_t>(map.columns) * map.rows);
    for (int j = 0; j < map.rows; ++j) {
        for (int i = 0; i < map.columns; ++i) {
            map.samples[static_cast<std::size_t>(j) * map.columns + i] =
                measure.at(map.xOf(i), map.yOf(j));
        }
    }
    return map;
}

int disparityInFront(double surface) {
    return static_cast<int>(std::floor(surface)) + 1;
}
