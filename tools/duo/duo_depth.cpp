// duo depth: what the author asks before placing a label, the disparity of the picture at a
// point, and the map of the whole picture's disparity.
#include <cmath>
#include <cstdio>

#include "common/command_line.h"
#include "ground/screen_geometry.h"
#include "common/picture_files.h"
#include "common/screen_depth.h"
#include "duo/duo_commands.h"
#include "duo/duo_screen.h"

namespace {

constexpr int kViewWidth = kScreenWidth; // a view is as wide as the screen

std::string decimal(double v, const char* format = "%.1f") {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

// Why a point has no disparity, in the author's terms.
std::string unmeasuredReason(const DepthSample& s, const MatchWindow& w) {
    const std::string block =
        std::to_string(2 * w.halfWidth + 1) + " x " + std::to_string(2 * w.halfHeight + 1);
    switch (s.status) {
    case DepthStatus::Flat:
        return "too little texture to measure (" + decimal(s.texture) + "; " +
               decimal(kMinimumTexture) + " needed)";
    case DepthStatus::Unmatched:
        return "no part of the lower view matches it well (best " + decimal(s.match, "%.2f") +
               "; " + decimal(kMinimumMatch, "%.2f") + " needed): hidden from one eye?";
    case DepthStatus::AtLimit:
        return "its match lies at the edge of the lower view, where the search ends";
    default:
        return "too near the view's edge for the " + block + " block that is matched";
    }
}

int depthAtPoint(const DisparityMeasure& measure, int x, int y, std::ostream& out,
                 std::ostream& err) {
    const DepthAtPoint p = measure.withNeighbours(x, y);
    char where[32];
    std::snprintf(where, sizeof where, "(%d, %d)", x, y);
    if (p.sample.status != DepthStatus::Measured) {
        err << "duo: " << where
            << " cannot be measured: " << unmeasuredReason(p.sample, measure.window()) << "\n";
        return 1;
    }
    const double d = p.sample.disparity;
    out << decimal(d) << " disparity at " << where << "; texture " << decimal(p.sample.texture)
        << ", match " << decimal(p.sample.match, "%.2f") << ", " << p.neighboursAgreeing << " of "
        << p.neighboursMeasured << " measured neighbours agree within a pixel"
        << "; a label here: " << disparityInFront(d + 1.0) << "\n";
    out << "(a text with disparity " << decimal(d) << " sits at this surface; "
        << disparityInFront(d + 1.0)
        << " stands in front of it even if the surface is a pixel nearer than measured)\n";
    return 0;
}

} // namespace

int duoDepth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 4 || looksLikeOption(args[1])) {
        return duoUsage(err, "depth needs FILE.duo X Y or FILE.duo --map OUT");
    }
    const bool map = args[2] == "--map";
    int x = 0;
    int y = 0;
    if (!map) {
        const std::optional<int> px = parseInteger(args[2]);
        const std::optional<int> py = parseInteger(args[3]);
        if (!px.has_value() || !py.has_value()) {
            return duoUsage(err, "depth needs FILE.duo X Y or FILE.duo --map OUT");
        }
        x = px.value();
        y = py.value();
        if (x < 0 || x >= kViewWidth || y < 0 || y >= kViewHeight) {
            return duoUsage(err, "X takes 0 to 1023 and Y 0 to 363 (the upper view)");
        }
    }
    std::string error;
    const std::optional<Picture> screen = composeDuoScreen(args[1], 0, error);
    if (!screen) {
        err << "duo: " << error << "\n";
        return 1;
    }
    const std::unique_ptr<DisparityMeasure> measure = measureScreenViews(*screen);
    if (!map) {
        return depthAtPoint(*measure, x, y, out, err);
    }
    const DisparityMap m = measureDisparityMap(*measure);
    if (!writePictureFile(args[3], disparityPicture(m, kViewWidth, kViewHeight), error)) {
        err << "duo: " << error << "\n";
        return 1;
    }
    out << args[3] << ": the disparity map of the upper view, " << disparityRangeText(m)
        << "; red nearest, blue farthest, white at the screen, grey too flat to measure, "
           "black unmatched, magenta at the search's limit\n";
    return 0;
}
