#include "support/program_harness.h"

#include "app/main_window.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/calibration.h"
#include "display/display_globals.h"

#include <cstdio>
#include <fstream>
#include <ostream>

void resetProgramState() {
    presentationState = StartState;
    programExitCode = ExitNormal;
    programInstance = GetModuleHandleA(nullptr);
    currentSlide = elementIndex = 0;
    delayRunning = narrationPlaying = stepping = paused = runThrough = slideUntouched = 0;
    noImageYet = 1;
    delayStart = delayLength = delayRemaining = 0;
    slideImage = nullptr;
    lastModeText[0] = '\0';
    programResources = {};
    textMeasure = titleMeasure = captionMeasure = {0, 0, 0};
    pointerX = pointerY = pointerDepth = pointerVisible = 0;
    SetRect(&pointerClip, 0, 1, 1023, 350);
    courseRoot = kCourseRootNotFound;
    seriesName[0] = currentSeriesTitle[0] = '\0';
    slideCount = 0;
    slideDirectory.clear();
    modeFlags = {0, 0, 0, 0, 0, 0};
    fillInitialColourTable(colourTable);
    narrationSeen = 0;
    indexCount = indexSelection = 0;
    screenDC = nullptr;
    largeDialogs = 0;
    screenGeometry = {0, 0, 0, 0};
    switchCodeSettings = kDefaultSwitchCodeSettings;
    verticalParallax = 0;
    lowerImageTop = kLowerImageTopBase;
    calibrationRun = CalibrationRun{};
}

void clearProgramRegistry() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ORBANA");
}

void storeCalibration() {
    writeRegistryString("SOFTWARE\\ORBANA\\Vertical Parallax", "768", "0");
}

void writeRegistryString(const char* key, const char* name, const char* text) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(lstrlenA(text) + 1));
    RegCloseKey(handle);
}

std::string readRegistryString(const char* key, const char* name) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return "<missing>";
    }
    return buffer;
}

TemporaryDirectory::TemporaryDirectory() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char unique[MAX_PATH] = {};
    GetTempFileNameA(base, "cvt", 0, unique);
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryA(path_.c_str());
}

namespace {

void removeTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

} // namespace

TemporaryDirectory::~TemporaryDirectory() {
    SetCurrentDirectoryA(previous_.c_str());
    removeTree(path_);
}

void TemporaryDirectory::makeDirectory(const std::string& relative) const {
    std::string full = path_;
    full.push_back('\\');
    for (char c : relative) {
        if (c == '/' || c == '\\') {
            CreateDirectoryA(full.c_str(), nullptr);
            c = '\\';
        }
        full.push_back(c);
    }
    CreateDirectoryA(full.c_str(), nullptr);
}

void TemporaryDirectory::writeFile(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(path_ + "\\" + relative, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PrintTo(const ProceedStep& step, std::ostream* out) {
    *out << "{state " << step.state << ", code " << step.code << "}";
}

namespace {

std::vector<ProceedStep> recordedSteps;
HHOOK proceedHook = nullptr;

LRESULT CALLBACK recordProceed(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_PROCEED) {
        char className[32] = {};
        GetClassNameA(message->hwnd, className, sizeof className);
        if (lstrcmpA(className, kMainWindowClass) == 0) {
            recordedSteps.push_back({presentationState, message->wParam});
        }
    }
    return CallNextHookEx(proceedHook, code, wParam, lParam);
}

bool watchdogFired = false;

void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD) {
    watchdogFired = true;
    PostQuitMessage(-1);
}

} // namespace

ProceedLog::ProceedLog() {
    recordedSteps.clear();
    proceedHook = SetWindowsHookExA(WH_GETMESSAGE, recordProceed, nullptr, GetCurrentThreadId());
}

ProceedLog::~ProceedLog() {
    UnhookWindowsHookEx(proceedHook);
    proceedHook = nullptr;
}

const std::vector<ProceedStep>& ProceedLog::steps() const {
    return recordedSteps;
}

int runProgramToEnd(int seconds) {
    watchdogFired = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, watchdog);
    const int result = runCorpusView(GetModuleHandleA(nullptr));
    KillTimer(nullptr, timer);
    if (watchdogFired) {
        ADD_FAILURE() << "the program did not end within " << seconds << " s";
        return -1;
    }
    return result;
}

void ProgramTest::SetUp() {
    resetProgramState();
    clearProgramRegistry();
    storeCalibration();
    installPlatform(&fake);
}

void ProgramTest::TearDown() {
    installPlatform(nullptr);
    clearProgramRegistry();
    ClipCursor(nullptr);
    ReleaseCapture();
}

void MainWindowTest::SetUp() {
    ProgramTest::SetUp();
    registerMainWindowClass(GetModuleHandleA(nullptr));
    // Created in ClosingState so that WM_CREATE runs none of the creation steps.
    presentationState = ClosingState;
    window = CreateWindowExA(0, kMainWindowClass, kMainWindowClass, WS_POPUP, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    screenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    largeDialogs = 1;
    // A presentation that reaches the table of contents ends the program there.
    fake.dialogs["ModeAndSeriesSelect"] = [](HWND) -> INT_PTR { return 1; };
}

void MainWindowTest::TearDown() {
    if (IsWindow(window)) {
        presentationState = StartState; // destroy without the shutdown
        DestroyWindow(window);
    }
    pumpMessages();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (screenDC != nullptr) {
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
    ProgramTest::TearDown();
}

void MainWindowTest::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
