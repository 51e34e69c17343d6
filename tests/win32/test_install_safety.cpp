// What the installation must never do to a student: leave a copy that is not whole where the
// drive scan finds it, write into a folder of the user's, follow a link, or show a box with
// words other than the course's own. The copy's failures are counted at every place the
// recursive copy can fail. Links are walked end to end (e2e_installation.sh): Wine 8's
// CreateSymbolicLinkA returns TRUE and makes nothing (measured), while a host symbolic link
// shows as a directory with FILE_ATTRIBUTE_REPARSE_POINT, as a junction does on Windows.
#include <gtest/gtest.h>

#include "ground/messages.h"
#include "ground/content_globals.h"
#include "install/copy_tree.h"
#include "install/install_volumes.h"
#include "install/locate_content.h"
#include "install/product_key.h"
#include "support/install_drives.h"
#include "support/program_harness.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kRoom = 2000000000u;

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(CopyTreeFailures, EachPlaceCountsOnceAndTheCopyGoesOn) {
    const TemporaryDirectory temporary;
    const std::string base = temporary.path();
    // Names that put a path just over the 199-character limit below the target but not
    // below the source (the target's directory name is 40 characters longer).
    const std::string targetName = "T" + std::string(40, 't');
    const std::size_t room = 199 - (base.size() + 1 + targetName.size() + 1);
    const std::string longName(room + 1, 'n');
    struct Case {
        const char* place;
        std::function<void(std::string& source, std::string& target)> arrange;
        int failures;
        std::size_t filesDone;
        bool otherFilesCopied;
    };
    std::vector<HeldFile*> held;
    const Case cases[] = {
        {"nothing fails", [](std::string&, std::string&) {}, 0, 2, true},
        {"the source's listing path is over the limit",
         [](std::string& source, std::string&) { source += "\\" + std::string(200, 'x'); }, 1, 0,
         false},
        {"the source cannot be listed", [](std::string& source, std::string&) { source += "X"; }, 1,
         0, false},
        {"the target cannot be made",
         [](std::string&, std::string& target) { target += "\\missing\\deeper"; }, 1, 0, false},
        {"a file cannot be read",
         [&](std::string& source, std::string&) {
             held.push_back(new HeldFile(source + "\\a.txt"));
         },
         1, 2, true},
        {"a directory stands where a file goes",
         [](std::string&, std::string& target) {
             CreateDirectoryA(target.c_str(), nullptr);
             CreateDirectoryA((target + "\\a.txt").c_str(), nullptr);
         },
         1, 2, true},
        {"a file's target path is over the limit",
         [&](std::string& source, std::string&) {
             writeWholeFile(source + "\\" + longName, "long");
         },
         1, 3, true},
        {"a directory's target path is over the limit",
         [&](std::string& source, std::string&) {
             CreateDirectoryA((source + "\\" + longName).c_str(), nullptr);
         },
         1, 2, true},
    };
    int run = 0;
    for (const Case& c : cases) {
        const std::string root = base + "\\" + std::to_string(run++);
        CreateDirectoryA(root.c_str(), nullptr);
        std::string source = root + "\\S";
        std::string target = root + "\\" + targetName;
        CreateDirectoryA(source.c_str(), nullptr);
        CreateDirectoryA((source + "\\sub").c_str(), nullptr);
        writeWholeFile(source + "\\a.txt", "a");
        writeWholeFile(source + "\\sub\\b.txt", "b");
        c.arrange(source, target);
        CopyTally tally;
        CopyTree(source, target, tally);
        EXPECT_EQ(tally.failures, c.failures) << c.place;
        EXPECT_EQ(tally.filesDone, c.filesDone) << c.place;
        EXPECT_EQ(exists(root + "\\" + targetName + "\\sub\\b.txt"), c.otherFilesCopied) << c.place;
        for (HeldFile* file : held) {
            delete file;
        }
        held.clear();
    }
}

