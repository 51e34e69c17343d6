// The rules of the installation record and the hard-disk installation: the refusal's
// counted days, the drives that qualify, the drive a chosen row stands for, the content
// location's decision and the copy's path and progress rules.
#include <gtest/gtest.h>

#include "install/install_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(InstallRecord, TheOfferComesAgainAfterMoreThanThirtyCountedDays) {
    struct Case {
        const char* declined;
        CalendarDate today;
        bool offer;
    };
    const Case cases[] = {
        {"7:12:2026", {2, 1, 2027}, false}, // 365 - 330 - 5 = 30
        {"7:12:2026", {3, 1, 2027}, true},  // 31 counted days, 27 calendar days
        {"31:1:2027", {1, 3, 2027}, false}, // 60 - 30 = 30
        {"31:1:2027", {2, 3, 2027}, true},
        {"7:12:2026", {7, 12, 2026}, false},
        {"7:12:2026", {1, 1, 2026}, false}, // a clock set back
        {"", {1, 1, 2026}, true},           // missing: 0:0:0
        {"garbage", {1, 1, 2026}, true},
        {"7:12", {7, 12, 2026}, true},         // year 0
        {" 7: 12: 2026", {2, 1, 2027}, false}, // white space before numbers
        {"7 :12:2026", {7, 12, 2026}, true},   // the separator must follow: 7:0:0
        {"99999999999:99999999999:99999999999", {1, 1, 2026}, false}, // saturates, no overflow
        {"-99999999999:-99999999999:-99999999999", {1, 1, 2026}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(offerAgainAfterRefusal(parseDeclinedDate(c.declined), c.today), c.offer)
            << c.declined << " on " << c.today.day << ":" << c.today.month << ":" << c.today.year;
    }
}

TEST(InstallRecord, TheRefusalDateIsWrittenWithoutLeadingZeros) {
    EXPECT_EQ(formatDeclinedDate({7, 12, 2026}), "7:12:2026");
    EXPECT_EQ(formatDeclinedDate({1, 3, 2027}), "1:3:2027");
    const CalendarDate back = parseDeclinedDate(formatDeclinedDate({31, 1, 2027}));
    EXPECT_EQ(back.day, 31);
    EXPECT_EQ(back.month, 1);
    EXPECT_EQ(back.year, 2027);
}

TEST(InstallDrives, ADriveQualifiesWithMoreFreeBytesThanTheThreshold) {
    EXPECT_FALSE(driveHasSpace(true, 1300000000u, freeSpaceThreshold));
    EXPECT_TRUE(driveHasSpace(true, 1300000001u, freeSpaceThreshold));
    EXPECT_TRUE(driveHasSpace(true, 5000000000000u, freeSpaceThreshold)); // beyond 32 bits
    EXPECT_FALSE(driveHasSpace(false, 5000000000000u, freeSpaceThreshold));
    EXPECT_FALSE(driveHasSpace(true, 0, freeSpaceThreshold)); // a CD drive
}

TEST(InstallDrives, TheChosenDriveIsTakenWhileItStillQualifies) {
    using Drives = std::vector<std::string>;
    struct Case {
        const char* name;
        Drives fresh;
        int row;
        const char* chosen;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"second row", {"C:\\", "E:\\"}, 1, "E:\\", "E:\\"},
        {"a drive came before it", {"C:\\", "D:\\", "E:\\"}, 1, "E:\\", "E:\\"},
        {"the chosen drive lost its space", {"C:\\"}, 1, "E:\\", std::nullopt},
        {"no drive left", {}, 0, "C:\\", std::nullopt},
        {"row only", {"C:\\", "E:\\"}, 1, "", "E:\\"},
        {"row only, outside the list", {"C:\\"}, 1, "", std::nullopt},
        {"row only, negative", {"C:\\"}, -1, "", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(installDriveFor(c.fresh, c.row, c.chosen), c.expected) << c.name;
    }
}

