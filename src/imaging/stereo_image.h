// Loads a DUO stereo picture into one 1024 x 768 bitmap holding both views.
#pragma once

#include <windows.h>

#include <string>

// The composed screen image compatible with `dc`, or nullptr. The caller deletes it.
HBITMAP LoadStereoImage(const std::string& path, HDC dc);
