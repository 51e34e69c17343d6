// The 1024 x 768 screen image that the program shows for a DUO file, made by the program's
// own composer.
#pragma once

#include <optional>
#include <string>

#include "common/picture.h"

// The composed screen with `verticalParallax` (-50 to 50); nothing with `error` set when the
// file cannot be read or the program refuses it.
std::optional<Picture> composeDuoScreen(const std::string& path, int verticalParallax,
                                        std::string& error);
