#include "support/install_drives.h"

#include "ground/messages.h"
#include "install/install_volumes.h"
#include "install/locate_content.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

void listInto(const std::string& root, const std::string& relative, std::vector<std::string>& out) {
    WIN32_FIND_DATAA found;
    const std::string directory = relative.empty() ? root : root + "\\" + relative;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string child = relative.empty() ? name : relative + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listInto(root, child, out);
            continue;
        }
        std::ifstream in(root + "\\" + child, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        out.push_back(child + "=" + bytes.str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool readOnlyBelow(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool readOnly = false;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            readOnly = readOnly || readOnlyBelow(directory + "\\" + name);
        } else {
            readOnly = readOnly || (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return readOnly;
}

} // namespace

InstallDrives::InstallDrives(FakePlatform& fake, const TemporaryDirectory& temporary)
    : fake_(fake), temporary_(temporary) {
    fake_.driveStrings.clear();
    for (int volume : {1, 2}) {
        temporary_.makeDirectory(volume == 1 ? "VolumeI" : "VolumeII");
        where_[volume] = shelf(volume);
    }
}

std::string InstallDrives::shelf(int volume) const {
    return temporary_.path() + (volume == 1 ? "\\VolumeI\\" : "\\VolumeII\\");
}

std::string InstallDrives::addDrive(char letter, std::uint64_t freeBytes) {
    temporary_.makeDirectory(std::string(1, letter));
    const std::string root = temporary_.path() + "\\" + letter + "\\";
    roots_.push_back(root);
    fake_.freeSpace[root] = freeBytes;
    updateList();
    return root;
}

void InstallDrives::insert(int volume, const std::string& drive) {
    MoveFileA((where_[volume] + "Corpus").c_str(), (drive + "Corpus").c_str());
    where_[volume] = drive;
}

void InstallDrives::eject(int volume) {
    insert(volume, shelf(volume));
}

void InstallDrives::updateList() {
    fake_.driveStrings.clear();
    for (const std::string& root : roots_) {
        fake_.driveStrings += root;
        fake_.driveStrings.push_back('\0');
    }
}

void InstallWalkTest::SetUp() {
    ProgramTest::SetUp();
    window = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
}

void InstallWalkTest::TearDown() {
    DeleteFileA((readStartMenuFolder() + "\\CorpusView.exe").c_str());
    DestroyWindow(window);
    ProgramTest::TearDown();
}

int InstallWalkTest::locate() {
    return LocateContent(window, WM_PROCEED, ProceedBegin, 0);
}

std::vector<std::string> boxCaptions(const FakePlatform& fake) {
    std::vector<std::string> out;
    for (const RecordedMessageBox& box : fake.messageBoxes) {
        out.push_back(box.caption);
    }
    return out;
}

std::vector<std::string> treeListing(const std::string& root) {
    std::vector<std::string> out;
    listInto(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

bool anyReadOnly(const std::string& root) {
    return readOnlyBelow(root);
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

HeldFile::HeldFile(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

HeldFile::~HeldFile() {
    release();
}

void HeldFile::release() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }
}
