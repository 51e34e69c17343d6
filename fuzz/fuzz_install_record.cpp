// The installation record as read back from the registry: the refusal date of
// "LastDeclined" and the drive chosen from a drive list. Every text gives a date whose day
// count neither overflows nor depends on more than its three numbers, and a chosen drive is
// always one of the list's.
#include "fuzz_check.h"
#include "install/drive_scan_rules.h"
#include "install/install_rules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const CalendarDate declined = parseDeclinedDate(text);
    const CalendarDate back = parseDeclinedDate(formatDeclinedDate(declined));
    fuzzCheck(back.day == declined.day && back.month == declined.month &&
              back.year == declined.year);
    offerAgainAfterRefusal(declined, {1, 1, 2027});
    offerAgainAfterRefusal(declined, {-2147483647 - 1, -2147483647 - 1, 2147483647});

    const std::vector<std::string> drives = driveRootsToScan(text);
    for (int row = -1; row <= static_cast<int>(drives.size()); ++row) {
        const std::optional<std::string> byRow = installDriveFor(drives, row, "");
        fuzzCheck(byRow.has_value() == (row >= 0 && row < static_cast<int>(drives.size())));
        if (!drives.empty()) {
            fuzzCheck(installDriveFor(drives, row, drives.back()) == drives.back());
        }
    }
    return 0;
}
