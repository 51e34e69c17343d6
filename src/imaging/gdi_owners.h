// Small owners for the GDI objects a drawing operation makes for itself. Each releases what
// it owns when it goes out of scope; a memory DC first puts back the object that its first
// selection displaced, so that what was selected into it can be deleted afterwards.
// Declare a bitmap's owner before the DC it is selected into.
#pragma once

#include <windows.h>

class MemoryDC {
  public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_ != nullptr) {
            if (original_ != nullptr) {
                SelectObject(dc_, original_);
            }
            DeleteDC(dc_);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc_; }
    // False when there is no DC or the selection fails (a bitmap selected elsewhere).
    bool select(HGDIOBJ object) {
        if (dc_ == nullptr || object == nullptr) {
            return false;
        }
        HGDIOBJ previous = SelectObject(dc_, object);
        if (previous == nullptr || previous == HGDI_ERROR) {
            return false;
        }
        if (original_ == nullptr) {
            original_ = previous;
        }
        return true;
    }

  private:
    HDC dc_;
    HGDIOBJ original_ = nullptr;
};

class OwnedBitmap {
  public:
    explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~OwnedBitmap() {
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;

    HBITMAP get() const { return bitmap_; }
    // Gives the bitmap to the caller, who then deletes it.
    HBITMAP release() {
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return bitmap;
    }

  private:
    HBITMAP bitmap_;
};
