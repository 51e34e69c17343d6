#include "imaging/stereo_image_pixels.h"

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP bitmapFromPixels(HDC dc, const PixelImage& image) {
    // One call makes the compatible bitmap and converts the pixels into it (measured under
    // Wine: faster than CreateCompatibleBitmap followed by SetDIBits).
    const BITMAPINFO info = topDownInfo(image.width, image.height);
    return CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, image.pixels.data(), &info,
                          DIB_RGB_COLORS);
}

PixelImage pixelsOfBitmap(HDC dc, HBITMAP bitmap) {
    BITMAP size = {};
    if (GetObjectA(bitmap, sizeof size, &size) == 0) {
        return {};
    }
    PixelImage image(size.bmWidth, size.bmHeight);
    BITMAPINFO info = topDownInfo(image.width, image.height);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                  DIB_RGB_COLORS) != image.height) {
        return {};
    }
    for (std::uint32_t& pixel : image.pixels) {
        pixel &= 0xFFFFFF;
    }
    return image;
}
