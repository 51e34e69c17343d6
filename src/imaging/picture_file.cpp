#include "imaging/picture_file.h"

#include <algorithm>
#include <new>

#include "imaging/bmp_file.h"

PictureFile::PictureFile(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER length = {};
    if (isOpen() && GetFileSizeEx(handle_, &length) && length.QuadPart > 0) {
        size_ = static_cast<std::uint64_t>(length.QuadPart);
    }
}

PictureFile::~PictureFile() {
    if (isOpen()) {
        CloseHandle(handle_);
    }
}

bool PictureFile::readMore(std::size_t count, std::vector<std::uint8_t>& bytes) {
    if (!isOpen()) {
        return false;
    }
    const std::size_t start = bytes.size();
    try {
        bytes.resize(start + count);
    } catch (const std::bad_alloc&) {
        bytes.resize(start);
        return false;
    }
    std::size_t done = 0;
    while (done < count) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_, bytes.data() + start + done, chunk, &got, nullptr)) {
            bytes.resize(start + done);
            return false;
        }
        if (got == 0) {
            break; // the end of the file
        }
        done += got;
    }
    bytes.resize(start + done);
    return true;
}

bool readBmpPayload(const std::string& path, std::vector<std::uint8_t>& payload) {
    PictureFile file(path);
    std::vector<std::uint8_t> fileHeader;
    if (!file.readMore(kBmpFileHeaderSize, fileHeader) || fileHeader.size() < kBmpFileHeaderSize) {
        return false;
    }
    const std::uint64_t length = bmpPayloadLength(fileHeader, file.size());
    if (length == 0 || length > kMaxPictureFileBytes) {
        return false;
    }
    payload.clear();
    return file.readMore(static_cast<std::size_t>(length), payload);
}
