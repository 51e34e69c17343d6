// The screen kept while a message box stands: put back where the box stood, but not once
// the program's own window has closed meanwhile (a close request taken while the box was
// up), when the screen under the box is the desktop's.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/window_faces.h"

namespace {

TEST(KeptScreen, PutBackOnlyWhileTheProgramsWindowStands) {
    const struct {
        const char* name;
        bool windowCloses;
        COLORREF afterRestore;
    } cases[] = {
        {"the window stands: the kept screen comes back", false, RGB(255, 255, 255)},
        {"the window closed meanwhile: the screen is left as it is", true, RGB(0, 0, 0)},
    };
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(display, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        showWindowFace(window);
        PatBlt(display, 300, 300, 40, 40, WHITENESS);
        finishDrawing();
        if (GetPixel(display, 310, 310) != RGB(255, 255, 255)) {
            DestroyWindow(window);
            DeleteDC(display);
            GTEST_SKIP() << "the display cannot be read back here (no screen)";
        }
        {
            KeptScreen kept;
            PatBlt(display, 300, 300, 40, 40, BLACKNESS); // what shows while the box is up
            if (c.windowCloses) {
                DestroyWindow(window);
            }
            kept.restore();
        }
        finishDrawing();
        EXPECT_EQ(GetPixel(display, 310, 310), c.afterRestore);
        if (!c.windowCloses) {
            DestroyWindow(window);
        }
    }
    DeleteDC(display);
}

} // namespace
