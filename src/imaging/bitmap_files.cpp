// The BMP loaders: a 16-, 24- or 32-bit file into a bitmap, an 8-bit file onto the screen.
#include "imaging/bitmap_primitives.h"

#include <vector>

#include "imaging/bmp_file.h"
#include "imaging/picture_file.h"
#include "platform/platform.h"

namespace {

constexpr const char* kNotEightBitText = "Not an 8 bit BMP";
constexpr const char* kNotEightBitCaption = "Image Load Error";

// The payload starts with the header that GDI reads as the bitmap information.
const BITMAPINFO* bitmapInfo(const std::vector<std::uint8_t>& payload) {
    return reinterpret_cast<const BITMAPINFO*>(payload.data());
}

} // namespace

HBITMAP LoadBitmapFile(const std::string& path, HDC dc) {
    std::vector<std::uint8_t> payload;
    if (!readBmpPayload(path, payload)) {
        return nullptr;
    }
    const std::optional<DibLayout> layout = directColourBitmap(payload);
    if (!layout) {
        return nullptr;
    }
    const BITMAPINFO* info = bitmapInfo(payload);
    return CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, payload.data() + layout->pixelOffset,
                          info, DIB_RGB_COLORS);
}

void DrawBitmapFile(const std::string& path, HDC dc) {
    std::vector<std::uint8_t> payload;
    if (!readBmpPayload(path, payload)) {
        return;
    }
    const PaletteBitmap picture = checkPaletteBitmap(payload);
    if (picture.status == PaletteCheck::NotEightBit) {
        platform().messageBox(kNotEightBitText, kNotEightBitCaption, MB_OK);
        return;
    }
    if (picture.status != PaletteCheck::Drawable) {
        return;
    }
    const DibLayout& layout = picture.layout;
    // Width and height fit in 16 bits: the layout check keeps them below kMaxPictureSide.
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(layout.width), static_cast<DWORD>(layout.height),
                      0, 0, 0, static_cast<UINT>(layout.height),
                      payload.data() + layout.pixelOffset, bitmapInfo(payload), DIB_RGB_COLORS);
}
