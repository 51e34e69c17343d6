#include "duo/duo_screen.h"

std::optional<Picture> composeDuoScreen(const std::string&, int, std::string& error) {
    error = "compose waits for the program's screen composer";
    return std::nullopt;
}
