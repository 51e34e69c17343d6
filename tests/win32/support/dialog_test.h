// The fixture of the dialog tests: a main window, a screen whose pixels can be read, the
// program's fonts and a course in a temporary directory.
#pragma once

#include "support/program_harness.h"
#include "support/screen_dib.h"

#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"

#include <string>

class DialogTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        DeleteDC(screenDC);
        screenDC = screen.dc();
        createFontTable();
        courseRoot = course.path() + "\\Corpus\\";
        course.makeDirectory("Corpus\\program");
    }
    void TearDown() override {
        SelectObject(screenDC, GetStockObject(SYSTEM_FONT));
        deleteFontTable();
        screenDC = nullptr;
        MainWindowTest::TearDown();
    }
    void addSlide(const std::string& series, int n, const std::string& script) {
        const std::string dir = "Corpus\\" + series + "\\Slide" + std::to_string(n);
        course.makeDirectory(dir);
        if (!script.empty()) {
            course.writeFile(dir + "\\" + script, "Image x\r\n");
        }
    }
    // Counts the pixels of one colour in a rectangle.
    int count(COLORREF colour, int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                n += screen.pixel(x, y) == colour;
            }
        }
        return n;
    }

    TemporaryDirectory course;
    ScreenDib screen;
};
