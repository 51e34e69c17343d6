// The texts the start-up checks, the switching codes and the calibration read from the
// registry and the system: version numbers, the three code settings, the stored correction
// and the drive list. Every input gives a result within its limits, and every code built
// from the settings stays on the screen.
#include "fuzz_check.h"
#include "display/calibration_rules.h"
#include "display/decimal_text.h"
#include "display/display_check_rules.h"
#include "display/switch_code.h"
#include "install/drive_scan_rules.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void checkCode(const SwitchCode& code) {
    fuzzCheck(code.count <= kMaxSwitchSteps);
    for (std::size_t i = 0; i < code.count; ++i) {
        const SwitchStep& step = code.steps[i];
        if (step.kind == SwitchStep::Fill) {
            fuzzCheck(step.x >= 0 && step.y >= 0 && step.width > 0 && step.height > 0);
            fuzzCheck(step.x + step.width <= kStereoScreen.width);
            fuzzCheck(step.y + step.height <= kStereoScreen.height);
        } else if (step.kind == SwitchStep::Line) {
            fuzzCheck(step.y >= 0 && step.y < kStereoScreen.height);
        } else {
            fuzzCheck(step.milliseconds <= 2147483647u);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    fuzzCheck(!std::isnan(decimalTextValue(text)));
    newestVersionStep(false, text, "5.0");

    // Three settings texts, separated by the first two line feeds.
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string_view::npos ? first : text.find('\n', first + 1);
    const std::string_view linesToGo = text.substr(0, first);
    const std::string_view linesToNoGo = first == std::string_view::npos
                                             ? std::string_view()
                                             : text.substr(first + 1, second - first - 1);
    const std::string_view timeToGo =
        second == std::string_view::npos ? std::string_view() : text.substr(second + 1);
    const SwitchCodeSettings settings = switchCodeSettingsFrom(linesToGo, linesToNoGo, timeToGo);
    fuzzCheck(settings.timeToGo >= 0);
    checkCode(onCode(settings, kStereoScreen));
    checkCode(offCode(settings, kStereoScreen));

    const int correction = storedCorrection(text);
    fuzzCheck(correction >= -kMaxAlignmentOffset && correction <= kMaxAlignmentOffset);

    for (const std::string& root : driveRootsToScan(text)) {
        fuzzCheck(!root.empty() && root.size() <= size);
        fuzzCheck(root.find('\0') == std::string::npos);
    }
    return 0;
}
