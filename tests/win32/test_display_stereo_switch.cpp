// The switching codes on a screen in memory: the settings from the registry, the picture and
// the length of every hold on the fake clock, the screen afterwards, and the places of the
// program that send them.
#include "support/memory_screen.h"
#include "support/memory_screen_window.h"
#include "support/program_harness.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "display/stereo_switch.h"

#include <memory>
#include <string>

namespace {

constexpr const char* kErrorCodes = "SOFTWARE\\ORBANA\\Error Codes";
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kYellow = 0xFFFF00, kWhite = 0xFFFFFF,
                        kBlack = 0, kGrey = 0x5A5A5A;

std::vector<std::uint32_t> comb(int pairs) {
    std::vector<RowRange> ranges;
    for (int i = 0; i < pairs; ++i) {
        ranges.push_back({4 * i, 4 * i + 1, kWhite});
    }
    return rowsWith(ranges, kBlack);
}

class StereoSwitchTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        screenGeometry = kStereoScreen;
        fake.clock = 5000;
        fake.clockStep = 1;
        screen = std::make_unique<MemoryScreen>();
        screen->fill(kGrey);
    }
    void TearDown() override {
        screen.reset();
        ProgramTest::TearDown();
    }

    // Loads the settings from what the registry holds (nullptr: the value is absent).
    void loadSettings(const char* linesToGo, const char* linesToNoGo, const char* timeToGo) {
        const char* names[] = {"LinesToGo", "LinesToNoGo", "TimeToGo"};
        const char* texts[] = {linesToGo, linesToNoGo, timeToGo};
        for (int i = 0; i < 3; ++i) {
            if (texts[i] != nullptr) {
                writeRegistryString(kErrorCodes, names[i], texts[i]);
            }
        }
        StereoSwitch(StereoLoadSettings);
    }

    std::unique_ptr<MemoryScreen> screen;
};

TEST_F(StereoSwitchTest, OnCodeRowsColoursAndHoldTimes) {
    struct Case {
        const char* name;
        bool key;
        const char* linesToGo;
        const char* timeToGo;
        int pairs;
        std::uint32_t firstHold;
        std::uint32_t secondHold;
    };
    // A value and its terminating zero fill the 50-byte buffer, or are one byte too long.
    const std::string fits = "8" + std::string(48, ' ');
    const std::string tooLong = "8" + std::string(49, ' ');
    const Case cases[] = {
        {"no Error Codes key", false, nullptr, nullptr, 16, 40, 80},
        {"the key without values", true, nullptr, nullptr, 16, 40, 80},
        {"LinesToGo 10", true, "10", nullptr, 2, 40, 80},
        {"LinesToGo 3", true, "3", nullptr, 0, 40, 80},
        {"LinesToGo -8", true, "-8", nullptr, 0, 40, 80},
        {"LinesToGo 768: the whole screen", true, "768", nullptr, 192, 40, 80},
        {"TimeToGo 3: half of it truncated", true, nullptr, "3", 16, 1, 3},
        {"TimeToGo 81", true, nullptr, "81", 16, 40, 81},
        {"TimeToGo 300", true, nullptr, "300", 16, 150, 300},
        {"LinesToGo of blanks, then 48", true, "   48 rows", nullptr, 12, 40, 80},
        {"LinesToGo beginning with a letter", true, "x48", nullptr, 0, 40, 80},
        {"negative TimeToGo", true, nullptr, "-5", 16, 40, 80},
        {"LinesToGo of 49 characters", true, fits.c_str(), nullptr, 2, 40, 80},
        {"LinesToGo too long to read", true, tooLong.c_str(), nullptr, 16, 40, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearProgramRegistry();
        if (c.key) {
            writeRegistryString(kErrorCodes, "Unrelated", "1");
        }
        loadSettings(c.linesToGo, nullptr, c.timeToGo);
        screen->fill(kGrey);
        HoldWatch watch(fake, *screen);

        StereoSwitch(StereoOn);

        const auto& phases = watch.phases();
        ASSERT_EQ(phases.size(), 2u);
        // The coloured rows go over what the screen showed.
        EXPECT_EQ(phases[0].rows, rowsWith({{0, 1, kRed}, {2, 3, kGreen}, {4, 9, kYellow}}, kGrey));
        EXPECT_EQ(phases[0].lastReading - phases[0].firstReading, c.firstHold);
        EXPECT_EQ(phases[1].rows, comb(c.pairs));
        EXPECT_EQ(phases[1].lastReading - phases[1].firstReading, c.secondHold);
        EXPECT_TRUE(screen->allBlack());
    }
}

TEST_F(StereoSwitchTest, OffCodeRowsColoursAndHoldTimes) {
    struct Case {
        const char* linesToNoGo;
        const char* timeToGo;
        int lastBandRow;
        std::uint32_t firstHold;
        std::uint32_t secondHold;
    };
    const Case cases[] = {
        {nullptr, nullptr, 403, 40, 80}, {"20", nullptr, 383, 40, 80}, {"0", nullptr, 364, 40, 80},
        {"-20", nullptr, 364, 40, 80},   {"9999", "81", 767, 40, 81},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linesToNoGo != nullptr ? c.linesToNoGo : "default");
        clearProgramRegistry();
        loadSettings(nullptr, c.linesToNoGo, c.timeToGo);
        screen->fill(kGrey);
        HoldWatch watch(fake, *screen);

        StereoSwitch(StereoOff);

        const auto& phases = watch.phases();
        ASSERT_EQ(phases.size(), 2u);
        const std::vector<RowRange> coloured = {{0, 1, kRed}, {2, 3, kGreen}, {4, 7, kYellow}};
        EXPECT_EQ(phases[0].rows, rowsWith(coloured, kBlack));
        EXPECT_EQ(phases[0].lastReading - phases[0].firstReading, c.firstHold);
        std::vector<RowRange> banded = coloured;
        banded.push_back({364, c.lastBandRow, kWhite});
        EXPECT_EQ(phases[1].rows, rowsWith(banded, kBlack));
        EXPECT_EQ(phases[1].lastReading - phases[1].firstReading, c.secondHold);
        EXPECT_TRUE(screen->allBlack());
    }
}

