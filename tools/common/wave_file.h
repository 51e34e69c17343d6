// What a wave file holds, read from its RIFF chunks: enough to tell a playable PCM wave
// from anything else and to know how long it sounds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WaveInfo {
    bool valid = false;
    std::string problem; // why it is not valid
    int format = 0;      // 1: PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    double seconds = 0;
};

WaveInfo inspectWave(const std::vector<std::uint8_t>& bytes);
