#include "content/content_files.h"

#include <windows.h>

#include <algorithm>

#include "content/content_paths.h"

std::optional<std::string> readContentFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    constexpr std::size_t kChunk = 64 * 1024;
    std::string bytes;
    while (bytes.size() < kContentTextFileLimit) {
        const std::size_t held = bytes.size();
        const std::size_t wanted = std::min(kChunk, kContentTextFileLimit - held);
        bytes.resize(held + wanted);
        DWORD got = 0;
        const BOOL ok =
            ReadFile(file, bytes.data() + held, static_cast<DWORD>(wanted), &got, nullptr);
        bytes.resize(held + (ok ? got : 0));
        if (!ok || got == 0) {
            break;
        }
    }
    CloseHandle(file);
    return bytes;
}

std::optional<std::string> findFirstFileName(const std::string& pattern) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    FindClose(search);
    return std::string(found.cFileName);
}

SlideDirectory slideDirectoryAt(const std::string& path) {
    return {
        [path](std::string_view pattern) { return findFirstFileName(path + std::string(pattern)); },
        [path](const std::string& fileName) { return readContentFile(path + fileName); },
    };
}
