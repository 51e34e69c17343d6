#include "platform/file_search.h"

#include <windows.h>

std::string firstMatchingFile(const std::string& pattern) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return {};
    }
    FindClose(search);
    return found.cFileName;
}
