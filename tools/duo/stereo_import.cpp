#include "duo/stereo_import.h"

#include <algorithm>
#include <cctype>

#include "common/mpo_reader.h"
#include "common/picture_files.h"
#include "common/upright_picture.h"

namespace {

Picture cropped(const Picture& picture, int left, int width) {
    Picture out(width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const auto row =
            picture.pixels.begin() + (static_cast<std::ptrdiff_t>(y) * picture.width + left) * 3;
        std::copy(row, row + static_cast<std::ptrdiff_t>(width) * 3,
                  out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width * 3);
    }
    return out;
}

bool hasJpsExtension(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".jps";
}

std::optional<Picture> decodeEntry(const std::vector<std::uint8_t>& bytes, const MpoPictureEntry& e,
                                   std::string& error) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(e.offset);
    return decodePicture(
        std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(e.size)), error);
}

std::optional<StereoPair> readMpo(const std::vector<std::uint8_t>& bytes, std::string& error) {
    const auto entries = readMpoIndex(bytes, error);
    if (!entries) {
        return std::nullopt;
    }
    const auto pair = stereoPairOf(*entries, error);
    if (!pair) {
        return std::nullopt;
    }
    auto left = decodeEntry(bytes, pair->first, error);
    auto right = left ? decodeEntry(bytes, pair->second, error) : std::nullopt;
    if (!left || !right) {
        error = "a picture of the MPO file: " + error;
        return std::nullopt;
    }
    StereoPair out{std::move(*left), std::move(*right), ""};
    out.how = "MPO file of " + std::to_string(entries->size()) +
              " pictures (by its multi-picture index): left eye from the picture at byte " +
              std::to_string(pair->first.offset) + ", right eye from the one at byte " +
              std::to_string(pair->second.offset);
    return out;
}

} // namespace

StereoPair splitSideBySide(const Picture& picture, SideBySide layout) {
    const int half = picture.width / 2;
    Picture first = cropped(picture, 0, half);
    Picture second = cropped(picture, picture.width - half, half);
    if (layout == SideBySide::Cross) {
        return {std::move(second), std::move(first),
                "side by side for cross viewing: left half to the right eye"};
    }
    return {std::move(first), std::move(second),
            "side by side for parallel viewing: left half to the left eye"};
}

std::optional<StereoPair> readStereoFile(const std::string& path, SideBySide layout,
                                         std::string& error) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (layout == SideBySide::None && !hasJpsExtension(path)) {
        auto pair = readMpo(*bytes, error);
        if (!pair) {
            error = path + ": " + error +
                    "; a single picture side by side needs --side-by-side parallel|cross";
        }
        return pair;
    }
    auto picture = decodePicture(*bytes, error);
    if (!picture) {
        error = path + ": " + error;
        return std::nullopt;
    }
    if (picture->width < 2) {
        error = path + ": too narrow to hold two pictures side by side";
        return std::nullopt;
    }
    StereoPair pair =
        splitSideBySide(*picture, layout == SideBySide::None ? SideBySide::Cross : layout);
    if (layout == SideBySide::None) {
        pair.how = "JPS file, " + pair.how;
    }
    return pair;
}

std::optional<StereoPair> readPackedPair(const std::vector<std::string>& pictures,
                                         SideBySide layout, std::string& error) {
    if (pictures.size() == 1) {
        return readStereoFile(pictures[0], layout, error);
    }
    // Two photographs, each stood upright as its camera's EXIF orientation says.
    auto left = readUprightPictureFile(pictures.at(0), error);
    auto right = left ? readUprightPictureFile(pictures.at(1), error) : std::nullopt;
    if (!left || !right) {
        return std::nullopt;
    }
    std::string how = "left eye " + pictures[0] + ", right eye " + pictures[1];
    if (!left->change.empty()) {
        how += "\nleft " + pictures[0] + ": " + left->change;
    }
    if (!right->change.empty()) {
        how += "\nright " + pictures[1] + ": " + right->change;
    }
    return StereoPair{std::move(left->picture), std::move(right->picture), how};
}
