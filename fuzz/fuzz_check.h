// The fuzz targets' assertion: a broken promise of a reader stops the run as a finding.
#pragma once

#include <cstdlib>

inline void fuzzCheck(bool condition) {
    if (!condition) {
        std::abort();
    }
}
