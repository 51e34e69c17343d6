// The JPEG marker codes that the tools' readers walk a file by: each segment starts with the
// prefix byte and a code; fill bytes (more prefix bytes) may stand before the code.
#pragma once

#include <cstdint>

constexpr std::uint8_t kMarkerPrefix = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kHuffmanTables = 0xC4;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kApp2 = 0xE2;
