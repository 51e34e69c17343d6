// Narration made with the espeak-ng speech synthesiser, written as PCM wave files.
#pragma once

#include <string>

// Speaks `words` into the wave file at `path`; false with `error` set when it fails.
bool speakToWave(const std::string& words, const std::string& path, std::string& error);
