// The start-up checks on the scripted platform: where the content is found, the version
// record in the product key, the system font, the display mode passes, the restart question
// and the fallback to the display as it is.
#include "support/display_check_test.h"
#include "support/program_harness.h"

#include "ground/content_globals.h"
#include "display/display_checks.h"
#include "display/display_globals.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kProduct = "SOFTWARE\\ORBANA\\CorpusView";
const std::string kNoContent =
    "There is no Corpus directory available on this computer.\nYou must insert the Corpus CD.";

std::string driveList(const std::vector<std::string>& roots) {
    std::string list;
    for (const std::string& root : roots) {
        list += root;
        list.push_back('\0');
    }
    return list;
}

class DisplayCheckTest : public DisplayCheckFixture {
  protected:
    std::vector<std::string> captions() const {
        std::vector<std::string> seen;
        for (const RecordedMessageBox& box : fake.messageBoxes) {
            seen.push_back(box.caption);
        }
        return seen;
    }

    TemporaryDirectory here;
};

// Content ------------------------------------------------------------------------------

TEST_F(DisplayCheckTest, ContentInTheCurrentDirectoryIsTakenWithoutAScan) {
    for (bool programIsAFile : {false, true}) {
        SCOPED_TRACE(programIsAFile ? "program is a file" : "program is a directory");
        TemporaryDirectory course;
        if (programIsAFile) {
            course.makeDirectory("Corpus");
            course.writeFile("Corpus\\program", "x");
        } else {
            course.makeDirectory("Corpus\\program");
        }
        courseRoot = kCourseRootNotFound;
        fake.driveListReads = 0;
        EXPECT_EQ(check(), 1);
        EXPECT_EQ(courseRoot, course.path() + "\\Corpus\\");
        EXPECT_EQ(fake.driveListReads, 0) << "no drive is scanned";
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
}

TEST_F(DisplayCheckTest, TheDriveScanTakesTheFirstDriveWithContentAndProgram) {
    // Real directories stand for drive roots; the list's first string is examined for a
    // floppy drive, the others are all looked at in order.
    here.makeDirectory("onlyCorpus\\Corpus");
    here.makeDirectory("full1\\Corpus\\program");
    here.makeDirectory("full2\\Corpus\\program");
    const std::string base = here.path() + "\\";
    struct Case {
        const char* name;
        std::vector<std::string> roots;
        std::string root; // empty: nothing found
    };
    const Case cases[] = {
        {"after A:\\ and a Corpus without program",
         {"A:\\", base + "onlyCorpus\\", base + "full1\\"},
         base + "full1\\Corpus\\"},
        {"the first of two", {base + "full2\\", base + "full1\\"}, base + "full2\\Corpus\\"},
        {"a Corpus without program does not count", {"B:\\", base + "onlyCorpus\\"}, ""},
        {"the first string only is skipped",
         {base + "onlyCorpus\\", base + "full1\\"},
         base + "full1\\Corpus\\"},
        {"no drives", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        courseRoot = kCourseRootNotFound;
        fake.messageBoxes.clear();
        fake.driveStrings = driveList(c.roots);
        const int result = check();
        if (c.root.empty()) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(courseRoot, kCourseRootNotFound);
            ASSERT_EQ(fake.messageBoxes.size(), 1u);
            EXPECT_EQ(fake.messageBoxes[0].text, kNoContent);
            EXPECT_EQ(fake.messageBoxes[0].caption, "No Program Directory!");
            EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_OK));
        } else {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(courseRoot, c.root);
            EXPECT_TRUE(fake.messageBoxes.empty());
        }
        if (screenDC != nullptr) {
            DeleteDC(screenDC);
            screenDC = nullptr;
        }
    }
}

TEST_F(DisplayCheckTest, WithoutContentNothingElseIsCheckedOrChanged) {
    fake.driveStrings = driveList({"C:\\"});
    fake.baseUnits = 9;
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(captions(), (std::vector<std::string>{"No Program Directory!"}));
    EXPECT_EQ(fake.driveListReads, 1);
    EXPECT_EQ(readRegistryString(kProduct, "Newest Version"), "<missing>");
    EXPECT_TRUE(fake.changedModes.empty());
    EXPECT_EQ(screenDC, nullptr);
}

TEST_F(DisplayCheckTest, ACurrentDirectoryLongerThan200CharactersIsNotLookedIn) {
    // Nested so that the current directory is exactly 200 characters, then 201.
    const std::size_t missing = 200 - here.path().size() - 1;
    const std::string name200(missing, 'd');
    here.makeDirectory(name200 + "\\Corpus\\program");
    here.makeDirectory(name200 + "e\\Corpus\\program");
    fake.driveStrings.clear();
    for (const std::string& name : {name200, name200 + "e"}) {
        const std::string directory = here.path() + "\\" + name;
        ASSERT_TRUE(SetCurrentDirectoryA(directory.c_str()));
        courseRoot = kCourseRootNotFound;
        const int result = check();
        EXPECT_EQ(result, directory.size() <= 200 ? 1 : 0) << directory.size();
        if (screenDC != nullptr) {
            DeleteDC(screenDC);
            screenDC = nullptr;
        }
    }
    SetCurrentDirectoryA(here.path().c_str());
}

