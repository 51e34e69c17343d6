// Access to the files of one slide directory, as the program (Win32) or an author tool
// (portable) provides it to the slide readers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct SlideDirectory {
    // The name of the first file that the directory search for `pattern` ("*.scp")
    // returns; none when nothing matches.
    std::function<std::optional<std::string>(std::string_view pattern)> findFirst;
    // The bytes of the named file of the directory; none when it cannot be opened. A read
    // that fails part way gives the bytes read before it.
    std::function<std::optional<std::string>(const std::string& fileName)> readFile;
};
