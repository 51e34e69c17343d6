// A picture in memory: 8-bit red, green and blue per pixel, row 0 at the top. The author
// tools read photographs into it, draw the demo course into it and write it out.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // red, green, blue; width * 3 bytes per row

    Picture() = default;
    Picture(int w, int h, Rgb fill = {});

    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    // Blends `colour` over the pixel with coverage 0 to 1; outside the picture nothing.
    void blend(int x, int y, Rgb colour, double coverage);
    void fillRect(int left, int top, int w, int h, Rgb colour);
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// `source` scaled with a good filter to exactly `w` x `h` pixels.
Picture scaledPicture(const Picture& source, int w, int h);

struct FittedSize {
    int width;
    int height;
};
// The largest size inside `w` x `h` that shows a `sourceW` x `sourceH` picture with its
// proportions, where a target pixel is `pixelAspect` times as tall as wide.
FittedSize fittedSize(int sourceW, int sourceH, int w, int h, double pixelAspect);

// `source` scaled to fit inside `w` x `h` with its proportions kept as a viewer sees them
// when a pixel of the target is `pixelAspect` times as tall as wide; centred on black.
Picture fittedPicture(const Picture& source, int w, int h, double pixelAspect);

// `source` placed at (x, y) of `target`, clipped.
void pastePicture(Picture& target, const Picture& source, int x, int y);
