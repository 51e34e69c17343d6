// Playback with real pictures and the real stereo pointer: an "Image" element puts the
// composed stereo picture on the screen, and the pointer, moved over what playback drew,
// never loses any of it.
#include "support/program_harness.h"
#include "test_imaging_support.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"

#include <cstring>

namespace {

PixelImage view(std::uint32_t (*colour)(int, int)) {
    PixelImage image(1024, 364);
    for (int y = 0; y < 364; ++y) {
        for (int x = 0; x < 1024; ++x) {
            image.at(x, y) = colour(x, y);
        }
    }
    return image;
}

std::uint32_t upperColour(int x, int y) {
    return pixelRgb(x & 0xFF, y & 0xFF, 40);
}
std::uint32_t lowerColour(int x, int y) {
    return pixelRgb(200, x & 0xFF, y & 0xFF);
}

class PicturePlaybackTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        DeleteDC(screenDC);
        screenDC = nullptr;
        screen = std::make_unique<TestScreen>();
        createFontTable();
        measureSlideFonts();
        createPenTable();
        createPointerBuffers();
        loadPointerIcon(GetModuleHandleA(nullptr));
        presentationState = PresentingState;
        SetBkMode(screenDC, TRANSPARENT);
        SetTextColor(screenDC, colourTable[0]);
        slideDirectory = slides.path() + "\\";
    }
    void TearDown() override {
        SelectObject(screenDC, GetStockObject(SYSTEM_FONT));
        deleteFontTable();
        deletePenTable();
        deletePointerBuffers();
        releasePointerIcon();
        releaseSlideImage();
        screen.reset();
        screenDC = nullptr;
        MainWindowTest::TearDown();
    }
    void execute(const SlideElement& e) {
        slideElements[0].kind = 1;
        slideElements[1] = e;
        slideElements[2].kind = EndOfSlide;
        elementIndex = 0;
        runThrough = 1;
        SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
        pumpMessages();
    }
    static SlideElement element(int kind, const char* text, int x = 0, int y = 0, int value = 0) {
        SlideElement e = {};
        e.kind = kind;
        std::strncpy(e.text, text, sizeof e.text - 1);
        e.x = x;
        e.y = y;
        e.value = value;
        return e;
    }

    TemporaryDirectory slides;
    std::unique_ptr<TestScreen> screen;
};

TEST_F(PicturePlaybackTest, AnImageElementShowsBothViewsAtTheCalibratedRows) {
    lowerImageTop = 410; // a vertical parallax of 6
    DuoPlacement placement;
    writeBytes(slides.path(), "heart.duo",
               encodeDuoFile(placement, encodePackedDib(view(lowerColour), 24),
                             encodePackedDib(view(upperColour), 32)));
    execute(element(Image, "heart"));
    ASSERT_NE(slideImage, nullptr);
    for (int x : {0, 333, 1023}) {
        for (int y : {0, 100, 357}) { // the lower view runs past the screen
            ASSERT_EQ(screen->pixel(x, y), upperColour(x, y)) << x << "," << y;
            ASSERT_EQ(screen->pixel(x, y + 410), lowerColour(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(screen->pixel(500, 364), 0u);
    EXPECT_EQ(screen->pixel(500, 409), 0u) << "the separator band grows with the parallax";
}

TEST_F(PicturePlaybackTest, ThePointerNeverLosesWhatPlaybackDrew) {
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    lowerImageTop = 404;
    screen->fill(busyPattern);
    slideImage = nullptr;
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0); // the pointer comes back with a key
    EXPECT_EQ(pointerVisible, 1);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(290, 130));
    execute(element(Text, "Left atrium", 300, 150, 6)); // drawn under the pointer
    // The pointer is on the screen in both views, shifted by its depth.
    EXPECT_EQ(screen->pixel(290 + 16, 130 + 16), 0xFFFFFFu);
    EXPECT_EQ(screen->pixel(290 + 1 + 16, 404 + 130 + 16), 0xFFFFFFu);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(600, 300));
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(700, 20));
    const PixelImage afterMoves = screen->snapshot();
    // The same text drawn with no pointer about.
    pointerVisible = 0;
    pointerY = 0; // forget the pointer left at (700, 20)
    screen->fill(busyPattern);
    execute(element(Text, "Left atrium", 300, 150, 6));
    const PixelImage reference = screen->snapshot();
    int textPixels = 0;
    for (int y = 120; y < 180; ++y) {
        for (int x = 280; x < 340; ++x) {
            for (int row : {y, y + 404}) {
                ASSERT_EQ(afterMoves.at(x, row), reference.at(x, row)) << x << "," << row;
                textPixels += reference.at(x, row) == 0xFFFFFFu;
            }
        }
    }
    EXPECT_GT(textPixels, 20) << "the text lies where the pointer was";
    pointerVisible = 1;
    // Three Ups and a Down give depth 2; a new slide hides the pointer until a key.
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(pointerDepth, 2);
    slideCount = 5;
    currentSlide = 1;
    SendMessageA(window, WM_PROCEED, ProceedNextSlide, 0);
    EXPECT_EQ(pointerVisible, 0);
    EXPECT_EQ(pointerY, 0);
    EXPECT_EQ(pointerDepth, 2) << "the depth is kept across slides";
    const PixelImage before = screen->snapshot();
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 200));
    EXPECT_EQ(screen->snapshot().pixels, before.pixels) << "no pointer until Up or Down";
    pointerDepth = 0;
}

TEST_F(PicturePlaybackTest, TutorialFlowDrawsNoPointer) {
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    screen->fill(busyPattern);
    const PixelImage before = screen->snapshot();
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 200));
    EXPECT_EQ(pointerVisible, 0);
    EXPECT_EQ(pointerDepth, 1) << "Up still changes the depth";
    EXPECT_EQ(screen->snapshot().pixels, before.pixels);
    pointerDepth = 0;
}

} // namespace
