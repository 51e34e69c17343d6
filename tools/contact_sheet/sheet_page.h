// The contact sheet's HTML page: one self-contained file (its style inline, no scripts or
// external assets) beside the directories of pictures it links to.
#pragma once

#include <string>

#include "contact_sheet/sheet_plan.h"

struct SheetHeading {
    std::string mode;
    std::string style;
    int verticalParallax = 0;
};

std::string sheetPage(const SheetPlan& plan, const SheetHeading& heading);
