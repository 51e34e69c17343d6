// The content location and the hard-disk installation, run for real on directories that
// the scripted drive list names as drives, with the registry of the test's prefix.
#include <gtest/gtest.h>

#include "ground/messages.h"
#include "ground/content_globals.h"
#include "install/drive_select_ids.h"
#include "install/install_texts.h"
#include "install/install_volumes.h"
#include "install/locate_content.h"
#include "install/product_key.h"
#include "support/install_drives.h"
#include "support/program_harness.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kRoom = 2000000000u;

// Volume I and Volume II with the files a copy must merge: shared names that Volume II
// overwrites, the combined files, a read-only file as CDs carry them, and the program file.
void writeVolumes(const TemporaryDirectory& temporary) {
    for (const char* directory : {"VolumeI/Corpus/program", "VolumeI/Corpus/Skull/Slide1",
                                  "VolumeII/Corpus/program", "VolumeII/Corpus/Knee/Slide1"}) {
        temporary.makeDirectory(directory);
    }
    const std::pair<const char*, const char*> files[] = {
        {"VolumeI/Corpus/program/volume1", ""},
        {"VolumeI/Corpus/config.dat", "Skull\n"},
        {"VolumeI/Corpus/index.dat", "index one\n"},
        {"VolumeI/Corpus/program/intro.bmp", "intro one"},
        {"VolumeI/Corpus/program/Prompt.wav", "prompt one"},
        {"VolumeI/Corpus/Skull/Slide1/skull.scp", "Image skull.duo\n"},
        {"VolumeII/Corpus/program/volume2", ""},
        {"VolumeII/Corpus/config.dat", "Knee\n"},
        {"VolumeII/Corpus/index.dat", "index two\n"},
        {"VolumeII/Corpus/program/intro.bmp", "intro two"},
        {"VolumeII/Corpus/program/Prompt.wav", "prompt two"},
        {"VolumeII/Corpus/program/fullconfig.dat", "Skull\nKnee\n"},
        {"VolumeII/Corpus/program/fullindex.dat", "index both\n"},
        {"VolumeII/Corpus/program/fullintro.bmp", "intro both"},
        {"VolumeII/Corpus/program/CorpusView.exe", "the program"},
        {"VolumeII/Corpus/Knee/Slide1/knee.scp", "Image knee.duo\n"},
    };
    for (const auto& [path, bytes] : files) {
        temporary.writeFile(path, bytes);
    }
    SetFileAttributesA((temporary.path() + "\\VolumeI\\Corpus\\Skull\\Slide1\\skull.scp").c_str(),
                       FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((temporary.path() + "\\VolumeII\\Corpus\\program\\fullindex.dat").c_str(),
                       FILE_ATTRIBUTE_READONLY);
}

// What the copy must hold: Volume II over Volume I, then the combined files.
std::vector<std::string> expectedCopy() {
    return {
        "Knee\\Slide1\\knee.scp=Image knee.duo\n",
        "Skull\\Slide1\\skull.scp=Image skull.duo\n",
        "config.dat=Skull\nKnee\n",
        "index.dat=index both\n",
        "program\\CorpusView.exe=the program",
        "program\\Prompt.wav=prompt two",
        "program\\fullconfig.dat=Skull\nKnee\n",
        "program\\fullindex.dat=index both\n",
        "program\\fullintro.bmp=intro both",
        "program\\intro.bmp=intro both",
        "program\\volume1=",
        "program\\volume2=",
    };
}

class InstallTest : public InstallWalkTest {
  protected:
    void SetUp() override {
        InstallWalkTest::SetUp();
        writeVolumes(temporary);
    }

    std::string path() { return readRegistryString(kProductKey, "Path"); }
    // A drive selection that picks a row by its text, as a user does.
    void chooseInDialog(const std::string& drive) {
        fake.realDialogs["DriveSelect"] = [drive](HWND dialog) {
            const HWND list = GetDlgItem(dialog, IDC_DRIVE_LIST);
            SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(drive.c_str()));
            SendDlgItemMessageA(dialog, IDC_DRIVE_OK, BM_CLICK, 0, 0);
        };
    }
};

