#include "imaging/anaglyph_mix.h"

#include <array>

namespace {

// The matrices in thousandths: output channel (red, green, blue) by input channel.
constexpr int kLeftWeights[3][3] = {{437, 449, 164}, {-62, -62, -24}, {-48, -50, -17}};
constexpr int kRightWeights[3][3] = {{-11, -32, -7}, {377, 761, 9}, {-26, -93, 1234}};

// The three output sums travel in one 64-bit word, 21 bits each: every table entry holds
// an input value's three weighted contributions, and six additions give a pixel's three
// sums at once. Contributions may be negative; the additions are exact as long as every
// final sum lies inside its field, which the bias (added once, in the first table) makes
// sure: the sums lie between -60000 and 320000 thousandths.
constexpr int kFieldBits = 21;
constexpr std::int64_t kBias = std::int64_t{1} << 19;
constexpr std::uint64_t kFieldMask = (std::uint64_t{1} << kFieldBits) - 1;

// packedWeights[in][v]: input `in` (left red, green, blue, then right red, green, blue) at
// value v.
using PackedTable = std::array<std::array<std::uint64_t, 256>, 6>;

constexpr std::uint64_t packed(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return static_cast<std::uint64_t>(red) + (static_cast<std::uint64_t>(green) << kFieldBits) +
           (static_cast<std::uint64_t>(blue) << (2 * kFieldBits));
}

constexpr PackedTable makePackedTable() {
    PackedTable table{};
    for (int in = 0; in < 3; ++in) {
        for (int v = 0; v < 256; ++v) {
            const std::int64_t bias = in == 0 ? kBias : 0;
            table[in][v] = packed(kLeftWeights[0][in] * v + bias, kLeftWeights[1][in] * v + bias,
                                  kLeftWeights[2][in] * v + bias);
            table[in + 3][v] = packed(kRightWeights[0][in] * v, kRightWeights[1][in] * v,
                                      kRightWeights[2][in] * v);
        }
    }
    return table;
}

constexpr PackedTable kPackedTable = makePackedTable();

// A biased sum in thousandths as a channel: nearest, halves away from zero, then clamped
// (without branches: the mix runs for every pixel of a frame).
inline std::uint32_t channelFromField(std::uint64_t field) {
    const std::int32_t sum = static_cast<std::int32_t>(field) - static_cast<std::int32_t>(kBias);
    const std::uint32_t positive = static_cast<std::uint32_t>(sum > 0 ? sum : 0);
    const std::uint32_t rounded = (positive + 500) / 1000;
    return rounded < 255 ? rounded : 255u;
}

inline std::uint32_t mixed(std::uint32_t left, std::uint32_t right) {
    const PackedTable& t = kPackedTable;
    const std::uint64_t sums = t[0][(left >> 16) & 0xFF] + t[1][(left >> 8) & 0xFF] +
                               t[2][left & 0xFF] + t[3][(right >> 16) & 0xFF] +
                               t[4][(right >> 8) & 0xFF] + t[5][right & 0xFF];
    return channelFromField(sums & kFieldMask) << 16 |
           channelFromField((sums >> kFieldBits) & kFieldMask) << 8 |
           channelFromField((sums >> (2 * kFieldBits)) & kFieldMask);
}

} // namespace

std::uint32_t anaglyphMix(std::uint32_t left, std::uint32_t right) {
    return mixed(left, right);
}

void anaglyphMixRow(const std::uint32_t* left, const std::uint32_t* right, std::uint32_t* out,
                    int count) {
    // Pictures and drawn slides repeat pixel pairs along a row (backgrounds, bands, texts):
    // a repeated pair takes the last result.
    std::uint32_t lastLeft = 0;
    std::uint32_t lastRight = 0;
    std::uint32_t lastMixed = 0; // the mix of black with black
    for (int i = 0; i < count; ++i) {
        if (left[i] != lastLeft || right[i] != lastRight) {
            lastLeft = left[i];
            lastRight = right[i];
            lastMixed = mixed(lastLeft, lastRight);
        }
        out[i] = lastMixed;
    }
}
