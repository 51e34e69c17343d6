// What the screen shows while the CDs are copied: "Copying.  Please wait." with a progress
// bar below it and the wait cursor, and a program that keeps answering the system without
// letting the user's input act on anything.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// The progress bar's place on the screen, below the text's baseline at y = 300: a white
// frame filled in white from the left as the files are done.
constexpr RECT kProgressBarRect = {312, 324, 712, 340};

// Handles the messages waiting in this thread's queue, dropping keyboard and mouse input,
// so that the system does not take the program for hung while the thread copies. A quit
// request is put back for the message loop.
void answerMessagesWithoutInput();

class CopyScreen {
  public:
    // Draws the text once (titleFont, centred on x = 512, baseline at y = 300).
    explicit CopyScreen(HWND owner);
    CopyScreen(const CopyScreen&) = delete;
    CopyScreen& operator=(const CopyScreen&) = delete;

    // A volume of `totalFiles` files begins: an empty bar.
    void beginVolume(std::size_t totalFiles);
    // `filesDone` files of the volume are done: answers the system and redraws the bar when
    // the last drawing is 100 ms old or more.
    void progress(std::size_t filesDone);
    // A message box owned by the window over the copy screen (the seam puts back what the
    // box covered when it closes).
    int ask(const char* text, const char* caption, unsigned type);

  private:
    void drawBar(std::size_t filesDone);

    HWND owner_;
    std::size_t totalFiles_ = 0;
    std::uint32_t lastDrawing_ = 0;
};

// The system's wait cursor for as long as the owner lives, the cursor before it put back.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR kept_;
};
