#include "quiz/query_file.h"

#include <algorithm>

#include "content/lenient_number.h"
#include "content/script_line.h"

namespace {

constexpr int kPanelNumbers = 5;
constexpr int kTargetNumbers = 4;
constexpr int kQueryLineCount = 5;

// The next space-separated token of `text` from `at`, separators before it skipped; the
// last token of a line also ends at a carriage return or line feed. Empty when none is left.
std::string_view nextToken(std::string_view text, std::size_t& at, bool last) {
    const auto separates = [last](char c) {
        return c == ' ' || (last && (c == '\r' || c == '\n'));
    };
    while (at < text.size() && separates(text[at])) {
        ++at;
    }
    const std::size_t start = at;
    while (at < text.size() && !separates(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// Reads `count` numbers, each a token read by the lenient number rule (a token without
// digits reads as 0); false when the line holds fewer tokens.
bool readNumbers(std::string_view text, std::int32_t* values, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const std::string_view token = nextToken(text, at, i == count - 1);
        if (token.empty()) {
            return false;
        }
        values[i] = readLenientNumber(token).value;
    }
    return true;
}

// A prompt line: the text up to its first carriage return.
std::string_view promptText(std::string_view line) {
    return line.substr(0, std::min(line.find('\r'), line.size()));
}

QueryFileReading malformed() {
    return {QueryFileStatus::Malformed, {}, {}};
}

} // namespace

QueryLine readQueryLine(std::string_view bytes, std::size_t position) {
    if (position >= bytes.size()) {
        return {{}, bytes.size(), false, false, true};
    }
    const std::string_view window = bytes.substr(position, kQueryLineWindow);
    const std::size_t start = std::min(window.find_first_not_of('\n'), window.size());
    const std::string_view rest = window.substr(start);
    const std::size_t lineFeed = rest.find('\n');
    const bool windowHoldsFileEnd = position + window.size() == bytes.size();
    std::string_view text = rest.substr(0, std::min(lineFeed, rest.size()));
    // A NUL byte ends the text, as it ends the string the line is read into.
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    const std::size_t lineLength = lineFeed == std::string_view::npos ? rest.size() : lineFeed;
    return {text, std::min(position + lineLength + 1, bytes.size()), !rest.empty(), start > 0,
            lineFeed != std::string_view::npos || windowHoldsFileEnd};
}

QueryFileReading readQueryFile(std::string_view bytes) {
    QueryLine lines[kQueryLineCount];
    std::size_t position = 0;
    int count = 0;
    for (; count < kQueryLineCount; ++count) {
        lines[count] = readQueryLine(bytes, position);
        if (!lines[count].present) {
            break;
        }
        position = lines[count].next;
    }

    // Line 1 is judged first: a wrong keyword is reported whatever follows it.
    if (count == 0 || lines[0].skippedLineFeed || !lines[0].ended) {
        return malformed();
    }
    const KeywordSplit first = splitKeyword(lines[0].text);
    if (first.keyword != kQueryKeyword) {
        return {QueryFileStatus::NotLocate, std::string(first.keyword), {}};
    }
    if (count < kQueryLineCount) {
        return malformed();
    }
    for (const QueryLine& line : lines) {
        if (line.skippedLineFeed || !line.ended) {
            return malformed();
        }
    }

    QueryFileReading reading{QueryFileStatus::Read, std::string(first.keyword), {}};
    QueryFile& query = reading.query;
    std::int32_t panel[kPanelNumbers] = {};
    std::int32_t target[kTargetNumbers] = {};
    if (!readNumbers(first.arguments, panel, kPanelNumbers) ||
        !readNumbers(lines[4].text, target, kTargetNumbers)) {
        return malformed();
    }
    query.panel = {panel[0], panel[1], panel[2], panel[3], panel[4]};
    query.target = {target[0], target[1], target[2], target[3]};
    for (int i = 0; i < kQueryPromptCount; ++i) {
        const std::string_view prompt = promptText(lines[1 + i].text);
        if (prompt.empty()) {
            return malformed();
        }
        query.prompts[i] = std::string(prompt);
    }
    return reading;
}
