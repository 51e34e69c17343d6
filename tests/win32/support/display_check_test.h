// A test of the start-up display checks: the scripted platform, and the screenDC that a
// passing check creates deleted afterwards.
#pragma once

#include "support/program_harness.h"

#include "ground/content_globals.h"
#include "display/display_checks.h"
#include "display/display_globals.h"

class DisplayCheckFixture : public ProgramTest {
  protected:
    void TearDown() override {
        if (screenDC != nullptr) {
            DeleteDC(screenDC);
            screenDC = nullptr;
        }
        ProgramTest::TearDown();
    }

    int check() { return CheckDisplayEnvironment(courseRoot); }
};
