// One slide: its script read in each mode by the program's reader, the files its elements
// name, the slot numbers, colours and positions they use, and its icon.
#include <array>
#include <map>
#include <set>
#include <vector>

#include "ground/colours.h"
#include "content/line_walker.h"
#include "content/script_line.h"
#include "content/slide_script.h"
#include "coursecheck/course_checks.h"
#include "coursecheck/file_checks.h"
#include "coursecheck/slide_display.h"
#include "duo/duo_screen.h"

namespace {

struct ModeRun {
    const char* name;
    ModeFlags flags;
};

const std::array<ModeRun, 3> kModes = {{{"Lecture Mode", modeFlagsFor(ChosenMode::Lecture)},
                                        {"Tutorial Mode", modeFlagsFor(ChosenMode::Tutorial)},
                                        {"Quiz Mode", modeFlagsFor(ChosenMode::Quiz)}}};

// A problem is reported once however many modes meet it.
class SlideProblems {
  public:
    explicit SlideProblems(const CheckContext& c) : c_(c) {}
    void add(const fs::path& file, int line, const std::string& text) {
        if (seen_.insert(file.string() + ":" + std::to_string(line) + ":" + text).second) {
            c_.problems.add(file, line, text);
        }
    }

    // The query files the slide names, each checked once.
    std::set<fs::path> queryFiles;
    // Pictures and sounds already checked: each is reported once, as itself.
    std::set<fs::path> checkedFiles;

  private:
    const CheckContext& c_;
    std::set<std::string> seen_;
};

std::string slidePrefix(const std::string& series, int number) {
    return series + "\\Slide" + std::to_string(number) + "\\";
}

// A file an element names: present, usable, and its path within the program's buffer.
void checkNamedFile(SlideProblems& out, const fs::path& slideDir, const fs::path& script, int line,
                    const std::string& prefix, const std::string& name, const char* extension,
                    std::optional<std::string> (*check)(const fs::path&)) {
    const std::string file = name + extension;
    if (name.empty()) {
        out.add(script, line, std::string("names no ") + extension + " file");
        return;
    }
    const int length = kAssumedRootLength + static_cast<int>(prefix.size() + file.size());
    if (length > kSlidePathLimit) {
        out.add(script, line,
                "the path of " + file + " is " + std::to_string(length) +
                    " characters from a CD's root: the program's limit is 79");
    }
    const auto path = findEntry(slideDir, file);
    if (!path) {
        out.add(script, line, file + " is missing");
        return;
    }
    if (check != nullptr && out.checkedFiles.insert(*path).second) {
        if (const auto problem = check(*path)) {
            out.add(*path, 0, *problem);
        }
    }
}

void checkSlot(SlideProblems& out, const fs::path& script, int line, std::int32_t slot) {
    if (slot < 0 || slot >= kEraseSlots) {
        out.add(script, line, "slot number " + std::to_string(slot) + " is outside 0 to 99");
    }
}

void checkPoint(SlideProblems& out, const fs::path& script, int line, std::int32_t x,
                std::int32_t y) {
    if (x < 0 || x > 1023 || y < 0 || y > 363) {
        out.add(script, line,
                "point (" + std::to_string(x) + ", " + std::to_string(y) +
                    ") lies outside the upper view (0 to 1023, 0 to 363)");
    }
}

// What the raw lines say that the elements no longer show: a text without its comma.
void checkRawLines(SlideProblems& out, const fs::path& script, const std::string& bytes) {
    LineWalker walker(bytes, kScriptLineRules);
    ContentLine line{};
    while (walker.next(line)) {
        const KeywordSplit split = splitKeyword(line.text);
        if ((split.keyword == "Text" || split.keyword == "EText") &&
            split.arguments.find(',') == std::string_view::npos) {
            out.add(script, line.number, "no comma after the text: its position reads as 0, 0");
        }
    }
}

void checkElements(SlideProblems& out, const fs::path& slideDir, const fs::path& script,
                   const std::string& prefix, const SlideElement* elements,
                   const SlideReading& reading) {
    for (int i = 1; i <= reading.elementCount; ++i) {
        const SlideElement& e = elements[i];
        const int line = reading.elementLines[static_cast<std::size_t>(i - 1)];
        const std::string text(textFieldView(e.text));
        switch (e.kind) {
        case Image:
            checkNamedFile(out, slideDir, script, line, prefix, text, ".duo", duoProblem);
            break;
        case Narration:
            checkNamedFile(out, slideDir, script, line, prefix, text, ".wav", waveProblem);
            break;
        case Query:
            checkNamedFile(out, slideDir, script, line, prefix, text, ".qer", nullptr);
            if (const auto q = findEntry(slideDir, text + ".qer")) {
                out.queryFiles.insert(*q);
            }
            break;
        case Text:
            checkPoint(out, script, line, e.x, e.y);
            break;
        case EText:
            checkPoint(out, script, line, e.x, e.y);
            checkSlot(out, script, line, e.x2);
            break;
        case Line:
            checkPoint(out, script, line, e.x, e.y);
            checkPoint(out, script, line, e.x2, e.y2);
            break;
        case ELine:
            checkPoint(out, script, line, e.x, e.y);
            checkPoint(out, script, line, e.x2, e.y2);
            checkSlot(out, script, line, e.extra);
            break;
        case EraseText:
        case EraseLine:
            checkSlot(out, script, line, e.value);
            break;
        case Color:
            if (e.value < 0 || e.value >= kColourCount) {
                out.add(script, line,
                        "colour index " + std::to_string(e.value) + " is outside 0 to 199");
            }
            break;
        case Fontsize:
            if (e.value <= 0) {
                out.add(script, line,
                        "text size " + std::to_string(e.value) +
                            " is not a positive number of pixels");
            }
            break;
        case Delay:
            if (e.value < 0) {
                out.add(script, line, "a delay of " + std::to_string(e.value) + " seconds");
            }
            break;
        default:
            break;
        }
    }
}

void reportReading(SlideProblems& out, const fs::path& script, const char* mode,
                   const SlideReading& reading) {
    if (reading.message) {
        out.add(script, reading.truncatedAtLine,
                std::string(mode) + " truncates the slide here at element " +
                    std::to_string(reading.elementCount) + " (\"Script File Error\": " +
                    reading.message->text.substr(0, reading.message->text.find('\n')) + ")");
    }
    for (int line : reading.overlongLines) {
        out.add(script, line, "longer than 100 bytes with its line end");
    }
    if (reading.elementsDropped > 0) {
        out.add(script, 0,
                std::string(mode) + " reads more than 998 elements: " +
                    std::to_string(reading.elementsDropped) + " are dropped");
    }
    if (reading.hexColoursRefused > 0) {
        out.add(script, 0,
                "more than 190 hexadecimal colours: " + std::to_string(reading.hexColoursRefused) +
                    " get no colour-table entry");
    }
}

} // namespace