TEST(CopyTreeFailures, AStopRequestEndsTheCopyAtTheNextFile) {
    const TemporaryDirectory temporary;
    temporary.makeDirectory("S/sub");
    for (const char* name : {"S/a.txt", "S/b.txt", "S/sub/c.txt", "S/sub/d.txt"}) {
        temporary.writeFile(name, name);
    }
    CopyTally tally;
    tally.stopWhen = [&] { return tally.filesDone == 1; };
    CopyTree(temporary.path() + "\\S", temporary.path() + "\\T", tally);
    EXPECT_TRUE(tally.stopped);
    EXPECT_EQ(tally.filesDone, 1u);
    EXPECT_EQ(tally.failures, 0);
}

// Volume I and Volume II with a few files, a read-only one as CDs carry them.
void writeSmallVolumes(const TemporaryDirectory& temporary) {
    temporary.makeDirectory("VolumeI/Corpus/program");
    temporary.makeDirectory("VolumeI/Corpus/Skull");
    temporary.makeDirectory("VolumeII/Corpus/program");
    const std::pair<const char*, const char*> files[] = {
        {"VolumeI/Corpus/program/volume1", ""},
        {"VolumeI/Corpus/Skull/skull.scp", "Image skull.duo\n"},
        {"VolumeI/Corpus/Skull/skull.duo", "skull picture"},
        {"VolumeII/Corpus/program/volume2", ""},
        {"VolumeII/Corpus/program/fullconfig.dat", "Skull\nKnee\n"},
        {"VolumeII/Corpus/program/fullindex.dat", "index both\n"},
        {"VolumeII/Corpus/program/fullintro.bmp", "intro both"},
        {"VolumeII/Corpus/program/CorpusView.exe", "the program"},
    };
    for (const auto& [path, bytes] : files) {
        temporary.writeFile(path, bytes);
    }
}

class InstallSafetyTest : public InstallWalkTest {
  protected:
    void SetUp() override {
        InstallWalkTest::SetUp();
        writeSmallVolumes(temporary);
    }
    // The CD changes from Volume I to Volume II at the prompt for Volume II.
    void changeCdAtThePrompt(const std::string& cd) {
        fake.onMessageBox = [this, cd](const RecordedMessageBox& box) {
            if (box.caption == "Insert CD" && box.type == MB_OK) {
                drives.eject(1);
                drives.insert(2, cd);
            }
        };
    }
};

// The target drive comes before the CD's, so that a copy taken for a CD would show.
TEST_F(InstallSafetyTest, NothingOfTheUsersAtTheTargetIsWrittenInto) {
    const std::string e = drives.addDrive('C', kRoom);
    const std::string cd = drives.addDrive('D', 0);
    struct Entry {
        const char* path;  // below E:\ (made in this order)
        const char* bytes; // nullptr for a folder
    };
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        bool offered;
    };
    const Case cases[] = {
        {"a Corpus folder of the user's",
         {{"Corpus", nullptr}, {"Corpus\\notes.txt", "mine"}},
         false},
        {"a file named Corpus", {{"Corpus", "mine"}}, false},
        {"a CD copied by hand (Volume I only)",
         {{"Corpus", nullptr}, {"Corpus\\program", nullptr}, {"Corpus\\program\\volume1", "1"}},
         false},
        {"a Corpus.new folder of the user's",
         {{"Corpus.new", nullptr}, {"Corpus.new\\a", "mine"}},
         false},
        {"a Corpus.old file of the user's", {{"Corpus.old", "mine"}}, false},
        {"an interrupted installation's staging folder",
         {{"Corpus.new", nullptr},
          {"Corpus.new\\CorpusView.installing", ""},
          {"Corpus.new\\x", "x"}},
         true},
        {"an earlier installation with a file of its own",
         {{"Corpus", nullptr},
          {"Corpus\\program", nullptr},
          {"Corpus\\program\\volume1", ""},
          {"Corpus\\program\\volume2", ""},
          {"Corpus\\stale.txt", "old"}},
         true},
    };
    const std::vector<std::string> installed = {
        "Corpus\\Skull\\skull.duo=skull picture",
        "Corpus\\Skull\\skull.scp=Image skull.duo\n",
        "Corpus\\config.dat=Skull\nKnee\n",
        "Corpus\\index.dat=index both\n",
        "Corpus\\program\\CorpusView.exe=the program",
        "Corpus\\program\\fullconfig.dat=Skull\nKnee\n",
        "Corpus\\program\\fullindex.dat=index both\n",
        "Corpus\\program\\fullintro.bmp=intro both",
        "Corpus\\program\\intro.bmp=intro both",
        "Corpus\\program\\volume1=",
        "Corpus\\program\\volume2=",
    };
    int used = 0;
    for (const Case& c : cases) {
        clearProgramRegistry();
        drives.eject(2);
        drives.insert(1, cd);
        for (const Entry& entry : c.entries) {
            if (entry.bytes == nullptr) {
                CreateDirectoryA((e + entry.path).c_str(), nullptr);
            } else {
                writeWholeFile(e + entry.path, entry.bytes);
            }
        }
        const std::vector<std::string> before = treeListing(e);
        changeCdAtThePrompt(cd);
        fake.messageBoxes.clear();
        fake.messageBoxAnswers = {IDYES};
        fake.dialogs["DriveSelect"] = [](HWND) { return 0; };
        courseRoot = kCourseRootNotFound;

        EXPECT_EQ(locate(), HandlerDone) << c.what;

        EXPECT_EQ(!fake.messageBoxes.empty(), c.offered) << c.what;
        if (c.offered) {
            EXPECT_EQ(boxCaptions(fake).back(), "Installation Complete!") << c.what;
            EXPECT_EQ(treeListing(e), installed) << c.what << ": the copy and nothing else";
        } else {
            EXPECT_EQ(treeListing(e), before) << c.what << ": left byte for byte";
        }
        // The drive is emptied for the next case: what it holds is moved off it.
        const std::string drive = e.substr(0, e.size() - 1);
        MoveFileA(drive.c_str(), (drive + std::to_string(used++)).c_str());
        CreateDirectoryA(drive.c_str(), nullptr);
    }
}

