#include "common/duo_file_reading.h"

#include "common/picture_files.h"
#include "imaging/dib_pixels.h"

std::string duoRefusalReason(DuoStatus status) {
    switch (status) {
    case DuoStatus::Loaded:
        return "";
    case DuoStatus::NotDuo:
        return "it does not start with \"DUO\": the program shows no picture";
    case DuoStatus::Obsolete:
        return "the program refuses it with the message \"This is an Version 1.0 DUO file.  Use "
               "DUOn to convert.\" (Obsolete file warning!)";
    case DuoStatus::ShortHeader:
        return "it is shorter than the 893-byte header: the program shows no picture";
    case DuoStatus::ShortViews:
        return "it ends before its second view block does: the program shows no picture";
    case DuoStatus::BadLowerView:
        return "view block 1 (the lower view) is not an uncompressed 16, 24 or 32-bit "
               "picture inside its block: the program shows no picture";
    case DuoStatus::BadUpperView:
        return "view block 2 (the upper view) is not an uncompressed 16, 24 or 32-bit "
               "picture inside its block: the program shows no picture";
    }
    return "unreadable";
}

std::optional<OpenedDuo> openDuoFile(const std::string& path, std::string& error) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    OpenedDuo opened;
    opened.bytes = std::move(*bytes);
    const DuoStatus status = readDuoFile(opened.bytes, opened.file);
    if (status != DuoStatus::Loaded) {
        error = path + ": " + duoRefusalReason(status);
        return std::nullopt;
    }
    return opened;
}

Picture viewPicture(const DuoView& view) {
    const int width = view.layout.width;
    const int height = view.layout.height;
    Picture picture(width, height);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        convertStoredPixels(view.row(y), view.layout.bitCount, width, row.data());
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[static_cast<std::size_t>(x)];
            picture.set(x, y,
                        {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p)});
        }
    }
    return picture;
}