void checkSlide(const CheckContext& c, const fs::path& slideDir, const std::string& series,
                int number, ModeLooks& looks) {
    SlideProblems out(c);
    const std::string prefix = slidePrefix(series, number);
    for (const char* pattern : {"*.scp", "*.qiz", "*.icn", "*.ind"}) {
        const auto names = matchingFiles(slideDir, pattern);
        if (names.size() > 1) {
            out.add(slideDir / names[1], 0,
                    std::string("a second ") + (pattern + 1) + " file: the program takes only " +
                        names.front());
        }
    }
    const SlideDirectory dir = hostSlideDirectory(slideDir);
    std::vector<SlideElement> elements(kSlideElementRecords);
    // The slide's screens as the program composes them, made once for all modes.
    std::map<std::string, std::optional<Picture>> screens;
    const auto screenOf = [&](const std::string& imageName) -> const Picture* {
        auto found = screens.find(imageName);
        if (found == screens.end()) {
            const auto path = findEntry(slideDir, imageName + ".duo");
            std::string error;
            found = screens
                        .emplace(imageName,
                                 path ? composeDuoScreen(path->string(), 0, error) : std::nullopt)
                        .first;
        }
        return found->second ? &*found->second : nullptr;
    };
    std::map<std::string, std::optional<PictureDepth>> depths;
    const auto depthOf = [&](const std::string& imageName) -> const PictureDepth* {
        auto found = depths.find(imageName);
        if (found == depths.end()) {
            const Picture* screen = screenOf(imageName);
            found = depths
                        .emplace(imageName, screen ? std::optional(measurePictureDepth(*screen))
                                                   : std::nullopt)
                        .first;
        }
        return found->second ? &*found->second : nullptr;
    };
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        const ModeRun& mode = kModes[m];
        std::uint32_t colours[kColourCount];
        fillInitialColourTable(colours);
        std::int32_t narrationSeen = 1;
        const SlideReading reading =
            readSlideScriptIn(dir, mode.flags, narrationSeen, colours,
                              ElementRecords(elements.data(), kSlideElementRecords));
        const fs::path script = slideDir / reading.fileName;
        if (reading.fileName.empty()) {
            continue;
        }
        if (const auto bytes = readHostFile(script)) {
            checkRawLines(out, script, *bytes);
        }
        reportReading(out, script, mode.name, reading);
        checkElements(out, slideDir, script, prefix, elements.data(), reading);
        checkSlideDisplay(
            {mode.name, mode.flags, elements.data(), reading, colours, screenOf, depthOf}, looks[m],
            [&](int line, const std::string& text) { out.add(script, line, text); });
    }
    for (const fs::path& query : out.queryFiles) {
        checkQueryFile(c, query);
    }
    const auto icons = matchingFiles(slideDir, "*.icn");
    if (icons.empty()) {
        out.add(slideDir, 0, "no .icn icon: the slide chooser shows no picture for it");
    } else if (const auto problem = directBitmapProblem(slideDir / icons.front())) {
        out.add(slideDir / icons.front(), 0, *problem);
    }
}
