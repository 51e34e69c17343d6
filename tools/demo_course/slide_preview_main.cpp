// slide-preview SLIDE_DIR lecture|tutorial|quiz OUT.png: the stereo screen of a slide after
// all its elements have run, drawn without the program: the composed picture, then texts,
// titles, captions and lines in both views with their disparities, erasures included. The
// letters only approximate the program's Arial; for a look at layout and depth.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/duo_file_reading.h"
#include "common/picture_files.h"
#include "common/pixel_conversion.h"
#include "content/colours.h"
#include "content/script_line.h"
#include "content/slide_script.h"
#include "coursecheck/host_files.h"
#include "demo_course/text_renderer.h"
#include "imaging/stereo_composer.h"

namespace {

struct Box {
    int left, top, width, height, shift;
};

Rgb rgbOf(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
            static_cast<std::uint8_t>(colour >> 16)};
}

void drawLine(Picture& p, int x0, int y0, int x1, int y1, Rgb c) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy; x0 != x1 || y0 != y1;) {
        p.set(x0, y0, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void restore(Picture& screen, const Picture& picture, const Box& b) {
    for (int view = 0; view < 2; ++view) {
        const int dx = view == 0 ? 0 : -b.shift;
        const int dy = view == 0 ? 0 : kLowerViewTop;
        for (int y = b.top; y < b.top + b.height; ++y) {
            for (int x = b.left; x < b.left + b.width; ++x) {
                if (picture.contains(x + dx, y + dy)) {
                    screen.set(x + dx, y + dy, picture.at(x + dx, y + dy));
                }
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: slide-preview SLIDE_DIR lecture|tutorial|quiz OUT.png\n"
                                   "       slide-preview --help\n";
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (asksForHelp(args)) {
        return printHelp(std::cout, kUsage);
    }
    for (const std::string& a : args) {
        if (looksLikeOption(a)) {
            return usageError(std::cerr, "slide-preview", kUsage, "unknown option " + a);
        }
    }
    if (args.size() != 3 || (args[1] != "lecture" && args[1] != "tutorial" && args[1] != "quiz")) {
        return usageError(std::cerr, "slide-preview", kUsage,
                          "needs SLIDE_DIR, a mode and OUT.png");
    }
    const std::string mode = argv[2];
    const ModeFlags flags = mode == "tutorial" ? modeFlagsFor(ChosenMode::Tutorial)
                            : mode == "quiz"   ? modeFlagsFor(ChosenMode::Quiz)
                                               : modeFlagsFor(ChosenMode::Lecture);
    std::vector<SlideElement> elements(kSlideElementRecords);
    std::uint32_t colours[kColourCount];
    fillInitialColourTable(colours);
    std::int32_t seen = 1;
    const SlideReading reading =
        readSlideScriptIn(hostSlideDirectory(argv[1]), flags, seen, colours,
                          ElementRecords(elements.data(), kSlideElementRecords));
    const TextRenderer font(sansFontPath());
    Picture picture(1024, 768);
    Picture screen = picture;
    Rgb colour{255, 255, 255};
    int textSize = 10;
    Box titleBox{}, captionBox{};
    std::vector<Box> slots(kEraseSlots), lineSlots(kEraseSlots);
    auto drawText = [&](const std::string& text, int x, int y, int d, int size, int width) {
        const double stretch = width / (0.383 * size);
        const int w = font.width(text, size, stretch);
        font.draw(screen, text, x - w / 2, y, size, colour, stretch);
        font.draw(screen, text, x - d - w / 2, y + kLowerViewTop, size, colour, stretch);
        return Box{x - w / 2, y - size, w, size + size / 4, d};
    };
    for (int i = 1; i <= reading.elementCount; ++i) {
        const SlideElement& e = elements[static_cast<std::size_t>(i)];
        const std::string text(textFieldView(e.text));
        switch (e.kind) {
        case Image: {
            std::string error;
            const auto duo = openDuoFile(std::string(argv[1]) + "/" + text + ".duo", error);
            picture =
                duo ? toPicture(composeStereoImage(duo->file, kLowerViewTop)) : Picture(1024, 768);
            screen = picture;
            break;
        }
        case Title:
            titleBox = drawText(text, 512, 20, 0, 18, 15);
            break;
        case Caption:
            captionBox = drawText(text, 512, 37, 0, 15, 13);
            break;
        case Text:
        case EText: {
            const Box b = drawText(text, e.x, e.y, e.value, textSize, textSize * 9 / 10);
            if (e.kind == EText && e.x2 >= 0 && e.x2 < kEraseSlots) {
                slots[static_cast<std::size_t>(e.x2)] = b;
            }
            break;
        }
        case Line:
        case ELine:
            drawLine(screen, e.x, e.y, e.x2, e.y2, colour);
            drawLine(screen, e.x - e.value, e.y + kLowerViewTop, e.x2 - e.value2,
                     e.y2 + kLowerViewTop, colour);
            if (e.kind == ELine && e.extra >= 0 && e.extra < kEraseSlots) {
                lineSlots[static_cast<std::size_t>(e.extra)] = {
                    std::min(e.x, e.x2), std::min(e.y, e.y2), std::abs(e.x - e.x2) + 2,
                    std::abs(e.y - e.y2) + 2, e.value};
            }
            break;
        case Color:
            colour = rgbOf(colours[e.value]);
            break;
        case Fontsize:
            textSize = e.value;
            break;
        case EraseText:
            restore(screen, picture, slots[static_cast<std::size_t>(e.value % kEraseSlots)]);
            break;
        case EraseLine:
            restore(screen, picture, lineSlots[static_cast<std::size_t>(e.value % kEraseSlots)]);
            break;
        case EraseTitle:
            restore(screen, picture, titleBox);
            break;
        case EraseCaption:
            restore(screen, picture, captionBox);
            break;
        default:
            break;
        }
    }
    std::string error;
    if (!writePictureFile(argv[3], screen, error)) {
        std::fprintf(stderr, "slide-preview: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
