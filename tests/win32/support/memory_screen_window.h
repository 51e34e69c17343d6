// A main window drawing on a screen in memory: the stereo geometry, and a fake clock that
// moves 1 ms a reading so that each switching code's holds can be followed.
#pragma once

#include "support/memory_screen.h"
#include "support/program_harness.h"

#include "display/display_globals.h"

#include <memory>

class MemoryScreenWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        memory = std::make_unique<MemoryScreen>();
        screenGeometry = kStereoScreen;
        fake.clockStep = 1;
    }
    void TearDown() override {
        memory.reset();
        MainWindowTest::TearDown();
    }
    std::unique_ptr<MemoryScreen> memory;
};
