#include "install/install_rules.h"

#include "content/lenient_number.h"
#include "install/drive_scan_rules.h"

CalendarDate parseDeclinedDate(std::string_view text) {
    int numbers[3] = {0, 0, 0};
    std::size_t position = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (position >= text.size() || text[position] != ':') {
                break;
            }
            ++position;
        }
        const LenientNumber number = readLenientNumber(text, position);
        if (!number.hasDigits) {
            break;
        }
        numbers[i] = number.value;
        position = number.end;
    }
    return {numbers[0], numbers[1], numbers[2]};
}

std::string formatDeclinedDate(CalendarDate date) {
    return std::to_string(date.day) + ':' + std::to_string(date.month) + ':' +
           std::to_string(date.year);
}

std::int64_t countedDaysSince(CalendarDate declined, CalendarDate today) {
    return 365 * (std::int64_t{today.year} - declined.year) +
           30 * (std::int64_t{today.month} - declined.month) +
           (std::int64_t{today.day} - declined.day);
}

bool offerAgainAfterRefusal(CalendarDate declined, CalendarDate today) {
    return countedDaysSince(declined, today) > kDaysBeforeOfferingAgain;
}

bool driveHasSpace(bool spaceKnown, std::uint64_t freeBytes, std::uint64_t threshold) {
    return spaceKnown && freeBytes > threshold;
}

std::optional<std::string> installDriveFor(const std::vector<std::string>& fresh, int row,
                                           std::string_view chosen) {
    if (!chosen.empty()) {
        for (const std::string& drive : fresh) {
            if (drive == chosen) {
                return drive;
            }
        }
        return std::nullopt;
    }
    if (row < 0 || static_cast<std::size_t>(row) >= fresh.size()) {
        return std::nullopt;
    }
    return fresh[static_cast<std::size_t>(row)];
}

LocationStep planContentLocation(bool keyCreated, const std::optional<std::string>& path,
                                 const std::function<bool()>& driveQualifies,
                                 const std::function<std::string()>& lastDeclined,
                                 CalendarDate today) {
    if (keyCreated || !path) {
        return driveQualifies() ? LocationStep::OfferInstallation : LocationStep::ScanDrives;
    }
    if (*path == kDeclinedPath) {
        if (!driveQualifies()) {
            return LocationStep::ScanDrives;
        }
        return offerAgainAfterRefusal(parseDeclinedDate(lastDeclined()), today)
                   ? LocationStep::OfferInstallation
                   : LocationStep::ScanDrives;
    }
    return LocationStep::UseInstalledCopy;
}

std::string installDirectoryOnDrive(std::string_view driveRoot) {
    return contentPathsOnDrive(driveRoot).directory;
}

std::string volumeMarkerOnDrive(std::string_view driveRoot, int volume) {
    return contentPathsOnDrive(driveRoot).program + (volume == 1 ? "\\volume1" : "\\volume2");
}

InstallFolders installFoldersOnDrive(std::string_view driveRoot) {
    const std::string copy = installDirectoryOnDrive(driveRoot);
    return {copy, copy + ".new", copy + ".old"};
}

bool isDirectoryOwnEntry(std::string_view name) {
    return name == "." || name == "..";
}

std::optional<std::string> copyEntryPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    path.push_back('\\');
    path.append(name);
    if (path.size() > kCopyPathLimit) {
        return std::nullopt;
    }
    return path;
}

int progressFillWidth(std::size_t done, std::size_t total, int width) {
    if (width <= 0) {
        return 0;
    }
    if (total == 0 || done >= total) {
        return width;
    }
    return static_cast<int>(static_cast<std::uint64_t>(done) * static_cast<std::uint64_t>(width) /
                            total);
}
