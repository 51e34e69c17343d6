// Anti-aliased text drawn into pictures with a TrueType font (Debian's Liberation fonts),
// for the intro, help and abstract pictures and the label previews.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/picture.h"

class TextRenderer {
  public:
    // Loads the font file; check loaded() afterwards.
    explicit TextRenderer(const std::string& fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool loaded() const { return loaded_; }
    // Width in pixels of `text` at `pixelHeight`, its letters `stretchX` times as wide.
    int width(const std::string& text, double pixelHeight, double stretchX = 1.0) const;
    // Draws `text` with its baseline at `baseline`, starting at `left`; `stretchX` makes
    // the letters wider (as the program's fonts for the views are).
    void draw(Picture& picture, const std::string& text, int left, int baseline, double pixelHeight,
              Rgb colour, double stretchX = 1.0) const;
    void drawCentred(Picture& picture, const std::string& text, int centreX, int baseline,
                     double pixelHeight, Rgb colour) const;

  private:
    struct Font;
    std::vector<unsigned char> data_;
    std::unique_ptr<Font> font_;
    bool loaded_ = false;
};

// The fonts the demo course draws with.
std::string sansFontPath();
std::string boldSansFontPath();