TEST_F(StereoSwitchTest, HoldsSurviveAWrapOfTheClock) {
    StereoSwitch(StereoLoadSettings);
    fake.clock = 0xFFFFFFF0u;
    HoldWatch watch(fake, *screen);
    StereoSwitch(StereoOn);
    ASSERT_EQ(watch.phases().size(), 2u);
    EXPECT_EQ(watch.phases()[0].lastReading - watch.phases()[0].firstReading, 40u);
    EXPECT_EQ(watch.phases()[1].lastReading - watch.phases()[1].firstReading, 80u);
    EXPECT_EQ(watch.phases()[1].lastReading, 0xFFFFFFF0u + 121u);
}

TEST_F(StereoSwitchTest, SettingsAreLoadedOnlyByTheirOwnAction) {
    loadSettings("10", "20", "100");
    writeRegistryString(kErrorCodes, "TimeToGo", "300"); // a calibration in this run
    StereoSwitch(StereoOff);
    StereoSwitch(StereoOn);
    EXPECT_EQ(switchCodeSettings.linesToGo, 10);
    EXPECT_EQ(switchCodeSettings.linesToNoGo, 20);
    EXPECT_EQ(switchCodeSettings.timeToGo, 100);

    // Other actions draw nothing and do not wait.
    screen->fill(kGrey);
    const std::uint32_t before = fake.clock;
    StereoSwitch(3);
    StereoSwitch(-1);
    EXPECT_EQ(fake.clock, before);
    EXPECT_EQ(screen->rowColours(), rowsWith({}, kGrey));
}

TEST_F(StereoSwitchTest, TheCodesPutTheScreensPenBack) {
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(screenDC, pen);
    StereoSwitch(StereoOn);
    StereoSwitch(StereoOff);
    EXPECT_EQ(GetCurrentObject(screenDC, OBJ_PEN), pen);
    SelectObject(screenDC, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

// The program's own places: start-up, the presentation, the slide chooser.
using StereoPlacesTest = MemoryScreenWindowTest;

TEST_F(StereoPlacesTest, APresentationSwitchesOnAndItsEndOff) {
    presentationState = ContentsState;
    fake.dialogs["ModeAndSeriesSelect"] = [](HWND) -> INT_PTR { return ContentsBegin; };
    HoldWatch watch(fake, *memory);
    SendMessageA(window, WM_PROCEED, ProceedBegin, 0);
    EXPECT_EQ(watch.codes(), (std::vector<std::string>{"on"}));
    SendMessageA(window, WM_PROCEED, ProceedNextSlide, 0); // no slide: the series is over
    EXPECT_EQ(watch.codes(), (std::vector<std::string>{"on", "off"}));
    EXPECT_EQ(presentationState, ContentsState);
}

TEST_F(StereoPlacesTest, TheSlideChooserIsSeenWithoutTheStereoMode) {
    struct Case {
        INT_PTR result;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {ChooserSlideBase + 3, {"off", "on"}},
        {ChooserToContents, {"off"}},
    };
    for (const Case& c : cases) {
        presentationState = PresentingState;
        std::vector<std::string> codesWhileOpen;
        HoldWatch watch(fake, *memory);
        fake.dialogs["Skip"] = [&](HWND) -> INT_PTR {
            codesWhileOpen = watch.codes();
            return c.result;
        };
        SendMessageA(window, WM_MBUTTONDOWN, 0, 0);
        EXPECT_EQ(codesWhileOpen, (std::vector<std::string>{"off"}));
        EXPECT_EQ(watch.codes(), c.codes) << c.result;
        MSG posted; // what the chooser posted is not followed here
        while (PeekMessageA(&posted, window, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
        }
    }
}

TEST_F(ProgramTest, StartUpLoadsTheSettingsThenSwitchesOff) {
    TemporaryDirectory course;
    course.makeDirectory("Corpus\\program");
    writeRegistryString(kErrorCodes, "TimeToGo", "300");
    fake.clockStep = 1;
    std::vector<std::uint32_t> readings;
    fake.onClockReading = [&](std::uint32_t reading) { readings.push_back(reading); };
    bool checked = false;
    fake.dialogs["Intro"] = [&](HWND) -> INT_PTR {
        checked = true;
        EXPECT_EQ(switchCodeSettings.timeToGo, 300);
        // One code, held 150 ms and then 300 ms, before the first dialog.
        EXPECT_EQ(readings.size(), 2u + 150u + 300u);
        EXPECT_EQ(screenGeometry.width, 1024);
        return 1;
    };
    EXPECT_EQ(runProgramToEnd(), 0);
    EXPECT_TRUE(checked);
    fake.onClockReading = nullptr;
}

} // namespace
