#include "duo/duo_commands.h"

#include <charconv>
#include <map>
#include <optional>

#include <nlohmann/json.hpp>

#include "common/command_line.h"
#include "common/duo_packing.h"
#include "common/picture_files.h"
#include "common/stereo_styles.h"
#include "common/duo_file_reading.h"
#include "common/upright_picture.h"
#include "duo/duo_screen.h"
#include "duo/pack_warnings.h"
#include "duo/stereo_align.h"
#include "duo/stereo_import.h"
#include "imaging/stereo_composer.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  duo pack [options] LEFT RIGHT OUT.duo   two pictures (PNG, JPEG, BMP or PPM) into a DUO "
    "file\n"
    "  duo pack [options] PAIR OUT.duo     a stereo camera's MPO file, a JPS file, or with\n"
    "                                       --side-by-side any picture of both eyes\n"
    "      --side-by-side parallel|cross   PAIR's left half is the left (parallel) or right eye\n"
    "      --align              measure and correct the vertical misalignment and put the\n"
    "                           nearest part of the scene at the screen\n"
    "      --upper left|right   the eye whose picture becomes the upper view (default left)\n"
    "      --bits 16|24|32      bits per pixel of the views (default 24)\n"
    "      --lower-x N --lower-y N --upper-x N --upper-y N   view offsets (default 0)\n"
    "      --top-band N --bottom-band N --left-band N --right-band N   black bands (default 0)\n"
    "    Pictures of 1024 x 364 are taken pixel for pixel; others are scaled to fit at half\n"
    "    height (the adapter shows each view at double height) and centred on black.\n"
    "  duo info FILE.duo                    the header as one JSON object\n"
    "  duo compose [--parallax N] [--style S] FILE.duo OUT   the 1024 x 768 screen (.png, .jpg,\n"
    "      .bmp or .ppm); --style over-under (the screen, default), anaglyph (red-cyan),\n"
    "      parallel or cross (the views side by side)\n"
    "  duo unpack FILE.duo UPPER LOWER      the two views as pictures\n"
    "  duo depth FILE.duo X Y               the picture's disparity at (X, Y) of the upper\n"
    "      view, how sure it is, and the disparity a label there needs to stand in front\n"
    "  duo depth FILE.duo --map OUT         the disparity map of the whole picture\n"
    "  duo --help                           this text\n";

int usage(std::ostream& err, const std::string& problem = "") {
    return usageError(err, "duo", kUsage, problem);
}

struct PackOptions {
    bool leftIsUpper = true;
    SideBySide layout = SideBySide::None;
    bool align = false;
    int bits = 24;
    DuoPlacement placement;
    std::vector<std::string> files;
};

// Parses pack's options; an empty result with `problem` set on bad usage.
std::optional<PackOptions> parsePackOptions(const std::vector<std::string>& args,
                                            std::string& problem) {
    PackOptions o;
    const std::map<std::string, std::pair<std::int32_t*, int>> numeric = {
        {"--lower-x", {&o.placement.lowerX, 1024}},
        {"--lower-y", {&o.placement.lowerY, 768}},
        {"--upper-x", {&o.placement.upperX, 1024}},
        {"--upper-y", {&o.placement.upperY, 768}},
        {"--top-band", {&o.placement.topBand, 364}},
        {"--bottom-band", {&o.placement.bottomBand, 364}},
        {"--left-band", {&o.placement.leftBand, 1024}},
        {"--right-band", {&o.placement.rightBand, 1024}},
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!looksLikeOption(a)) {
            o.files.push_back(a);
            continue;
        }
        if (a == "--align") {
            o.align = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            problem = a + " needs a value";
            return std::nullopt;
        }
        const std::string& v = args[++i];
        if (a == "--upper") {
            if (v != "left" && v != "right") {
                problem = "--upper takes left or right";
                return std::nullopt;
            }
            o.leftIsUpper = v == "left";
        } else if (a == "--side-by-side") {
            if (v != "parallel" && v != "cross") {
                problem = "--side-by-side takes parallel or cross";
                return std::nullopt;
            }
            o.layout = v == "parallel" ? SideBySide::Parallel : SideBySide::Cross;
        } else if (a == "--bits") {
            const auto bits = parseInteger(v);
            if (!bits || (*bits != 16 && *bits != 24 && *bits != 32)) {
                problem = "--bits takes 16, 24 or 32";
                return std::nullopt;
            }
            o.bits = *bits;
        } else if (auto found = numeric.find(a); found != numeric.end()) {
            const auto n = parseInteger(v);
            const int limit = found->second.second;
            const bool band = a.find("band") != std::string::npos;
            if (!n || *n > limit || *n < (band ? 0 : -limit)) {
                problem = a + " takes a whole number from " + std::to_string(band ? 0 : -limit) +
                          " to " + std::to_string(limit);
                return std::nullopt;
            }
            *found->second.first = *n;
        } else {
            problem = "unknown option " + a;
            return std::nullopt;
        }
    }
    if (o.files.size() != 3 && o.files.size() != 2) {
        problem = "pack needs LEFT RIGHT OUT.duo or PAIR OUT.duo";
        return std::nullopt;
    }
    if (o.files.size() == 3 && o.layout != SideBySide::None) {
        problem = "--side-by-side takes one picture: PAIR OUT.duo";
        return std::nullopt;
    }
    return o;
}

nlohmann::ordered_json viewJson(const DuoView& view) {
    return {{"width", view.layout.width},
            {"height", view.layout.height},
            {"bits", view.layout.bitCount}};
}

} // namespace

int duoUsage(std::ostream& err, const std::string& problem) {
    return usage(err, problem);
}

