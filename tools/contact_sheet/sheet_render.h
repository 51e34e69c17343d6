// The pictures of a contact sheet: slide-preview plays each series (or the one slide) with
// the program's own code, and a thumbnail is made of each slide's final screen.
#pragma once

#include <ostream>
#include <string>

#include "contact_sheet/sheet_plan.h"

struct SheetRendering {
    std::string previewCommand; // slide-preview, as the shell finds it
    std::string mode = "lecture";
    std::string style = "over-under";
    int verticalParallax = 0;
    int thumbnailWidth = 256;
};

// Writes the pictures of every slide of `plan` under `outDir` (one directory per series),
// fills each slide's images and preview problems, and reports progress on `progress`.
// False with `error` when the preview cannot be run at all.
bool renderSheet(SheetPlan& plan, const fs::path& outDir, const SheetRendering& how,
                 std::ostream& progress, std::string& error);
