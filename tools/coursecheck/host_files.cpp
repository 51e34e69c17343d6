#include "coursecheck/host_files.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "content/content_paths.h"

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// "*.ext" patterns, the only ones the program searches with, and exact names.
bool matches(const std::string& name, const std::string& pattern) {
    if (pattern.rfind("*", 0) == 0) {
        const std::string tail = lower(pattern.substr(1));
        const std::string n = lower(name);
        return n.size() >= tail.size() && n.compare(n.size() - tail.size(), tail.size(), tail) == 0;
    }
    return lower(name) == lower(pattern);
}

} // namespace

fs::path contentPath(const fs::path& root, const std::string& relative) {
    std::string path = relative;
    std::replace(path.begin(), path.end(), '\\', '/');
    return root / path;
}

std::optional<fs::path> findEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) {
        return dir / name;
    }
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (lower(it->path().filename().string()) == lower(name)) {
            return it->path();
        }
    }
    return std::nullopt;
}

std::optional<fs::path> findPath(const fs::path& root, const std::string& relative) {
    fs::path at = root;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = relative.find_first_of("\\/", start);
        const std::string part =
            relative.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) {
            const auto next = findEntry(at, part);
            if (!next) {
                return std::nullopt;
            }
            at = *next;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return at;
}

std::vector<std::string> matchingFiles(const fs::path& dir, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (matches(name, pattern)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return names;
}

std::optional<std::string> readHostFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const auto size = fs::file_size(path, ec);
    std::string bytes(
        ec ? kContentTextFileLimit : std::min<std::uintmax_t>(size, kContentTextFileLimit), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

SlideDirectory hostSlideDirectory(const fs::path& dir) {
    SlideDirectory d;
    d.findFirst = [dir](std::string_view pattern) -> std::optional<std::string> {
        const std::vector<std::string> names = matchingFiles(dir, std::string(pattern));
        if (names.empty()) {
            return std::nullopt;
        }
        return names.front();
    };
    d.readFile = [dir](const std::string& name) -> std::optional<std::string> {
        const auto path = findEntry(dir, name);
        return path ? readHostFile(*path) : std::nullopt;
    };
    return d;
}
