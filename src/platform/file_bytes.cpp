#include "platform/file_bytes.h"

#include <windows.h>

bool readContentFile(const std::string& path, std::string& bytes, std::size_t limit) {
    bytes.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    char chunk[65536];
    DWORD got = 0;
    while (bytes.size() < limit && ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    if (bytes.size() > limit) {
        bytes.resize(limit);
    }
    CloseHandle(file);
    return true;
}
