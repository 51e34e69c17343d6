// Reading picture files: an existing file, opened for reading while others may read it but
// not write it; never more bytes than the file holds or than a picture file may have.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class PictureFile {
  public:
    explicit PictureFile(const std::string& path);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    std::uint64_t size() const { return size_; }
    // Appends up to `count` bytes from the current position to `bytes`; fewer at the end of
    // the file. False when the read fails or memory runs out.
    bool readMore(std::size_t count, std::vector<std::uint8_t>& bytes);

  private:
    HANDLE handle_;
    std::uint64_t size_ = 0;
};

// What the BMP loaders read: the bytes after the 14-byte file header, as many as its size
// field declares and the file holds. False when the file cannot be opened or read, is shorter
// than its file header, declares nothing after it, or is longer than a picture file may be.
bool readBmpPayload(const std::string& path, std::vector<std::uint8_t>& payload);
