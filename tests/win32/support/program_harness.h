// Runs the real program, or its main window, inside a test: fresh globals, a scripted
// platform, a clean registry, a temporary course directory and a log of the WM_PROCEED
// steps the window took.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

// Puts every program global back to its value at program start.
void resetProgramState();

// Removes HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA with everything under it.
void clearProgramRegistry();
// Stores a correction of 0, as a calibrated computer has it, so that no calibration runs.
void storeCalibration();
// Writes a REG_SZ value under HKEY_LOCAL_MACHINE (creating the key).
void writeRegistryString(const char* key, const char* name, const char* text);
// Reads a REG_SZ value under HKEY_LOCAL_MACHINE; "<missing>" when absent.
std::string readRegistryString(const char* key, const char* name);

// A fresh temporary directory that becomes the current directory, removed afterwards.
class TemporaryDirectory {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& path() const { return path_; }
    // Creates a directory (and its parents) below the temporary directory.
    void makeDirectory(const std::string& relative) const;
    // Writes a file below the temporary directory.
    void writeFile(const std::string& relative, const std::string& bytes) const;

  private:
    std::string path_;
    std::string previous_;
};

struct ProceedStep {
    int state; // presentationState when the message was taken from the queue
    WPARAM code;
    bool operator==(const ProceedStep&) const = default;
};

void PrintTo(const ProceedStep& step, std::ostream* out);

// Records every WM_PROCEED the main window takes from its queue.
class ProceedLog {
  public:
    ProceedLog();
    ~ProceedLog();
    ProceedLog(const ProceedLog&) = delete;
    ProceedLog& operator=(const ProceedLog&) = delete;
    const std::vector<ProceedStep>& steps() const;
};

// Runs WinMain's body on this thread and returns its result; fails the test and returns
// -1 if the program has not ended after `seconds`.
int runProgramToEnd(int seconds = 30);

// A test with the scripted platform installed, fresh program state and a registry that
// holds only a stored calibration.
class ProgramTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    FakePlatform fake;
};

// A test that also has a main window of its own, created in a given state without the
// creation steps, for sending it messages.
class MainWindowTest : public ProgramTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Handles every message in the queue, without waiting.
    void pumpMessages();

    HWND window = nullptr;
};
