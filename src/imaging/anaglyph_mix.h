// The red-cyan anaglyph colour mix, shared by the program's anaglyph viewing and the author
// tools' anaglyph style.
//
// Dubois' least-squares matrices for red-cyan glasses: they were fitted to the filters'
// transmission so that each eye sees as little of the other view as possible (little
// ghosting) while keeping most colour; the reds of anatomy pictures survive better than in a
// grey anaglyph, and without the rivalry between the eyes that a plain colour anaglyph gives
// to saturated reds.
#pragma once

#include <cstdint>

// Pixels are words 0x00RRGGBB (the layout of a 32-bit top-down DIB read as words).
// Each output channel is the matrices' weighted sum of the left-eye and right-eye channels,
// rounded to the nearest integer (halves away from zero) and clamped to 0 to 255. The sums
// are exact (the weights are whole thousandths), looked up per channel value.
std::uint32_t anaglyphMix(std::uint32_t left, std::uint32_t right);

// The same for `count` pixels of a row.
void anaglyphMixRow(const std::uint32_t* left, const std::uint32_t* right, std::uint32_t* out,
                    int count);