// The texts the course's boxes must show, as the course's owners wrote them (odd spellings
// included), compared with what the boxes showed in one installation walk.
TEST_F(InstallSafetyTest, TheBoxesShowTheCoursesOwnWording) {
    struct Box {
        const char* caption;
        const char* text;
        unsigned type;
        bool owned;
    };
    const Box boxes[] = {
        {"Installation Opportunity!",
         "Your computer has enough disk space to allow you to install both CD's onto it.\n"
         "This will greatly increase your convenience and allow you to eliminate all CD\n"
         "swapping as well as use a single index and table of contents.  We strongly suggest\n"
         "you take this opportunity to install the CD's onto your hard drive.  It may take\n"
         "several minutes.",
         MB_YESNO, true},
        {"Ready To Start",
         "This may take some time depending on the speed of your CD-ROM.\nPlease be patient.",
         MB_OK, true},
        {"Insert CD", "Insert Volume I of the Corpus Viewer", MB_OKCANCEL, true},
        {"Insert CD", "Insert Volume II of the Corpus Viewer", MB_OK, true},
        {"Installation Complete!",
         "You have now installed both CD's on your computer.  You can also now run the.\n"
         "program from the Start menu.\n",
         MB_OK, true},
        {"Error", "Key Error", MB_OK, false},
        {"No Program Directory!",
         "There is no Corpus directory available on this computer.\n"
         "You must insert the Corpus CD.",
         MB_OK, false},
    };
    const std::string cd = drives.addDrive('D', 0);
    const std::string e = drives.addDrive('E', kRoom);
    fake.dialogs["DriveSelect"] = [](HWND) { return 0; };
    fake.messageBoxAnswers = {IDYES, IDOK, IDOK}; // the Volume I prompt once: no CD yet
    fake.onMessageBox = [&](const RecordedMessageBox& box) {
        if (box.type == MB_OKCANCEL) {
            drives.insert(1, cd);
        }
        if (box.caption == "Insert CD" && box.type == MB_OK) {
            drives.eject(1);
            drives.insert(2, cd);
        }
    };
    ASSERT_EQ(locate(), HandlerDone);
    fake.onMessageBox = nullptr;
    fake.messageBoxAnswers = {IDNO};
    InstallBothVolumes(window, RegistryKey()); // the refusal's date cannot be written
    clearProgramRegistry();
    writeRegistryString(kProductKey, "Path", "Declined");
    writeRegistryString(kProductKey, "LastDeclined", "7:12:2026");
    drives.eject(2);
    MoveFileA((e + "Corpus").c_str(), (e + "Elsewhere").c_str());
    courseRoot = kCourseRootNotFound;
    locate(); // no CD and no copy anywhere

    const std::vector<RecordedMessageBox>& shown = fake.messageBoxes;
    const int order[] = {0, 1, 2, 3, 4, 0, 5, 6}; // the offer comes twice
    ASSERT_EQ(shown.size(), std::size(order));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Box& box = boxes[order[i]];
        EXPECT_EQ(shown[i].caption, box.caption) << i;
        EXPECT_EQ(shown[i].text, box.text) << box.caption;
        EXPECT_EQ(shown[i].type & 0xF, box.type) << box.caption;
        EXPECT_EQ(shown[i].owner != nullptr, box.owned) << box.caption;
    }
}

