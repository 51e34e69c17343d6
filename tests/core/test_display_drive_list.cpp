// Which drive roots the content scan looks at, and the paths it looks for.
#include <gtest/gtest.h>

#include "install/drive_scan_rules.h"

#include <string>
#include <vector>

namespace {

std::string list(std::initializer_list<const char*> roots) {
    std::string text;
    for (const char* root : roots) {
        text += root;
        text.push_back('\0');
    }
    return text; // the system's count leaves out the final empty string
}

using Roots = std::vector<std::string>;

TEST(DriveList, OnlyAFirstFloppyDriveIsLeftOut) {
    struct Case {
        const char* name;
        std::string drives;
        Roots expected;
    };
    const Case cases[] = {
        {"A B C D", list({"A:\\", "B:\\", "C:\\", "D:\\"}), {"B:\\", "C:\\", "D:\\"}},
        {"lower-case a", list({"a:\\", "c:\\"}), {"c:\\"}},
        {"B first", list({"B:\\", "C:\\"}), {"C:\\"}},
        {"lower-case b first", list({"b:\\", "C:\\"}), {"C:\\"}},
        {"A after B", list({"B:\\", "A:\\", "C:\\"}), {"A:\\", "C:\\"}},
        {"no floppy", list({"C:\\", "D:\\", "E:\\"}), {"C:\\", "D:\\", "E:\\"}},
        {"C only", list({"C:\\"}), {"C:\\"}},
        {"A only", list({"A:\\"}), {}},
        {"A without backslash", list({"A:", "C:\\"}), {"A:", "C:\\"}},
        {"empty", "", {}},
        {"ended early by an empty string", std::string("C:\\\0\0D:\\\0", 9), {"C:\\"}},
        {"last string without its zero", std::string("C:\\\0D:\\", 7), {"C:\\", "D:\\"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(driveRootsToScan(c.drives), c.expected) << c.name;
    }
}

TEST(DriveList, ContentPathsOnADriveAndInADirectory) {
    const ContentPaths drive = contentPathsOnDrive("D:\\");
    EXPECT_EQ(drive.directory, "D:\\Corpus");
    EXPECT_EQ(drive.program, "D:\\Corpus\\program");
    EXPECT_EQ(drive.root, "D:\\Corpus\\");

    const ContentPaths directory = contentPathsInDirectory("C:\\Course");
    EXPECT_EQ(directory.directory, "C:\\Course\\Corpus");
    EXPECT_EQ(directory.program, "C:\\Course\\Corpus\\program");
    EXPECT_EQ(directory.root, "C:\\Course\\Corpus\\");

    // Started from a drive root: no doubled backslash in every content path.
    EXPECT_EQ(contentPathsInDirectory("E:\\").root, "E:\\Corpus\\");
    EXPECT_EQ(contentPathsInDirectory("E:\\").program, "E:\\Corpus\\program");
}

} // namespace