// The version record ----------------------------------------------------------------------

class VersionRecordTest : public DisplayCheckTest {
  protected:
    void SetUp() override {
        DisplayCheckTest::SetUp();
        here.makeDirectory("Corpus\\program");
    }
};

TEST_F(VersionRecordTest, TheNewestVersionIsKeptInTheProductKey) {
    struct Case {
        const char* name;
        bool key;
        std::string stored; // empty: the value is absent
        std::string after;
        bool warned;
    };
    // 50 characters and the zero do not fit the 50-byte buffer: read as nothing.
    const std::string tooLong(50, '9');
    const Case cases[] = {
        {"no key", false, "", "5.0", false},
        {"5.0", true, "5.0", "5.0", false},
        {"5.1", true, "5.1", "5.1", true},
        {"4.2", true, "4.2", "5.0", false},
        {"no number", true, "newest", "5.0", false},
        {"the key without the value", true, "", "5.0", false},
        {"too long to read", true, tooLong, "5.0", false},
        {"5.00 is the same version", true, "5.00", "5.00", false},
        {"12.0 is newer than 5.0", true, "12.0", "12.0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearProgramRegistry();
        fake.messageBoxes.clear();
        if (c.key) {
            writeRegistryString(kProduct, "Path", "Declined");
        }
        if (!c.stored.empty()) {
            writeRegistryString(kProduct, "Newest Version", c.stored.c_str());
        }
        EXPECT_EQ(check(), 1) << "the warning does not stop the program";
        EXPECT_EQ(readRegistryString(kProduct, "Newest Version"), c.after);
        if (c.warned) {
            ASSERT_EQ(fake.messageBoxes.size(), 1u);
            EXPECT_EQ(fake.messageBoxes[0].text,
                      "A newer version of this program has been run on this machine.\n"
                      "You should locate this version of the program for full benefits.");
            EXPECT_EQ(fake.messageBoxes[0].caption, "Obsolete Version Warning!");
            EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_OK));
        } else {
            EXPECT_TRUE(fake.messageBoxes.empty());
        }
        if (c.key) {
            EXPECT_EQ(readRegistryString(kProduct, "Path"), "Declined") << "other values stay";
        }
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
}

TEST_F(VersionRecordTest, ANewProductKeyHasTheProgramsClass) {
    EXPECT_EQ(check(), 1);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProduct, 0, KEY_READ, &key), ERROR_SUCCESS);
    char keyClass[64] = {};
    DWORD length = sizeof keyClass;
    RegQueryInfoKeyA(key, keyClass, &length, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_STREQ(keyClass, "ORBANA Object");
}

// The system font ---------------------------------------------------------------------------

TEST_F(VersionRecordTest, OnlyTheStandardSystemFontsPass) {
    struct Case {
        LONG baseUnits;
        int result;
        int largeDialogs;
    };
    const Case cases[] = {
        {0x00100008, 1, 1},  {0x0014000A, 1, 0},  {0x00100009, 0, -1},
        {0x0010000C, 0, -1}, {0x00100007, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baseUnits);
        fake.messageBoxes.clear();
        fake.changedModes.clear();
        largeDialogs = -1;
        fake.baseUnits = c.baseUnits;
        EXPECT_EQ(check(), c.result);
        EXPECT_EQ(largeDialogs, c.largeDialogs);
        if (c.result == 0) {
            ASSERT_EQ(fake.messageBoxes.size(), 1u);
            EXPECT_EQ(fake.messageBoxes[0].text,
                      "You must set your system font back to a standard (Large or Small)\n"
                      "size to continue.  This can be done with the Display control.");
            EXPECT_EQ(fake.messageBoxes[0].caption, "Abnormal System Font Selected!");
            EXPECT_TRUE(fake.changedModes.empty()) << "the display is left as it is";
            EXPECT_EQ(screenDC, nullptr);
        } else {
            EXPECT_TRUE(fake.messageBoxes.empty());
            DeleteDC(screenDC);
            screenDC = nullptr;
        }
    }
}

TEST_F(VersionRecordTest, TheVersionWarningComesBeforeTheFontCheck) {
    writeRegistryString(kProduct, "Newest Version", "6.0");
    fake.baseUnits = 12;
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Obsolete Version Warning!",
                                                    "Abnormal System Font Selected!"}));
}

} // namespace
