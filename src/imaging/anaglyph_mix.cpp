#include "imaging/anaglyph_mix.h"

#include <array>

namespace {

// The matrices in thousandths: output channel (red, green, blue) by input channel.
constexpr int kLeftWeights[3][3] = {{437, 449, 164}, {-62, -62, -24}, {-48, -50, -17}};
constexpr int kRightWeights[3][3] = {{-11, -32, -7}, {377, 761, 9}, {-26, -93, 1234}};

// weightTable[out][in][v]: the weight of input `in` (left red, green, blue, then right red,
// green, blue) in output channel `out`, times the channel value v.
using WeightTable = std::array<std::array<std::array<std::int32_t, 256>, 6>, 3>;

constexpr WeightTable makeWeightTable() {
    WeightTable table{};
    for (int out = 0; out < 3; ++out) {
        for (int in = 0; in < 3; ++in) {
            for (int v = 0; v < 256; ++v) {
                table[out][in][v] = kLeftWeights[out][in] * v;
                table[out][in + 3][v] = kRightWeights[out][in] * v;
            }
        }
    }
    return table;
}

constexpr WeightTable kWeightTable = makeWeightTable();

// A sum in thousandths as a channel: nearest, halves away from zero, then clamped.
constexpr std::uint32_t channelFromThousandths(std::int32_t sum) {
    if (sum <= 0) {
        return 0;
    }
    const std::int32_t rounded = (sum + 500) / 1000;
    return rounded > 255 ? 255u : static_cast<std::uint32_t>(rounded);
}

} // namespace

std::uint32_t anaglyphMix(std::uint32_t left, std::uint32_t right) {
    const std::uint32_t in[6] = {(left >> 16) & 0xFF,  (left >> 8) & 0xFF,  left & 0xFF,
                                 (right >> 16) & 0xFF, (right >> 8) & 0xFF, right & 0xFF};
    std::uint32_t word = 0;
    for (int out = 0; out < 3; ++out) {
        const auto& weights = kWeightTable[out];
        const std::int32_t sum = weights[0][in[0]] + weights[1][in[1]] + weights[2][in[2]] +
                                 weights[3][in[3]] + weights[4][in[4]] + weights[5][in[5]];
        word = (word << 8) | channelFromThousandths(sum);
    }
    return word;
}
