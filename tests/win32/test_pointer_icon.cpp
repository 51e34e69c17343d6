// The program file's icons: "ZCursor" is exactly the white crosshair the stereo pointer
// draws, leaving every other pixel of the screen as it was.
#include "support/program_harness.h"
#include "support/screen_dib.h"

namespace {

bool crosshairPixel(int row, int col) {
    const bool vertical = (col == 15 || col == 16) && row >= 6 && row <= 25;
    const bool verticalWide =
        col >= 14 && col <= 17 && ((row >= 6 && row <= 9) || (row >= 22 && row <= 25));
    const bool horizontal = row == 16 && col >= 1 && col <= 30;
    const bool horizontalWide =
        row >= 15 && row <= 17 && ((col >= 1 && col <= 6) || (col >= 25 && col <= 30));
    return vertical || verticalWide || horizontal || horizontalWide;
}

TEST(ProgramIcons, ZCursorIsTheWhiteCrosshairOnATransparentField) {
    HICON icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "ZCursor", IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ScreenDib screen;
    const COLORREF background = RGB(10, 120, 200);
    screen.fill(background);
    ASSERT_TRUE(DrawIcon(screen.dc(), 100, 200, icon));
    for (int row = -2; row < 34; ++row) {
        for (int col = -2; col < 34; ++col) {
            const bool inside = row >= 0 && row < 32 && col >= 0 && col < 32;
            const COLORREF expected =
                inside && crosshairPixel(row, col) ? RGB(255, 255, 255) : background;
            ASSERT_EQ(screen.pixel(100 + col, 200 + row), expected) << row << "," << col;
        }
    }
    DestroyIcon(icon);
}

TEST(ProgramIcons, LecternIsA64By64Icon) {
    HICON icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "LECTERN", IMAGE_ICON, 64, 64, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 64);
    EXPECT_EQ(colour.bmHeight, 64);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

} // namespace
