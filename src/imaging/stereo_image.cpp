// The stereo picture loader: a DUO file into one 1024 x 768 bitmap holding both views.
// The file is read and checked, the screen image is composed in a pixel buffer by the
// core composer, and the buffer becomes a bitmap compatible with the given DC in one
// conversion.
#include "imaging/stereo_image.h"

#include <new>
#include <vector>

#include "ground/screen.h"
#include "imaging/picture_file.h"
#include "imaging/stereo_composer.h"
#include "imaging/stereo_image_pixels.h"
#include "platform/platform.h"

namespace {

constexpr const char* kObsoleteText = "This is an Version 1.0 DUO file.  Use DUOn to convert.";
constexpr const char* kObsoleteCaption = "Obsolete file warning!";

// The file's header and two view blocks, or nothing (the obsolete-file message shown when
// the file is a version 1.0 one).
bool readDuoBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    PictureFile file(path);
    if (!file.readMore(kDuoHeaderSize, bytes)) {
        return false;
    }
    switch (classifyDuoStart(bytes)) {
    case DuoStart::ObsoleteBitmap:
        platform().messageBox(kObsoleteText, kObsoleteCaption, MB_OK);
        return false;
    case DuoStart::Unknown:
        return false;
    case DuoStart::Duo:
        break;
    }
    DuoHeader header;
    if (!readDuoHeader(bytes, header)) {
        return false;
    }
    const std::uint64_t length = duoFileLength(header);
    if (length > file.size() || length > kMaxPictureFileBytes) {
        return false; // the view blocks would pass the end of the file
    }
    return file.readMore(static_cast<std::size_t>(length - kDuoHeaderSize), bytes);
}

} // namespace

HBITMAP LoadStereoImage(const std::string& path, HDC dc) {
    try {
        std::vector<std::uint8_t> bytes;
        if (!readDuoBytes(path, bytes)) {
            return nullptr;
        }
        DuoFile file;
        if (readDuoFile(bytes, file) != DuoStatus::Loaded) {
            return nullptr;
        }
        return bitmapFromPixels(dc, composeStereoImage(file, lowerImageTop));
    } catch (const std::bad_alloc&) {
        return nullptr; // no memory for the views or the composite: no image
    }
}
