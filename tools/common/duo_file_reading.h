// Reading a DUO file as the program does, with the reason the program would show no
// picture for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/picture.h"
#include "imaging/duo_format.h"

// The reason for a status other than Loaded, in the program's words where it has them.
std::string duoRefusalReason(DuoStatus status);

struct OpenedDuo {
    std::vector<std::uint8_t> bytes; // `file` points into them
    DuoFile file;
};

// The file's bytes and views; nothing with `error` set to the reason when the file cannot
// be read or the program refuses it.
std::optional<OpenedDuo> openDuoFile(const std::string& path, std::string& error);

// The pixels of one checked view.
Picture viewPicture(const DuoView& view);
