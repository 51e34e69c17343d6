#include "imaging/stereo_image_gdi.h"

#include "imaging/gdi_owners.h"
#include "imaging/stereo_composer.h"

namespace {

bool copyView(HDC composite, HDC dc, const DuoView& view, const ViewCopy& copy) {
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(view.header.data());
    OwnedBitmap bitmap(CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT,
                                      view.block.data() + view.layout.pixelOffset, info,
                                      DIB_RGB_COLORS));
    MemoryDC source(dc);
    if (!source.select(bitmap.get())) {
        return false;
    }
    BitBlt(composite, copy.destX, copy.destY, kCompositeWidth, copy.rows, source.get(), 0,
           copy.sourceY, SRCCOPY);
    return true;
}

} // namespace

HBITMAP composeStereoImageWithGdi(const DuoFile& file, int lowerImageTop, HDC dc) {
    OwnedBitmap bitmap(CreateCompatibleBitmap(dc, kCompositeWidth, kCompositeHeight));
    {
        MemoryDC composite(dc);
        if (!composite.select(bitmap.get())) {
            return nullptr;
        }
        PatBlt(composite.get(), 0, 0, kCompositeWidth, kCompositeHeight, BLACKNESS);
        const StereoSteps steps = stereoSteps(file.placement, lowerImageTop);
        if (!copyView(composite.get(), dc, file.lower, steps.lower) ||
            !copyView(composite.get(), dc, file.upper, steps.upper)) {
            return nullptr;
        }
        for (const BlackOut& r : steps.blackOuts) {
            PatBlt(composite.get(), r.x, r.y, r.width, r.height, BLACKNESS);
        }
    } // the composite's DC lets go of the bitmap here
    return bitmap.release();
}