TEST(InstallRecord, TheRecordDecidesBetweenOfferCopyAndScan) {
    using Step = LocationStep;
    struct Case {
        const char* name;
        bool keyCreated;
        std::optional<std::string> path;
        bool driveQualifies;
        const char* lastDeclined;
        Step expected;
    };
    const CalendarDate today = {3, 1, 2027};
    const Case cases[] = {
        {"new key, space", true, std::nullopt, true, "", Step::OfferInstallation},
        {"new key, no space", true, std::nullopt, false, "", Step::ScanDrives},
        {"no Path, space", false, std::nullopt, true, "", Step::OfferInstallation},
        {"no Path, no space", false, std::nullopt, false, "", Step::ScanDrives},
        {"declined long ago", false, "Declined", true, "7:12:2026", Step::OfferInstallation},
        {"declined lately", false, "Declined", true, "8:12:2026", Step::ScanDrives},
        {"declined, no space", false, "Declined", false, "1:1:2000", Step::ScanDrives},
        {"declined, date unreadable", false, "Declined", true, "", Step::OfferInstallation},
        {"installed", false, "C:\\Corpus", true, "", Step::UseInstalledCopy},
        {"installed, no space", false, "C:\\Corpus", false, "", Step::UseInstalledCopy},
        {"declined in other case", false, "declined", true, "", Step::UseInstalledCopy},
    };
    for (const Case& c : cases) {
        int spaceQueries = 0;
        const Step step = planContentLocation(
            c.keyCreated, c.path,
            [&] {
                ++spaceQueries;
                return c.driveQualifies;
            },
            [&] { return std::string(c.lastDeclined); }, today);
        EXPECT_EQ(step, c.expected) << c.name;
        // An installed copy is used without asking the drives for their space.
        EXPECT_EQ(spaceQueries, c.expected == Step::UseInstalledCopy ? 0 : 1) << c.name;
    }
}

TEST(InstallCopy, PathsOverTheLimitAreRefusedAndOwnEntriesPassedOverByName) {
    const std::string directory(190, 'd');
    EXPECT_EQ(copyEntryPath(directory, "12345678"), directory + "\\12345678"); // 199
    EXPECT_EQ(copyEntryPath(directory, "123456789"), std::nullopt);            // 200
    EXPECT_EQ(copyEntryPath("D:\\Corpus", "*.*"), "D:\\Corpus\\*.*");

    EXPECT_TRUE(isDirectoryOwnEntry("."));
    EXPECT_TRUE(isDirectoryOwnEntry(".."));
    EXPECT_FALSE(isDirectoryOwnEntry("..."));
    EXPECT_FALSE(isDirectoryOwnEntry(".hidden"));
    EXPECT_FALSE(isDirectoryOwnEntry("a"));

    EXPECT_EQ(installDirectoryOnDrive("E:\\"), "E:\\Corpus");
    EXPECT_EQ(volumeMarkerOnDrive("D:\\", 1), "D:\\Corpus\\program\\volume1");
    EXPECT_EQ(volumeMarkerOnDrive("D:\\", 2), "D:\\Corpus\\program\\volume2");
}

TEST(InstallCopy, TheProgressBarFillsWithTheFilesDone) {
    struct Case {
        std::size_t done;
        std::size_t total;
        int width;
        int expected;
    };
    const Case cases[] = {
        {0, 10, 398, 0},    {5, 10, 398, 199},
        {10, 10, 398, 398}, {11, 10, 398, 398},
        {0, 0, 398, 398},   {1, 3, 398, 132},
        {3, 10, 0, 0},      {4000000000u, 4000000001u, 398, 397}, // no overflow in the product
    };
    for (const Case& c : cases) {
        EXPECT_EQ(progressFillWidth(c.done, c.total, c.width), c.expected)
            << c.done << " of " << c.total;
    }
}

} // namespace
