#include "test_imaging_support.h"

#include <fstream>

#include "display/display_globals.h"
#include "imaging/stereo_image_pixels.h"

TestScreen::TestScreen() : previousScreen_(screenDC) {
    screenDC = dc_;
}

TestScreen::~TestScreen() {
    screenDC = previousScreen_;
}

void TestScreen::fill(const std::function<std::uint32_t(int, int)>& colour) {
    GdiFlush();
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            bits_[y * 1024 + x] = colour(x, y);
        }
    }
}

PixelImage TestScreen::snapshot() const {
    GdiFlush();
    PixelImage image(1024, 768);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            image.at(x, y) = pixel(x, y);
        }
    }
    return image;
}

std::uint32_t busyPattern(int x, int y) {
    return pixelRgb(x * 3 + y, y * 5 + (x >> 4), x ^ (y * 7)) | 0x010101;
}

std::string writeBytes(const std::string& directory, const std::string& name,
                       const std::vector<std::uint8_t>& bytes) {
    const std::string path = directory + "\\" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::uint32_t exactPattern(int x, int y) {
    static const unsigned levels[] = {0, 66, 132, 198, 255};
    return pixelRgb(levels[x % 5], levels[y % 5], levels[(x / 5 + y / 5) % 5]);
}

std::vector<std::uint8_t> exactPatternPpm(int width, int height) {
    const std::string head =
        "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<std::uint8_t> bytes(head.begin(), head.end());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = exactPattern(x, y);
            bytes.push_back(static_cast<std::uint8_t>(p >> 16));
            bytes.push_back(static_cast<std::uint8_t>(p >> 8));
            bytes.push_back(static_cast<std::uint8_t>(p));
        }
    }
    return bytes;
}

namespace {

// Wine's own export that names the Unix file behind a Windows path; absent on Windows.
std::string unixPath(const std::string& windowsPath) {
    using Converter = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Converter>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) {
        return {};
    }
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* name = convert(wide);
    if (name == nullptr) {
        return {};
    }
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

} // namespace

bool runConvert(const std::string& input, const std::string& arguments, const std::string& format,
                const std::string& output, std::string& message) {
    const std::string marker = output + ".done";
    const std::string in = unixPath(input), out = unixPath(output), done = unixPath(marker);
    if (in.empty() || out.empty()) {
        message = "no Unix paths: these pictures are made only under Wine";
        return false;
    }
    DeleteFileA(marker.c_str());
    std::string command = "/bin/sh -c \"/usr/bin/convert " + in + " " + arguments + " " + format +
                          out + "; echo $? > " + done + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        message = "cannot start /bin/sh";
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; waited < 30000; waited += 20) {
        std::ifstream status(marker);
        std::string code;
        if (status >> code) {
            if (code != "0") {
                message = "convert " + arguments + " failed with " + code;
                return false;
            }
            return true;
        }
        Sleep(20);
    }
    message = "convert did not finish within 30 s";
    return false;
}

PixelImage readBitmap(HDC dc, HBITMAP bitmap) {
    return pixelsOfBitmap(dc, bitmap);
}
