#include "content/index_slide.h"

#include "ground/index_entry.h"
#include "content/line_walker.h"
#include "content/script_line.h"

namespace {

constexpr std::string_view kEntryKeyword = "Entry";

bool isAnnotation(const ScriptKeyword& keyword) {
    return keyword.kind == Text || keyword.kind == Color || keyword.kind == Line ||
           keyword.kind == Fontsize;
}

// The term of an "Entry" line, cut as index.dat's terms are, so that a cut term still
// finds its block.
std::string_view entryTerm(std::string_view arguments) {
    return restOfLineArgument(arguments).substr(0, kIndexTermSize - 1);
}

} // namespace

std::string indexTruncationText(std::string_view keyword, int elementCount) {
    return "Problem with: " + std::string(keyword) + "\nTruncating Index at line " +
           std::to_string(elementCount) + ".";
}

std::string_view imageBaseName(std::string_view fileName) {
    return fileName.substr(0, fileName.rfind('.'));
}

SlideReading readIndexSlideBytes(std::string_view indFile, std::string_view term,
                                 std::string_view imageName, ColourEntries colours,
                                 ElementRecords elements) {
    SlideReading reading;
    ElementList list(elements, colours, reading);
    copyTextField(list.addOwn(Image).text, imageName);
    bool found = false;
    LineWalker lines(indFile, kScriptLineRules);
    ContentLine line;
    while (lines.next(line)) {
        if (line.overlong) {
            reading.overlongLines.push_back(line.number);
        }
        const KeywordSplit split = splitKeyword(line.text);
        if (split.keyword.empty()) {
            continue; // a line without any token
        }
        if (split.keyword == kEntryKeyword) {
            if (found) {
                break;
            }
            found = entryTerm(split.arguments) == term;
            continue;
        }
        if (!found) {
            continue;
        }
        const ScriptKeyword* keyword = findScriptKeyword(split.keyword);
        if (keyword == nullptr || !isAnnotation(*keyword)) {
            reading.message = ContentMessage{kScriptErrorCaption,
                                             indexTruncationText(split.keyword, list.count())};
            reading.truncatedAtLine = line.number;
            break;
        }
        list.addLine(*keyword, split.arguments, line.number);
    }
    if (!found) {
        reading.result = 0;
        return reading;
    }
    list.finish();
    return reading;
}

SlideReading readIndexSlideIn(const SlideDirectory& directory, std::string_view term,
                              ColourEntries colours, ElementRecords elements) {
    SlideReading failed;
    failed.result = 0;
    failed.beeps = 1;
    const std::optional<std::string> picture = directory.findFirst("*.duo");
    if (!picture) {
        return failed;
    }
    const std::optional<std::string> indName = directory.findFirst("*.ind");
    if (!indName) {
        return failed;
    }
    const std::optional<std::string> bytes = directory.readFile(*indName);
    SlideReading reading = readIndexSlideBytes(bytes ? *bytes : std::string_view{}, term,
                                               imageBaseName(*picture), colours, elements);
    reading.fileName = *indName;
    return reading;
}
