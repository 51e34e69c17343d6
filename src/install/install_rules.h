// The rules of the installation record and of the hard-disk installation that are not
// calls: the days counted since a refusal, the date text, which drives qualify, the drive a
// chosen row stands for, the decision of the content location, and the copy's paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A UTC calendar date as the system clock gives it.
struct CalendarDate {
    int day;
    int month;
    int year;
};

// A drive qualifies for the installation when it has more free bytes than this.
constexpr std::uint32_t freeSpaceThreshold = 1300000000u;
// The offer comes again once more counted days than this have passed since a refusal.
constexpr int kDaysBeforeOfferingAgain = 30;
// The installation record's values are read into this many bytes.
constexpr std::size_t kRecordValueSize = 50;
// Paths formed by the recursive copy hold at most this many characters.
constexpr std::size_t kCopyPathLimit = 199;

constexpr const char* kPathValue = "Path";
constexpr const char* kLastDeclinedValue = "LastDeclined";
constexpr const char* kDeclinedPath = "Declined";

// "LastDeclined" read as "%d:%d:%d" (day, month, year): each number with optional leading
// white space and sign; the first number that cannot be read, and every one after it,
// counts as 0. Numbers beyond 32 bits saturate.
CalendarDate parseDeclinedDate(std::string_view text);
// "%d:%d:%d" of day, month and year, without leading zeros (7:12:2026).
std::string formatDeclinedDate(CalendarDate date);
// 365 x years + 30 x months + days between the two dates, in 64 bits so that no stored
// text can overflow it.
std::int64_t countedDaysSince(CalendarDate declined, CalendarDate today);
// Whether a refusal on `declined` has aged enough for the offer to come again on `today`.
bool offerAgainAfterRefusal(CalendarDate declined, CalendarDate today);

// Whether a drive whose free-space query succeeded (or not) qualifies with this many free
// bytes on it.
bool driveHasSpace(bool spaceKnown, std::uint64_t freeBytes, std::uint64_t threshold);

// The drive the installation goes to. `chosen` is the drive root the user picked in the
// drive selection (empty when unknown), `row` its row, `fresh` the qualifying drives listed
// again after the dialog. A drive the user picked is taken only while it still qualifies,
// wherever its row now lies; with no picked text the row is looked up in the fresh list.
// Nothing when the drive no longer qualifies or the row is outside the list.
std::optional<std::string> installDriveFor(const std::vector<std::string>& fresh, int row,
                                           std::string_view chosen);

// What the content location does with the installation record it finds.
enum class LocationStep {
    OfferInstallation, // offer to install; when that does not install, scan the drives
    UseInstalledCopy,  // use the recorded copy if it and its program directory exist
    ScanDrives,        // look for a CD
};

// The record as read: whether the product key had to be created, and "Path" if it could be
// read. `driveQualifies` is asked only where the decision needs it; `lastDeclined` is
// "LastDeclined" as read (empty when it could not be).
LocationStep planContentLocation(bool keyCreated, const std::optional<std::string>& path,
                                 const std::function<bool()>& driveQualifies,
                                 const std::function<std::string()>& lastDeclined,
                                 CalendarDate today);

// The installed copy's directory on a drive root: "%s%s" of the root and "Corpus".
std::string installDirectoryOnDrive(std::string_view driveRoot);
// The marker of a volume (1 or 2) on a drive: D:\Corpus\program\volume1.
std::string volumeMarkerOnDrive(std::string_view driveRoot, int volume);

// The folders of an installation on a drive root. The copy is made in `staging` (C:\Corpus.new)
// and takes its name `copy` (C:\Corpus) only once every file is in it, so that no drive scan
// ever finds a copy that is not whole; an earlier installation at `copy` is moved aside to
// `retired` (C:\Corpus.old) while the new copy takes its place, then removed.
struct InstallFolders {
    std::string copy;
    std::string staging;
    std::string retired;
};
InstallFolders installFoldersOnDrive(std::string_view driveRoot);
// The file that marks the staging folder and a retired installation as the installation's
// own, so that a folder of that name that the user made is never removed. It is the first
// thing written into them and the last thing removed.
constexpr const char* kOwnFolderMarker = "CorpusView.installing";

// The listing's entries for the directory itself and its parent, passed over by name.
bool isDirectoryOwnEntry(std::string_view name);
// "%s\%s" of a directory and an entry name; nothing when it would exceed kCopyPathLimit.
std::optional<std::string> copyEntryPath(std::string_view directory, std::string_view name);

// A file that Volume II carries in a combined form for the merged copy: the source below
// Volume II's content directory and the target below the copy.
struct CombinedFile {
    const char* source;
    const char* target;
};
constexpr CombinedFile kCombinedFiles[] = {
    {"\\program\\fullconfig.dat", "\\config.dat"},
    {"\\program\\fullindex.dat", "\\index.dat"},
    {"\\program\\fullintro.bmp", "\\program\\intro.bmp"},
};

// The width in pixels of the filled part of a progress bar `width` pixels wide after `done`
// of `total` files (a full bar when the total is 0 or exceeded).
int progressFillWidth(std::size_t done, std::size_t total, int width);
// The bar is redrawn at most every this many milliseconds.
constexpr std::uint32_t kProgressRedrawMilliseconds = 100;
