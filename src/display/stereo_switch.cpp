// Draws the adapter's switching codes on screenDC and holds each picture in a busy wait on
// the millisecond clock; loads the codes' settings from the registry.
#include "display/stereo_switch.h"

#include "display/display_globals.h"
#include "display/software_adapter.h"
#include "display/switch_code.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/window_faces.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

// Holds the thread until `limit` ms have passed; the unsigned difference makes a wrap of the
// clock harmless. No window messages are handled meanwhile.
void holdFor(std::uint32_t limit) {
    // What was drawn must be on the screen for the whole hold.
    finishDrawing();
    const std::uint32_t start = platform().milliseconds();
    while (platform().milliseconds() - start < limit) {
    }
}

// The solid 1-pixel pens of one code, made when first needed; the DC's own pen is put back
// before they are deleted.
class CodePens {
  public:
    explicit CodePens(HDC dc) : dc_(dc), original_(GetCurrentObject(dc, OBJ_PEN)) {}
    ~CodePens() {
        if (original_ != nullptr) {
            SelectObject(dc_, original_);
        }
        for (int i = 0; i < count_; ++i) {
            DeleteObject(pens_[i].pen);
        }
    }
    CodePens(const CodePens&) = delete;
    CodePens& operator=(const CodePens&) = delete;

    void select(std::uint32_t colour) {
        for (int i = 0; i < count_; ++i) {
            if (pens_[i].colour == colour) {
                SelectObject(dc_, pens_[i].pen);
                return;
            }
        }
        if (count_ == kMaxPens) {
            return;
        }
        const HPEN pen = CreatePen(PS_SOLID, 1, colour);
        if (pen == nullptr) {
            return;
        }
        pens_[count_++] = {colour, pen};
        SelectObject(dc_, pen);
    }

  private:
    static constexpr int kMaxPens = 8;
    struct Pen {
        std::uint32_t colour;
        HPEN pen;
    };
    HDC dc_;
    HGDIOBJ original_;
    Pen pens_[kMaxPens] = {};
    int count_ = 0;
};

void fillRectangle(HDC dc, const SwitchStep& step) {
    const RECT area = {step.x, step.y, step.x + step.width, step.y + step.height};
    const HBRUSH brush = CreateSolidBrush(step.colour);
    if (brush == nullptr) {
        return;
    }
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// Drawing failures are not reported: the adapter has no way to answer anyway.
void drawSwitchCode(HDC dc, const SwitchCode& code) {
    CodePens pens(dc);
    for (std::size_t i = 0; i < code.count; ++i) {
        const SwitchStep& step = code.steps[i];
        switch (step.kind) {
        case SwitchStep::Line:
            pens.select(step.colour);
            MoveToEx(dc, step.x, step.y, nullptr);
            LineTo(dc, step.x + step.width, step.y);
            break;
        case SwitchStep::Fill:
            fillRectangle(dc, step);
            break;
        case SwitchStep::Hold:
            holdFor(step.milliseconds);
            break;
        }
    }
}

std::optional<std::string> readSetting(const RegistryKey& key, const char* name) {
    char text[kSwitchValueBufferSize] = {};
    if (!queryStringValue(key, name, text, sizeof text)) {
        return std::nullopt;
    }
    return std::string(text);
}

void loadSwitchCodeSettings() {
    const RegistryKey key = openProgramKeyForQuery(kErrorCodesKey);
    if (!key) {
        switchCodeSettings = kDefaultSwitchCodeSettings;
        return;
    }
    const std::optional<std::string> linesToGo = readSetting(key, kLinesToGoValue);
    const std::optional<std::string> linesToNoGo = readSetting(key, kLinesToNoGoValue);
    const std::optional<std::string> timeToGo = readSetting(key, kTimeToGoValue);
    switchCodeSettings = switchCodeSettingsFrom(linesToGo, linesToNoGo, timeToGo);
}

} // namespace

void StereoSwitch(int action) {
    switch (action) {
    case StereoOff:
        if (softwareViewing()) {
            switchSoftwareAdapter(false); // no hardware reads the codes
            break;
        }
        drawSwitchCode(screenDC, offCode(switchCodeSettings, screenGeometry));
        break;
    case StereoOn:
        if (softwareViewing()) {
            switchSoftwareAdapter(true);
            break;
        }
        drawSwitchCode(screenDC, onCode(switchCodeSettings, screenGeometry));
        break;
    case StereoLoadSettings:
        loadSwitchCodeSettings();
        break;
    default:
        break;
    }
}
