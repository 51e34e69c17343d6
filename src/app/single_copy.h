// One copy of the program at a time: two would fight over the display mode, the adapter's
// switching codes and the screen. The first copy holds a named mutex for as long as it
// runs; a second start finds it taken, brings the running copy to the front and ends.
#pragma once

#include <windows.h>

class SingleCopy {
  public:
    SingleCopy();
    ~SingleCopy();
    SingleCopy(const SingleCopy&) = delete;
    SingleCopy& operator=(const SingleCopy&) = delete;

    // False when another copy runs already.
    bool isFirst() const { return first_; }

  private:
    HANDLE mutex_ = nullptr;
    bool first_ = true;
};

// Brings the running copy (its main window of class `windowClass`) to the front, restored if
// it was minimised: the dialog it runs, or its window when none runs.
void bringRunningCopyForward(const char* windowClass);
