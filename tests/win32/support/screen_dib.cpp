#include "support/screen_dib.h"

COLORREF ScreenDib::pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t bgr = bits_[y * 1024 + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void ScreenDib::fill(COLORREF colour) {
    GdiFlush();
    const std::uint32_t bgr =
        (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (int i = 0; i < 1024 * 768; ++i) {
        bits_[i] = bgr;
    }
}

COLORREF patternColour(int x, int y) {
    return RGB((x * 7 + y * 3) & 0xFF, (x * 5 + y * 11 + 40) & 0xFF, (x + y * 13 + 90) & 0xFF);
}

HBITMAP makePatternPicture(HDC compatibleWith) {
    HBITMAP picture = CreateCompatibleBitmap(compatibleWith, 1024, 768);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 1024;
    info.bmiHeader.biHeight = -768;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    static std::uint32_t pixels[1024 * 768];
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const COLORREF c = patternColour(x, y);
            pixels[y * 1024 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    SetDIBits(compatibleWith, picture, 0, 768, pixels, &info, DIB_RGB_COLORS);
    return picture;
}
