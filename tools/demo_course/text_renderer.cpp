#include "demo_course/text_renderer.h"

#include <cmath>

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_truetype.h>
#pragma GCC diagnostic pop

#include "common/picture_files.h"

struct TextRenderer::Font {
    stbtt_fontinfo info;
};

TextRenderer::TextRenderer(const std::string& fontPath) : font_(std::make_unique<Font>()) {
    auto bytes = readFileBytes(fontPath);
    if (!bytes) {
        return;
    }
    data_ = std::move(*bytes);
    loaded_ = stbtt_InitFont(&font_->info, data_.data(),
                             stbtt_GetFontOffsetForIndex(data_.data(), 0)) != 0;
}

TextRenderer::~TextRenderer() = default;

int TextRenderer::width(const std::string& text, double pixelHeight, double stretchX) const {
    if (!loaded_) {
        return 0;
    }
    const float scale = stbtt_ScaleForPixelHeight(&font_->info, static_cast<float>(pixelHeight)) *
                        static_cast<float>(stretchX);
    double x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        int advance = 0;
        int bearing = 0;
        const int c = static_cast<unsigned char>(text[i]);
        stbtt_GetCodepointHMetrics(&font_->info, c, &advance, &bearing);
        x += advance * scale;
        if (i + 1 < text.size()) {
            x += scale * stbtt_GetCodepointKernAdvance(&font_->info, c,
                                                       static_cast<unsigned char>(text[i + 1]));
        }
    }
    return static_cast<int>(std::lround(x));
}

void TextRenderer::draw(Picture& picture, const std::string& text, int left, int baseline,
                        double pixelHeight, Rgb colour, double stretchX) const {
    if (!loaded_) {
        return;
    }
    const float scaleY = stbtt_ScaleForPixelHeight(&font_->info, static_cast<float>(pixelHeight));
    const float scale = scaleY * static_cast<float>(stretchX);
    double x = left;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        int w = 0;
        int h = 0;
        int xoff = 0;
        int yoff = 0;
        const float shift = static_cast<float>(x - std::floor(x));
        unsigned char* glyph = stbtt_GetCodepointBitmapSubpixel(&font_->info, scale, scaleY, shift,
                                                                0, c, &w, &h, &xoff, &yoff);
        if (glyph != nullptr) {
            for (int gy = 0; gy < h; ++gy) {
                for (int gx = 0; gx < w; ++gx) {
                    picture.blend(static_cast<int>(std::floor(x)) + xoff + gx, baseline + yoff + gy,
                                  colour, glyph[gy * w + gx] / 255.0);
                }
            }
            stbtt_FreeBitmap(glyph, nullptr);
        }
        int advance = 0;
        int bearing = 0;
        stbtt_GetCodepointHMetrics(&font_->info, c, &advance, &bearing);
        x += advance * scale;
        if (i + 1 < text.size()) {
            x += scale * stbtt_GetCodepointKernAdvance(&font_->info, c,
                                                       static_cast<unsigned char>(text[i + 1]));
        }
    }
}

void TextRenderer::drawCentred(Picture& picture, const std::string& text, int centreX, int baseline,
                               double pixelHeight, Rgb colour) const {
    draw(picture, text, centreX - width(text, pixelHeight) / 2, baseline, pixelHeight, colour);
}

std::string sansFontPath() {
    return "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
}

std::string boldSansFontPath() {
    return "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
}
