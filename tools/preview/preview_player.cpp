#include "preview/preview_player.h"

#include <windows.h>

#include <cstdio>

#include "ground/messages.h"
#include "app/playback.h"
#include "app/presentation_entry.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/state_handlers.h"
#include "content/content_files.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "content/script_line.h"
#include "display/display_globals.h"
#include "preview/preview_platform.h"
#include "quiz/query_file.h"
#include "quiz/quiz_proc.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// screenDC as a memory DC holding a top-down 32-bit DIB section, for as long as it lives.
class MemoryScreen {
  public:
    MemoryScreen() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kScreenWidth;
        info.bmiHeader.biHeight = -kScreenHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        if (dc_ != nullptr && bitmap_ != nullptr) {
            original_ = SelectObject(dc_, bitmap_);
            screenDC = dc_;
        }
    }
    ~MemoryScreen() {
        screenDC = nullptr;
        if (original_ != nullptr) {
            SelectObject(dc_, original_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    MemoryScreen(const MemoryScreen&) = delete;
    MemoryScreen& operator=(const MemoryScreen&) = delete;

    bool ready() const { return screenDC == dc_ && dc_ != nullptr; }

    Picture picture() const {
        GdiFlush();
        Picture p(kScreenWidth, kScreenHeight);
        for (int y = 0; y < kScreenHeight; ++y) {
            for (int x = 0; x < kScreenWidth; ++x) {
                const std::uint32_t v = bits_[y * kScreenWidth + x];
                p.set(x, y,
                      {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                       static_cast<std::uint8_t>(v)});
            }
        }
        return p;
    }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

// The program's fonts and pens, made and released as the main window does.
class SlideResources {
  public:
    SlideResources() {
        createFontTable();
        measureSlideFonts();
        createPenTable();
    }
    ~SlideResources() {
        deleteFontTable();
        deletePenTable();
        releaseSlideImage();
    }
    SlideResources(const SlideResources&) = delete;
    SlideResources& operator=(const SlideResources&) = delete;
    bool ready() const { return programResources.textFont != nullptr && textMeasure.height > 0; }
};

// The next WM_PROCEED code that playback posted (with no window: to this thread), or 0
// when playback waits.
WPARAM nextProceedCode() {
    MSG message;
    if (PeekMessageA(&message, reinterpret_cast<HWND>(-1), WM_PROCEED, WM_PROCEED, PM_REMOVE)) {
        return message.wParam;
    }
    return 0;
}

// Goes on from a wait as the user's click (Lecture and Quiz flow) or the Delay's timer
// (Tutorial flow) would.
void resumeFromWait() {
    if (modeFlags.tutorialMode != 0) {
        delayRunning = 0;
    } else {
        stepping = 1;
        slideUntouched = 0;
    }
    postProceed(nullptr, ProceedNextElement);
}

// Where a click answers the question `name`, from its query file; empty when the file
// cannot be read as a question.
std::string answerRegion(const std::string& name) {
    const auto bytes = readContentFile(slideDirectory + name + ".qer");
    if (!bytes) {
        return {};
    }
    const QueryFileReading reading = readQueryFile(*bytes);
    if (reading.status != QueryFileStatus::Read) {
        return {};
    }
    const QueryTarget& t = reading.query.target;
    char region[64];
    std::snprintf(region, sizeof region, "(%ld,%ld)-(%ld,%ld)", static_cast<long>(t.left),
                  static_cast<long>(t.top), static_cast<long>(t.right),
                  static_cast<long>(t.bottom));
    return region;
}

// Plays a "Query" element with the program's own question: its panel with the prompts in
// both views, which is one of the slide's waits, then its close as after a right answer,
// which puts back the screen under the panel. The quiz pointer is left out, as it is on
// the screen until the student moves the mouse.
void playQuestion(const MemoryScreen& screen, SlideScreens& shown, bool keepStops) {
    const std::string name(textFieldView(slideElements[elementIndex].text));
    const auto ask = [&](UINT message, WPARAM code) {
        return QuizProc(nullptr, message, code, 0, slideElements[elementIndex].text, slideImage,
                        screenDC, currentSlide);
    };
    constexpr int kAwaitClick = 2;
    if (ask(WM_PROCEED, ProceedBegin) == QuizRepost) {
        ask(WM_PROCEED, ProceedBegin);
    }
    if (quizStep() != kAwaitClick) {
        shown.problems.push_back("the question " + name + " cannot be shown: " + slideDirectory +
                                 name + ".qer is missing or holds no question");
    } else {
        if (keepStops) {
            shown.stops.push_back(screen.picture());
        }
        shown.notes.push_back(
            "question " + name +
            (keepStops ? " at group " + std::to_string(shown.stops.size()) : std::string()) +
            ", answered by a click inside " + answerRegion(name));
        if (ask(WM_TIMER, QuizCloseTimer) == QuizRepost) {
            ask(WM_PROCEED, ProceedBegin);
        }
    }
    presentationState = PresentingState;
    if (modeFlags.tutorialMode != 0 && delayRunning == 0) {
        postProceed(nullptr, ProceedNextElement);
    }
}

bool hasScript(const std::string& directory) {
    const SlideDirectory files = slideDirectoryAt(directory);
    return files.findFirst("*.scp").has_value() ||
           (modeFlags.quizMode != 0 && files.findFirst("*.qiz").has_value());
}

// Plays one slide from code 2 until its end posts the next code 2.
SlideScreens playSlide(const MemoryScreen& screen, PreviewPlatform& seam, bool keepStops) {
    SlideScreens shown;
    beginNextSlide(nullptr);
    shown.slide = currentSlide;
    shown.elementCount = slideElements[0].kind;
    if (!hasScript(slideDirectory)) {
        shown.problems.push_back("no slide script in " + slideDirectory);
    }
    // A slide has at most one element per record and one wait per element.
    for (int guard = 0; guard < 4 * kSlideElementRecords; ++guard) {
        const WPARAM code = nextProceedCode();
        if (code == ProceedNextSlide) {
            break;
        }
        if (code == ProceedNextElement) {
            executeNextElement(nullptr);
            const SlideElement& done = slideElements[elementIndex];
            if (done.kind == Image && slideImage == nullptr) {
                shown.problems.push_back("the picture " + slideDirectory +
                                         std::string(textFieldView(done.text)) +
                                         ".duo cannot be shown");
            }
            continue;
        }
        if (code == ProceedBegin && presentationState == QueryState) {
            playQuestion(screen, shown, keepStops);
            continue;
        }
        if (keepStops) {
            shown.stops.push_back(screen.picture());
        }
        resumeFromWait();
    }
    for (std::string& m : seam.takeMessages()) {
        shown.problems.push_back(m);
    }
    shown.final = screen.picture();
    return shown;
}

} // namespace

bool playSeries(const std::string& seriesDirectory, int firstKept, int lastSlide,
                const PreviewSettings& settings, std::vector<SlideScreens>& screens,
                std::string& error) {
    const std::size_t cut = seriesDirectory.find_last_of('\\', seriesDirectory.size() - 2);
    if (cut == std::string::npos) {
        error = "not a series directory: " + seriesDirectory;
        return false;
    }
    courseRoot = seriesDirectory.substr(0, cut + 1);
    std::string series = seriesDirectory.substr(cut + 1);
    if (!series.empty() && series.back() == '\\') {
        series.pop_back();
    }
    if (series.size() >= kSeriesNameSize) {
        error = "series name too long: " + series;
        return false;
    }
    copyTextField(seriesName, series);
    MemoryScreen screen;
    SlideResources resources;
    if (!screen.ready() || !resources.ready()) {
        error = "cannot make the memory screen and the program's fonts";
        return false;
    }
    PreviewPlatform seam(platform());
    installPlatform(&seam);
    screenGeometry = kStereoScreen;
    verticalParallax = settings.verticalParallax;
    lowerImageTop = 404 + settings.verticalParallax;
    modeFlags = modeFlagsFor(settings.mode);
    presentationState = PresentingState;
    slideCount = lastSlide;
    currentSlide = 0;
    delayRunning = narrationPlaying = stepping = paused = runThrough = 0;
    setPresentationDrawing();
    for (int slide = 1; slide <= lastSlide; ++slide) {
        SlideScreens shown = playSlide(screen, seam, settings.keepStops && slide >= firstKept);
        if (slide >= firstKept) {
            screens.push_back(std::move(shown));
        }
    }
    installPlatform(nullptr);
    return true;
}