// The Start Menu value as the current user's Shell Folders key holds it, put back when the
// owner goes.
class StartMenuValue {
  public:
    StartMenuValue() {
        RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof saved_;
        RegQueryValueExA(key_, "Start Menu", nullptr, &type_, saved_, &size);
        size_ = size;
    }
    ~StartMenuValue() {
        RegSetValueExA(key_, "Start Menu", 0, type_, saved_, size_);
        RegCloseKey(key_);
    }
    StartMenuValue(const StartMenuValue&) = delete;
    StartMenuValue& operator=(const StartMenuValue&) = delete;
    void set(DWORD type, const std::string& folder) {
        RegSetValueExA(key_, "Start Menu", 0, type, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
    }

  private:
    static constexpr const char* kShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    HKEY key_ = nullptr;
    DWORD type_ = REG_SZ;
    BYTE saved_[1024] = {};
    DWORD size_ = 0;
};

TEST_F(InstallSafetyTest, TheStartMenuEntryIsMadeOrTheCompletionBoxMakesNoPromise) {
    const std::string cd = drives.addDrive('D', 0);
    const std::string e = drives.addDrive('E', kRoom);
    temporary.makeDirectory("Menu");
    const std::string menu = temporary.path() + "\\Menu";
    SetEnvironmentVariableA("CORPUS_TEST_MENU", menu.c_str());
    StartMenuValue value;
    const std::string promise = "You have now installed both CD's on your computer.  You can "
                                "also now run the.\nprogram from the Start menu.\n";
    struct Case {
        const char* what;
        DWORD type;
        std::string folder;
        bool earlierReadOnlyEntry;
        std::string text;
    };
    const Case cases[] = {
        {"a folder written with an environment name", REG_EXPAND_SZ, "%CORPUS_TEST_MENU%", false,
         promise},
        {"a read-only program file of an earlier installation", REG_SZ, menu, true, promise},
        {"a folder that does not exist", REG_SZ, menu + "\\Gone", false,
         "You have now installed both CD's on your computer.  The program could not be added "
         "to the Start menu; you can run it from " +
             e + "Corpus\\program\\CorpusView.exe.\n"},
    };
    const std::string entry = menu + "\\CorpusView.exe";
    for (const Case& c : cases) {
        clearProgramRegistry();
        drives.eject(2);
        drives.insert(1, cd);
        value.set(c.type, c.folder);
        if (c.earlierReadOnlyEntry) {
            writeWholeFile(entry, "an earlier program");
            SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        changeCdAtThePrompt(cd);
        fake.messageBoxes.clear();
        fake.messageBoxAnswers = {IDYES};
        fake.dialogs["DriveSelect"] = [](HWND) { return 0; };

        EXPECT_EQ(locate(), HandlerDone) << c.what;

        ASSERT_FALSE(fake.messageBoxes.empty()) << c.what;
        EXPECT_EQ(fake.messageBoxes.back().caption, "Installation Complete!") << c.what;
        EXPECT_EQ(fake.messageBoxes.back().text, c.text) << c.what;
        const std::vector<std::string> inMenu = treeListing(menu);
        const bool promised = c.text == promise;
        EXPECT_EQ(inMenu, promised ? std::vector<std::string>{"CorpusView.exe=the program"}
                                   : std::vector<std::string>{})
            << c.what;
        SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(entry.c_str());
    }
}

} // namespace
