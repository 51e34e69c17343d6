// Replaces the pens of the colour-table entries that a reading gave hexadecimal colours.
#pragma once

#include <vector>

// For each entry, a new solid pen of width 1 in the entry's colour replaces the old pen,
// which is deleted (or, while screenDC still holds it, deleted by a later replacement once
// it no longer does). When a pen cannot be made the entry keeps its old one.
void replaceHexColourPens(const std::vector<int>& entries);
