// What the tool tests share: a temporary directory, running a tool's commands into
// strings, files written from text, and pictures with a pattern that shows misplaced pixels.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/picture.h"

namespace fs = std::filesystem;

class TempDir {
  public:
    TempDir() {
        static std::mt19937 random{std::random_device{}()};
        path_ = fs::temp_directory_path() / ("tools-test-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

template <typename Tool> ToolRun runTool(Tool tool, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = tool(args, out, err);
    return {code, out.str(), err.str()};
}

inline void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every pixel differs from its neighbours, and `salt` tells two pictures apart.
inline Picture patternPicture(int width, int height, unsigned salt) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned v = static_cast<unsigned>(x * 7 + y * 13) + salt * 101;
            p.set(x, y,
                  {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v * 3 + y),
                   static_cast<std::uint8_t>(x ^ y ^ salt)});
        }
    }
    return p;
}

inline const fs::path& demoCourse() {
    static const fs::path path = CORPUS_DEMO_COURSE_DIR;
    return path;
}
