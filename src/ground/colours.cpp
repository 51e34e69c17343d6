#include "ground/colours.h"

void fillInitialColourTable(std::uint32_t (&table)[kColourCount]) {
    for (int i = 0; i < kColourCount; ++i) {
        table[i] = i < kNamedColourCount ? kNamedColours[i].colour : 0;
    }
}