TEST_F(InstallTest, BothVolumesAreCopiedMergedAndRecorded) {
    const std::string c = drives.addDrive('C', kRoom);
    const std::string cd = drives.addDrive('D', 0);
    const std::string e = drives.addDrive('E', kRoom);
    drives.insert(2, cd); // the wrong CD is in the drive at first
    chooseInDialog(e);    // the second qualifying drive
    int volumeOnePrompts = 0;
    fake.onMessageBox = [&](const RecordedMessageBox& box) {
        if (box.text == kInsertVolumeOneText && ++volumeOnePrompts == 2) {
            drives.eject(2);
            drives.insert(1, cd);
        }
        if (box.text == kInsertVolumeTwoText) {
            drives.eject(1);
            drives.insert(2, cd);
        }
    };
    fake.messageBoxAnswers = {IDYES};

    ASSERT_EQ(locate(), HandlerDone);

    const std::vector<std::string> expectedCaptions = {
        "Installation Opportunity!", "Ready To Start", "Insert CD", "Insert CD", "Insert CD",
        "Installation Complete!"};
    EXPECT_EQ(boxCaptions(fake), expectedCaptions);
    for (const RecordedMessageBox& box : fake.messageBoxes) {
        EXPECT_EQ(box.owner, window) << box.caption;
    }
    EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(fake.messageBoxes[2].type, static_cast<unsigned>(MB_OKCANCEL));
    EXPECT_EQ(fake.messageBoxes[4].type, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(fake.messageBoxes[5].text, kCompleteText);

    const std::string copy = e + "Corpus";
    EXPECT_EQ(treeListing(copy), expectedCopy());
    // Copied files are read-write; the combined files keep the CD's attributes.
    SetFileAttributesA((copy + "\\index.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(anyReadOnly(copy));
    EXPECT_EQ(path(), copy);
    EXPECT_EQ(courseRoot, copy + "\\");
    EXPECT_EQ(GetFileAttributesA((c + "Corpus").c_str()), INVALID_FILE_ATTRIBUTES);

    // The Start Menu folder is longer than 50 bytes here, and the program is in it.
    const std::string startMenu = readStartMenuFolder();
    EXPECT_GT(startMenu.size(), 50u);
    const std::string entry = startMenu + "\\CorpusView.exe";
    const std::vector<std::string> program = treeListing(startMenu);
    EXPECT_NE(std::find(program.begin(), program.end(), "CorpusView.exe=the program"),
              program.end());
    DeleteFileA(entry.c_str());

    // The next start runs from the copy, before the CD in the drive, without an offer.
    fake.messageBoxes.clear();
    courseRoot = kCourseRootNotFound;
    EXPECT_EQ(locate(), HandlerDone);
    EXPECT_EQ(courseRoot, copy + "\\");
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(InstallTest, ASecondInstallationReplacesReadOnlyFilesOfTheFirst) {
    const std::string cd = drives.addDrive('D', 0);
    const std::string e = drives.addDrive('E', kRoom);
    const std::string copy = e + "Corpus";
    for (int installation = 0; installation < 2; ++installation) {
        drives.eject(2);
        drives.insert(1, cd);
        fake.onMessageBox = [&](const RecordedMessageBox& box) {
            if (box.text == kInsertVolumeTwoText) {
                drives.eject(1);
                drives.insert(2, cd);
            }
        };
        fake.messageBoxes.clear();
        fake.messageBoxAnswers = {IDYES};
        fake.dialogs["DriveSelect"] = [](HWND) { return 0; };
        clearProgramRegistry();
        if (installation == 1) {
            // The earlier copy's combined index is read-only; the volume's own one differs.
            SetFileAttributesA((copy + "\\index.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
            writeWholeFile(copy + "\\index.dat", "stale");
            SetFileAttributesA((copy + "\\index.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        }
        ASSERT_EQ(locate(), HandlerDone) << installation;
        EXPECT_EQ(boxCaptions(fake).back(), "Installation Complete!") << installation;
        EXPECT_EQ(path(), copy) << installation;
    }
    EXPECT_EQ(treeListing(copy), expectedCopy());
}

// The target drive's letter comes before the CD's: the copy that failed must not be found
// by the scan, now or at the next start, and must not be taken for a CD when the user tries
// again.
TEST_F(InstallTest, ACopyThatFailedInPartIsNotRecordedNorLeftAndTryingAgainCompletes) {
    const std::string c = drives.addDrive('C', kRoom);
    const std::string cd = drives.addDrive('D', 0);
    drives.insert(1, cd);
    fake.onMessageBox = [&](const RecordedMessageBox& box) {
        if (box.text == kInsertVolumeTwoText) {
            drives.eject(1);
            drives.insert(2, cd);
        }
    };
    fake.messageBoxAnswers = {IDYES};
    fake.dialogs["DriveSelect"] = [](HWND) { return 0; };
    HeldFile scratched(cd + "Corpus\\Skull\\Slide1\\skull.scp"); // cannot be read
    ASSERT_TRUE(scratched.held());

    EXPECT_EQ(locate(), HandlerDone); // goes on from the CD

    const std::vector<std::string> expectedCaptions = {"Installation Opportunity!",
                                                       "Ready To Start", kIncompleteCaption};
    EXPECT_EQ(boxCaptions(fake), expectedCaptions);
    EXPECT_EQ(fake.messageBoxes.back().owner, window);
    EXPECT_EQ(path(), "<missing>");
    EXPECT_EQ(courseRoot, cd + "Corpus\\");
    for (const char* left : {"Corpus", "Corpus.new", "Corpus.old"}) {
        EXPECT_EQ(GetFileAttributesA((c + left).c_str()), INVALID_FILE_ATTRIBUTES) << left;
    }

    // The next start finds the CD, not a copy; the offer comes again and, with the CD
    // readable, completes.
    scratched.release();
    fake.messageBoxes.clear();
    fake.messageBoxAnswers = {IDYES};
    courseRoot = kCourseRootNotFound;
    EXPECT_EQ(locate(), HandlerDone);
    EXPECT_EQ(boxCaptions(fake).back(), "Installation Complete!");
    EXPECT_EQ(treeListing(c + "Corpus"), expectedCopy());
    EXPECT_EQ(path(), c + "Corpus");
    EXPECT_EQ(courseRoot, c + "Corpus\\");
    DeleteFileA((readStartMenuFolder() + "\\CorpusView.exe").c_str());
}

TEST_F(InstallTest, DecliningIsRecordedAndCancellingRecordsNothing) {
    const std::string cd = drives.addDrive('D', 0);
    drives.addDrive('E', kRoom);
    drives.insert(1, cd);
    struct Case {
        const char* name;
        std::deque<int> answers;
        INT_PTR dialogResult;
        std::vector<std::string> captions;
        const char* path;
        const char* lastDeclined;
    };
    const Case cases[] = {
        {"No", {IDNO}, 0, {"Installation Opportunity!"}, "Declined", "7:12:2026"},
        {"Cancel in the drive selection",
         {IDYES},
         -1,
         {"Installation Opportunity!"},
         "<missing>",
         "<missing>"},
        {"Cancel at the prompt for Volume I",
         {IDYES, IDOK, IDCANCEL},
         0,
         {"Installation Opportunity!", "Ready To Start", "Insert CD", "No Program Directory!"},
         "<missing>",
         "<missing>"},
    };
    for (const Case& c : cases) {
        clearProgramRegistry();
        fake.messageBoxes.clear();
        fake.messageBoxAnswers = c.answers;
        const INT_PTR dialogResult = c.dialogResult;
        fake.dialogs["DriveSelect"] = [dialogResult](HWND) { return dialogResult; };
        if (std::string(c.name).find("Volume I") != std::string::npos) {
            drives.eject(1);
        }
        courseRoot = kCourseRootNotFound;
        const int result = locate();
        EXPECT_EQ(boxCaptions(fake), c.captions) << c.name;
        EXPECT_EQ(path(), c.path) << c.name;
        EXPECT_EQ(readRegistryString(kProductKey, "LastDeclined"), c.lastDeclined) << c.name;
        if (std::string(c.name).find("Volume I") != std::string::npos) {
            // No CD anywhere: the scan finds nothing.
            EXPECT_EQ(result, HandlerEndProgram) << c.name;
        } else {
            EXPECT_EQ(result, HandlerDone) << c.name;
            EXPECT_EQ(courseRoot, cd + "Corpus\\") << c.name;
        }
    }

    // Within 30 counted days of the refusal no offer comes; on the 31st it does.
    drives.insert(1, cd);
    clearProgramRegistry();
    writeRegistryString(kProductKey, "Path", "Declined");
    writeRegistryString(kProductKey, "LastDeclined", "7:12:2026");
    for (const auto& [date, offers] :
         {std::pair{UtcDate{2, 1, 2027}, false}, std::pair{UtcDate{3, 1, 2027}, true}}) {
        fake.messageBoxes.clear();
        fake.messageBoxAnswers = {IDNO};
        fake.date = date;
        EXPECT_EQ(locate(), HandlerDone);
        EXPECT_EQ(boxCaptions(fake).size(), offers ? 1u : 0u) << date.day << ":" << date.month;
    }
    EXPECT_EQ(readRegistryString(kProductKey, "LastDeclined"), "3:1:2027");
}

TEST_F(InstallTest, AFailedWriteOfTheRefusalDateIsReported) {
    fake.messageBoxAnswers = {IDNO};
    EXPECT_EQ(InstallBothVolumes(window, RegistryKey()), 0);
    const std::vector<std::string> expectedCaptions = {"Installation Opportunity!", "Error"};
    EXPECT_EQ(boxCaptions(fake), expectedCaptions);
    EXPECT_EQ(fake.messageBoxes[1].text, "Key Error");
    EXPECT_EQ(fake.messageBoxes[1].owner, nullptr);
}

TEST_F(InstallTest, ADriveThatLostItsSpaceAfterTheDialogIsChosenAgain) {
    const std::string cd = drives.addDrive('D', 0);
    const std::string c = drives.addDrive('C', kRoom);
    const std::string e = drives.addDrive('E', kRoom);
    int selections = 0;
    fake.realDialogs["DriveSelect"] = [&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_DRIVE_LIST);
        const std::string wanted = ++selections == 1 ? e : c;
        SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wanted.c_str()));
        if (selections == 1) {
            fake.freeSpace[e] = 1000; // filled up while the dialog was open
        }
        SendDlgItemMessageA(dialog, IDC_DRIVE_OK, BM_CLICK, 0, 0);
    };
    fake.messageBoxAnswers = {IDYES, IDOK, IDOK, IDCANCEL};

    EXPECT_EQ(locate(), HandlerEndProgram); // cancelled at the prompt for Volume I

    EXPECT_EQ(selections, 2);
    ASSERT_GE(fake.messageBoxes.size(), 3u);
    EXPECT_EQ(fake.messageBoxes[1].text, kDriveGoneText);
    EXPECT_EQ(installRoot, c + "Corpus");
}

TEST_F(InstallTest, TheRecordAndTheDrivesDecideWhereTheContentIs) {
    const std::string cd = drives.addDrive('D', 0);
    const std::string copy = temporary.path() + "\\Installed";
    temporary.makeDirectory("Installed/program");
    struct Case {
        const char* name;
        const char* recordedPath;
        bool cdIn;
        bool cdHasProgram;
        int result;
        std::string root;
    };
    const Case cases[] = {
        {"the installed copy before the CD", "Installed", true, true, HandlerDone, copy + "\\"},
        {"a removed copy: the CD", "Gone", true, true, HandlerDone, cd + "Corpus\\"},
        {"a CD without its program entry", "Gone", true, false, HandlerEndProgram,
         kCourseRootNotFound},
        {"nothing anywhere", nullptr, false, true, HandlerEndProgram, kCourseRootNotFound},
    };
    for (const Case& c : cases) {
        clearProgramRegistry();
        if (c.recordedPath != nullptr) {
            writeRegistryString(kProductKey, "Path",
                                (temporary.path() + "\\" + c.recordedPath).c_str());
        }
        drives.eject(1);
        if (c.cdIn) {
            drives.insert(1, cd);
        }
        const std::string program = cd + "Corpus\\program";
        if (!c.cdHasProgram) {
            MoveFileA(program.c_str(), (cd + "Corpus\\elsewhere").c_str());
        }
        fake.messageBoxes.clear();
        courseRoot = kCourseRootNotFound;
        EXPECT_EQ(locate(), c.result) << c.name;
        EXPECT_EQ(courseRoot, c.root) << c.name;
        if (c.result == HandlerEndProgram) {
            ASSERT_EQ(fake.messageBoxes.size(), 1u) << c.name;
            EXPECT_EQ(fake.messageBoxes[0].caption, "No Program Directory!");
            EXPECT_EQ(fake.messageBoxes[0].owner, nullptr);
        } else {
            EXPECT_TRUE(fake.messageBoxes.empty()) << c.name;
        }
        if (!c.cdHasProgram) {
            MoveFileA((cd + "Corpus\\elsewhere").c_str(), program.c_str());
        }
    }
    EXPECT_EQ(LocateContent(window, WM_TIMER, 1, 0), HandlerNotHandled);
}

} // namespace
