// How a line of a slide script or ".ind" file splits into its keyword and its arguments,
// and how each kind of argument is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct KeywordSplit {
    // The line's first token (separators space, carriage return, line feed); empty when the
    // line holds none.
    std::string_view keyword;
    // Everything after the one character that ended the keyword; empty when the keyword
    // ends the line.
    std::string_view arguments;
};

KeywordSplit splitKeyword(std::string_view line);

// A word: leading separators skipped, then up to the next space, carriage return or line
// feed. Empty when the arguments hold none.
std::string_view wordArgument(std::string_view arguments);

// The rest of the line, spaces included, up to the carriage return.
std::string_view restOfLineArgument(std::string_view arguments);

struct TextArgument {
    std::string_view text;    // up to the first comma
    std::string_view numbers; // after the comma; empty without one
};

// The text of "Text" and "EText": up to the first comma, which the numbers follow. Without
// a comma the text runs to the carriage return and no numbers follow.
TextArgument textArgument(std::string_view arguments);

// Reads `count` numbers separated by spaces, each by the lenient number rule; numbers that
// are missing read as 0.
void readNumberArguments(std::string_view numbers, std::int32_t* values, std::size_t count);

// Copies `text` into a NUL-terminated field of `size` bytes, cut to fit, zero-filled.
void copyTextField(char* field, std::size_t size, std::string_view text);

template <std::size_t N> void copyTextField(char (&field)[N], std::string_view text) {
    copyTextField(field, N, text);
}

// The text of a NUL-terminated field, never reading past the field.
template <std::size_t N> std::string_view textFieldView(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') {
        ++length;
    }
    return {field, length};
}
