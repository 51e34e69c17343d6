#include "display/switch_code.h"

#include "content/lenient_number.h"

#include <algorithm>

namespace {

std::int32_t valueOr(std::optional<std::string_view> text, std::int32_t fallback) {
    return text ? lenientNumber(*text) : fallback;
}

// The hold times of a code: a negative time (never reached by an unsigned wait) is the
// default.
std::int32_t usableTimeToGo(std::int32_t timeToGo) {
    return timeToGo < 0 ? kDefaultSwitchCodeSettings.timeToGo : timeToGo;
}

class CodeBuilder {
  public:
    explicit CodeBuilder(const ScreenGeometry& screen) : screen_(screen) { code_.count = 0; }

    void line(std::int32_t row, std::uint32_t colour) {
        add({SwitchStep::Line, colour, 0, row, screen_.width, 1, 0});
    }
    void colouredRows(int yellowRows) {
        line(0, kSwitchRed);
        line(1, kSwitchRed);
        line(2, kSwitchGreen);
        line(3, kSwitchGreen);
        for (int row = 4; row < 4 + yellowRows; ++row) {
            line(row, kSwitchYellow);
        }
    }
    // Clipped to the screen; nothing when no row or column of it is on the screen.
    void fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              std::uint32_t colour) {
        const std::int64_t left = std::max<std::int64_t>(x, 0);
        const std::int64_t top = std::max<std::int64_t>(y, 0);
        const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, screen_.width);
        const std::int64_t bottom =
            std::min<std::int64_t>(std::int64_t{y} + height, screen_.height);
        if (right <= left || bottom <= top) {
            return;
        }
        add({SwitchStep::Fill, colour, static_cast<std::int32_t>(left),
             static_cast<std::int32_t>(top), static_cast<std::int32_t>(right - left),
             static_cast<std::int32_t>(bottom - top), 0});
    }
    void wholeScreen(std::uint32_t colour) { fill(0, 0, screen_.width, screen_.height, colour); }
    void hold(std::int32_t milliseconds) {
        add({SwitchStep::Hold, 0, 0, 0, 0, 0, static_cast<std::uint32_t>(milliseconds)});
    }
    const SwitchCode& code() const { return code_; }

  private:
    void add(const SwitchStep& step) {
        if (code_.count < code_.steps.size()) {
            code_.steps[code_.count++] = step;
        }
    }

    ScreenGeometry screen_;
    SwitchCode code_;
};

} // namespace

SwitchCodeSettings switchCodeSettingsFrom(std::optional<std::string_view> linesToGo,
                                          std::optional<std::string_view> linesToNoGo,
                                          std::optional<std::string_view> timeToGo) {
    return {valueOr(linesToGo, kDefaultSwitchCodeSettings.linesToGo),
            valueOr(linesToNoGo, kDefaultSwitchCodeSettings.linesToNoGo),
            usableTimeToGo(valueOr(timeToGo, kDefaultSwitchCodeSettings.timeToGo))};
}

SwitchCode onCode(const SwitchCodeSettings& settings, const ScreenGeometry& screen) {
    const std::int32_t time = usableTimeToGo(settings.timeToGo);
    CodeBuilder code(screen);
    code.colouredRows(6);
    code.hold(time / 2);
    code.wholeScreen(kSwitchBlack);
    // Pairs whose rows lie below the screen would draw nothing: a huge "LinesToGo" must not
    // keep the program drawing them.
    const std::int32_t pairs = settings.linesToGo / 4;
    const std::int32_t pairsOnScreen = screen.height > 0 ? (screen.height + 3) / 4 : 0;
    for (std::int32_t i = 0; i < std::min(pairs, pairsOnScreen); ++i) {
        code.line(4 * i, kSwitchWhite);
        code.line(4 * i + 1, kSwitchWhite);
    }
    code.hold(time);
    code.fill(0, 0, screen.width, settings.linesToGo, kSwitchBlack);
    return code.code();
}

SwitchCode offCode(const SwitchCodeSettings& settings, const ScreenGeometry& screen) {
    const std::int32_t time = usableTimeToGo(settings.timeToGo);
    CodeBuilder code(screen);
    code.wholeScreen(kSwitchBlack);
    code.colouredRows(4);
    code.hold(time / 2);
    code.fill(0, screen.bandTop, screen.width, settings.linesToNoGo, kSwitchWhite);
    code.line(screen.bandTop, kSwitchWhite);
    code.hold(time);
    code.wholeScreen(kSwitchBlack);
    return code.code();
}