std::optional<int> parseInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int duoPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string problem;
    const std::optional<PackOptions> o = parsePackOptions(args, problem);
    if (!o) {
        return usage(err, problem);
    }
    const std::vector<std::string> pictures(o->files.begin(), o->files.end() - 1);
    std::optional<StereoPair> pair = readPackedPair(pictures, o->layout, problem);
    std::string report;
    if (!pair || (o->align && !alignPair(pair->left, pair->right, report, problem))) {
        err << "duo: " << problem << "\n";
        return 1;
    }
    out << pair->how << "\n" << report;
    const Picture& upperEye = o->leftIsUpper ? pair->left : pair->right;
    const Picture& lowerEye = o->leftIsUpper ? pair->right : pair->left;
    for (const std::string& warning : packWarnings(upperEye, lowerEye, o->placement)) {
        err << "duo: warning: " << warning << "\n";
    }
    const Picture eyes[2] = {pair->left, pair->right};
    Picture views[2];
    for (int eye = 0; eye < 2; ++eye) {
        std::string how;
        views[eye] = viewFromPicture(eyes[eye], how);
        out << (eye == 0 ? "left view: " : "right view: ") << how << "\n";
    }
    const Picture& upper = o->leftIsUpper ? views[0] : views[1];
    const Picture& lower = o->leftIsUpper ? views[1] : views[0];

    const std::string& target = o->files.back();
    const std::vector<std::uint8_t> bytes = packDuo(upper, lower, o->bits, o->placement);
    if (!writeFileBytes(target, bytes)) {
        err << "duo: cannot write " << target << "\n";
        return 1;
    }
    out << target << ": " << bytes.size() << " bytes, " << o->bits
        << " bits per pixel, upper view from the " << (o->leftIsUpper ? "left" : "right")
        << " picture\n";
    return 0;
}

int duoInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || looksLikeOption(args[1])) {
        return usage(err, "info needs FILE.duo");
    }
    std::string error;
    const std::optional<OpenedDuo> duo = openDuoFile(args[1], error);
    if (!duo) {
        err << "duo: " << error << "\n";
        return 1;
    }
    DuoHeader header;
    readDuoHeader(duo->bytes, header);
    const DuoPlacement& p = duo->file.placement;
    nlohmann::ordered_json info = {
        {"magic", std::string(duo->bytes.begin(), duo->bytes.begin() + 3)},
        {"viewSize", header.viewSize},
        {"lowerX", p.lowerX},
        {"lowerY", p.lowerY},
        {"upperX", p.upperX},
        {"upperY", p.upperY},
        {"topBand", p.topBand},
        {"bottomBand", p.bottomBand},
        {"leftBand", p.leftBand},
        {"rightBand", p.rightBand},
        {"lower", viewJson(duo->file.lower)},
        {"upper", viewJson(duo->file.upper)},
    };
    out << info.dump(2) << "\n";
    return 0;
}

int duoCompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int parallax = 0;
    StereoStyle style = StereoStyle::OverUnder;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--style") {
            const auto named = i + 1 < args.size() ? stereoStyleNamed(args[i + 1]) : std::nullopt;
            if (!named) {
                return usage(err, std::string("--style takes ") + kStereoStyleNames);
            }
            style = *named;
            ++i;
        } else if (args[i] == "--parallax") {
            const auto n = i + 1 < args.size() ? parseInteger(args[i + 1]) : std::nullopt;
            if (!n || *n < -50 || *n > 50) {
                return usage(err, "--parallax takes a whole number from -50 to 50");
            }
            parallax = *n;
            ++i;
        } else if (looksLikeOption(args[i])) {
            return usage(err, "unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        return usage(err, "compose needs FILE.duo OUT");
    }
    std::string error;
    const std::optional<Picture> screen = composeDuoScreen(files[0], parallax, error);
    if (!screen) {
        err << "duo: " << error << "\n";
        return 1;
    }
    if (!writePictureFile(files[1], styledScreen(*screen, kLowerViewTop + parallax, style),
                          error)) {
        err << "duo: " << error << "\n";
        return 1;
    }
    out << files[1] << ": the 1024 x 768 screen with vertical parallax " << parallax << ", "
        << stereoStyleName(style) << "\n";
    return 0;
}

int duoUnpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 4 || looksLikeOption(args[1]) || looksLikeOption(args[2]) ||
        looksLikeOption(args[3])) {
        return usage(err, "unpack needs FILE.duo UPPER LOWER");
    }
    std::string error;
    const std::optional<OpenedDuo> duo = openDuoFile(args[1], error);
    if (!duo) {
        err << "duo: " << error << "\n";
        return 1;
    }
    if (!writePictureFile(args[2], viewPicture(duo->file.upper), error) ||
        !writePictureFile(args[3], viewPicture(duo->file.lower), error)) {
        err << "duo: " << error << "\n";
        return 1;
    }
    out << "upper view: " << args[2] << "\nlower view: " << args[3] << "\n";
    return 0;
}

int runDuo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        return printHelp(out, kUsage);
    }
    if (args.empty()) {
        return usage(err, "no command given");
    }
    if (args[0] == "pack") {
        return duoPack(args, out, err);
    }
    if (args[0] == "info") {
        return duoInfo(args, out, err);
    }
    if (args[0] == "compose") {
        return duoCompose(args, out, err);
    }
    if (args[0] == "unpack") {
        return duoUnpack(args, out, err);
    }
    if (args[0] == "depth") {
        return duoDepth(args, out, err);
    }
    return usage(err, "unknown command " + args[0]);
}
