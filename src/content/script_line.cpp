#include "content/script_line.h"

#include "content/lenient_number.h"

#include <algorithm>
#include <cstring>

namespace {

bool isWordSeparator(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

std::size_t skipWordSeparators(std::string_view text, std::size_t from) {
    while (from < text.size() && isWordSeparator(text[from])) {
        ++from;
    }
    return from;
}

std::size_t findWordEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && !isWordSeparator(text[from])) {
        ++from;
    }
    return from;
}

std::string_view upToCarriageReturn(std::string_view text) {
    return text.substr(0, std::min(text.find('\r'), text.size()));
}

} // namespace

KeywordSplit splitKeyword(std::string_view line) {
    const std::size_t start = skipWordSeparators(line, 0);
    const std::size_t end = findWordEnd(line, start);
    const std::string_view keyword = line.substr(start, end - start);
    const std::string_view arguments =
        end < line.size() ? line.substr(end + 1) : std::string_view{};
    return {keyword, arguments};
}

std::string_view wordArgument(std::string_view arguments) {
    const std::size_t start = skipWordSeparators(arguments, 0);
    return arguments.substr(start, findWordEnd(arguments, start) - start);
}

std::string_view restOfLineArgument(std::string_view arguments) {
    return upToCarriageReturn(arguments);
}

TextArgument textArgument(std::string_view arguments) {
    const std::size_t comma = arguments.find(',');
    if (comma == std::string_view::npos) {
        return {upToCarriageReturn(arguments), {}};
    }
    return {arguments.substr(0, comma), arguments.substr(comma + 1)};
}

void readNumberArguments(std::string_view numbers, std::int32_t* values, std::size_t count) {
    std::size_t position = 0;
    for (std::size_t i = 0; i < count; ++i) {
        while (position < numbers.size() && numbers[position] == ' ') {
            ++position;
        }
        std::size_t end = position;
        while (end < numbers.size() && numbers[end] != ' ') {
            ++end;
        }
        values[i] = lenientNumber(numbers.substr(position, end - position));
        position = end;
    }
}

void copyTextField(char* field, std::size_t size, std::string_view text) {
    const std::size_t length = std::min(text.size(), size - 1);
    if (length > 0) {
        std::memcpy(field, text.data(), length);
    }
    std::memset(field + length, 0, size - length);
}
