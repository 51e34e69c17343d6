// The display mode passes on the scripted platform: which modes are tried and how, the
// restart question, and the fallback to the display as it already runs.
#include "support/display_check_test.h"
#include "support/program_harness.h"

#include "ground/content_globals.h"
#include "display/display_checks.h"
#include "display/display_globals.h"

#include <string>
#include <vector>

namespace {

constexpr DWORD kWantedFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;

class DisplayModeTest : public DisplayCheckFixture {
  protected:
    void SetUp() override {
        DisplayCheckFixture::SetUp();
        here.makeDirectory("Corpus\\program");
    }

    // Each tried mode as "width x height x bits @ frequency".
    std::vector<std::string> triedModes() const {
        std::vector<std::string> tried;
        for (const DEVMODEA& mode : fake.changedModes) {
            EXPECT_EQ(mode.dmFields, kWantedFields);
            tried.push_back(
                std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + "x" +
                std::to_string(mode.dmBitsPerPel) + "@" + std::to_string(mode.dmDisplayFrequency));
        }
        return tried;
    }

    TemporaryDirectory here;
};

using Modes = std::vector<std::string>;

TEST_F(DisplayModeTest, PassesFor32Then24Then16Bits) {
    struct Case {
        const char* name;
        std::vector<DEVMODEA> offered;
        std::vector<LONG> results;
        Modes tried;
    };
    const Case cases[] = {
        {"a normal display", {displayMode(1024, 768, 32, 60)}, {}, {"1024x768x32@60"}},
        {"1024 x 768 only at 16 bits",
         {displayMode(1280, 1024, 32, 60), displayMode(1024, 768, 16, 60),
          displayMode(800, 600, 32, 60)},
         {},
         {"1024x768x16@60"}},
        {"the deepest pass first, whatever the order of the list",
         {displayMode(1024, 768, 16, 60), displayMode(1024, 768, 24, 60),
          displayMode(1024, 768, 32, 60)},
         {},
         {"1024x768x32@60"}},
        {"32-bit modes that all reject 60 Hz: every one is tried, then 24 bits",
         {displayMode(1024, 768, 32, 70), displayMode(1024, 768, 24, 60),
          displayMode(1024, 768, 32, 85)},
         {DISP_CHANGE_BADMODE, DISP_CHANGE_FAILED},
         {"1024x768x32@60", "1024x768x32@60", "1024x768x24@60"}},
        {"a mode's own refresh rate is not compared, 60 Hz is asked for",
         {displayMode(1024, 768, 32, 0)},
         {},
         {"1024x768x32@60"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.displayModes = c.offered;
        fake.changeResults.assign(c.results.begin(), c.results.end());
        fake.changedModes.clear();
        EXPECT_EQ(check(), 1);
        EXPECT_EQ(triedModes(), c.tried);
        EXPECT_EQ(GetObjectType(screenDC), static_cast<DWORD>(OBJ_DC));
        EXPECT_TRUE(fake.beeps.empty());
        EXPECT_TRUE(fake.messageBoxes.empty());
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
}

TEST_F(DisplayModeTest, AChangeThatNeedsARestartAsksAndStops) {
    struct Case {
        int answer;
        std::vector<std::pair<UINT, DWORD>> exits;
    };
    const Case cases[] = {
        {IDYES, {{EWX_REBOOT, 0}}},
        {IDNO, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == IDYES ? "Yes" : "No");
        fake.displayModes = {displayMode(1024, 768, 32, 60), displayMode(1024, 768, 24, 60),
                             displayMode(1024, 768, 16, 60)};
        fake.changeResults = {DISP_CHANGE_BADMODE, DISP_CHANGE_RESTART};
        fake.changedModes.clear();
        fake.messageBoxes.clear();
        fake.exitRequests.clear();
        fake.messageBoxAnswers = {c.answer};
        EXPECT_EQ(check(), 0);
        EXPECT_EQ(triedModes(), (Modes{"1024x768x32@60", "1024x768x24@60"}))
            << "no pass after the restart question";
        ASSERT_EQ(fake.messageBoxes.size(), 1u);
        EXPECT_EQ(fake.messageBoxes[0].text,
                  "You must restart your computer to obtain thecorrect graphics mode "
                  "(1024x768x24).\nDo you wish to do this now?");
        EXPECT_EQ(fake.messageBoxes[0].caption, "Restart Computer!");
        EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_YESNO));
        EXPECT_EQ(fake.exitRequests, c.exits);
        EXPECT_EQ(screenDC, nullptr);
    }
}

TEST_F(DisplayModeTest, NoModeSetButTheDisplayAlreadyUsable) {
    // The test screen runs at 1024 x 768 x 32.
    struct Case {
        const char* name;
        std::vector<DEVMODEA> offered;
        std::vector<LONG> results;
    };
    const Case cases[] = {
        {"no mode of that size", {displayMode(1280, 1024, 32, 60)}, {}},
        {"no mode at all", {}, {}},
        {"every change fails",
         {displayMode(1024, 768, 32, 60), displayMode(1024, 768, 16, 60)},
         {DISP_CHANGE_BADMODE, DISP_CHANGE_FAILED}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.displayModes = c.offered;
        fake.changeResults.assign(c.results.begin(), c.results.end());
        fake.beeps.clear();
        EXPECT_EQ(check(), 1);
        EXPECT_EQ(fake.beeps, (std::vector<unsigned>(3, MB_ICONEXCLAMATION)));
        EXPECT_TRUE(fake.messageBoxes.empty());
        EXPECT_EQ(GetObjectType(screenDC), static_cast<DWORD>(OBJ_DC));
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
}

// Wine: the test screen's depth can be changed for real (X11 driver), which stands here for
// a display card that cannot run 1024 x 768 with 16 bits or more.
TEST_F(DisplayModeTest, NoModeSetAndTheDisplayUnusable) {
    DEVMODEA eightBits = {};
    eightBits.dmSize = sizeof eightBits;
    eightBits.dmPelsWidth = 1024;
    eightBits.dmPelsHeight = 768;
    eightBits.dmBitsPerPel = 8;
    eightBits.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    ASSERT_EQ(ChangeDisplaySettingsA(&eightBits, 0), DISP_CHANGE_SUCCESSFUL);
    fake.displayModes = {displayMode(1024, 768, 8, 60)};
    const int result = check();
    ChangeDisplaySettingsA(nullptr, 0);

    EXPECT_EQ(result, 0);
    EXPECT_TRUE(fake.beeps.empty());
    EXPECT_TRUE(fake.changedModes.empty()) << "an 8-bit mode is never tried";
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].text,
              "Your graphics card does not appear to support at least 1024x768 pixels "
              "resolution with 16 bit color at 60Hz.\nIf you believe that your card should "
              "support this mode (as any 2MB or better video\ncard can), then you should "
              "consult your manual to set your card to such a mode.");
    EXPECT_EQ(fake.messageBoxes[0].caption, "No graphics mode available!");
    EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(screenDC, nullptr);
}

} // namespace
