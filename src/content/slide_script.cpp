#include "content/slide_script.h"

#include "content/line_walker.h"
#include "content/script_line.h"

namespace {

constexpr std::int32_t kNoNarrationDelaySeconds = 10;

} // namespace

std::string scriptTruncationText(std::string_view keyword, int elementCount) {
    return "Problem with: " + std::string(keyword) + "\nTruncating slide at line " +
           std::to_string(elementCount) + ".";
}

SlideReading readScriptBytes(std::string_view script, const ModeFlags& modes,
                             std::int32_t& narrationSeen, ColourEntries colours,
                             ElementRecords elements) {
    SlideReading reading;
    ElementList list(elements, colours, reading);
    LineWalker lines(script, kScriptLineRules);
    ContentLine line;
    while (lines.next(line)) {
        if (line.overlong) {
            reading.overlongLines.push_back(line.number);
        }
        const KeywordSplit split = splitKeyword(line.text);
        if (split.keyword.empty() || split.keyword.front() == '#') {
            continue; // a comment, or a line without any token
        }
        const ScriptKeyword* keyword = findScriptKeyword(split.keyword);
        if (keyword == nullptr) {
            reading.message = ContentMessage{kScriptErrorCaption,
                                             scriptTruncationText(split.keyword, list.count())};
            reading.truncatedAtLine = line.number;
            break;
        }
        if (keyword->kind == Narration) {
            narrationSeen = 1;
        }
        if (keywordTaken(*keyword, modes)) {
            list.addLine(*keyword, split.arguments, line.number);
        }
    }
    // The notice and its wait are added whole or not at all.
    if (modes.narrationEnabled == 1 && narrationSeen == 0 && list.room() >= 2) {
        list.addOwn(NoNarration);
        list.addOwn(Delay).value = kNoNarrationDelaySeconds;
    }
    list.finish();
    return reading;
}

SlideReading readSlideScriptIn(const SlideDirectory& directory, const ModeFlags& modes,
                               std::int32_t& narrationSeen, ColourEntries colours,
                               ElementRecords elements) {
    int beeps = 0;
    std::optional<std::string> name = directory.findFirst(modes.quizMode != 0 ? "*.qiz" : "*.scp");
    if (!name) {
        ++beeps;
        name = directory.findFirst("*.scp");
    }
    std::optional<std::string> bytes;
    if (name) {
        bytes = directory.readFile(*name);
    }
    SlideReading reading = readScriptBytes(bytes ? *bytes : std::string_view{}, modes,
                                           narrationSeen, colours, elements);
    reading.beeps = beeps;
    reading.fileName = name ? *name : std::string{};
    return reading;
}
