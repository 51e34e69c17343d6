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
    // Width in pixels of `text` at `pixelHeight`.
    int width(const std::string& text, double pixelHeight) const;
    // Draws `text` with its baseline at `baseline`, starting at `left`; `stretchY` makes
    // the letters taller than wide (2 for the views the adapter shows at double height).
    void draw(Picture& picture, const std::string& text, int left, int baseline, double pixelHeight,
              Rgb colour, double stretchY = 1.0) const;
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
