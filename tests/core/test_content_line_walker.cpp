// The line model of the course's text files: windows, the short read that ends a file,
// line ends, and lines longer than their window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/line_walker.h"

namespace {

struct WalkedLine {
    std::string text;
    bool overlong;
    bool operator==(const WalkedLine&) const = default;
};

void PrintTo(const WalkedLine& line, std::ostream* out) {
    *out << '"' << testing::PrintToString(line.text) << '"' << (line.overlong ? " overlong" : "");
}

std::vector<WalkedLine> walk(std::string_view bytes, LineRules rules) {
    std::vector<WalkedLine> lines;
    LineWalker walker(bytes, rules);
    ContentLine line;
    while (walker.next(line)) {
        lines.push_back({std::string(line.text), line.overlong});
        EXPECT_EQ(line.number, static_cast<int>(lines.size()));
    }
    return lines;
}

struct WalkCase {
    const char* name;
    std::string bytes;
    std::vector<WalkedLine> lines;
};

} // namespace

TEST(ContentLineWalker, ScriptLines) {
    const std::string longText(150, 'x');
    const std::string line99(99, 'y'); // with its line feed: exactly one window
    const WalkCase cases[] = {
        {"last line without a line end", "Image a\nMark", {{"Image a", false}, {"Mark", false}}},
        {"carriage return stays in the line", "Title T\r\n", {{"Title T\r", false}}},
        {"a final lone CR LF is not a line", "Mark\r\n\r\n", {{"Mark\r", false}}},
        {"three bytes end the file", "ab\n", {}},
        {"four bytes are a line", "abc\n", {{"abc", false}}},
        {"empty lines while more than three bytes remain",
         "\n\nabcd",
         {{"", false}, {"", false}, {"abcd", false}}},
        {"a short tail is dropped", "\n\nab", {{"", false}}},
        {"a line of one full window", line99 + "\nMark", {{line99, false}, {"Mark", false}}},
        {"a last line of one full window without a line end",
         line99 + "z",
         {{line99 + "z", false}}},
        {"an overlong line is taken whole",
         "Title " + longText + "\nMark\n",
         {{"Title " + longText, true}, {"Mark", false}}},
        {"an overlong last line without a line end", longText, {{longText, true}}},
        {"a NUL byte ends the line's text",
         std::string("Ima\0ge x\nMark", 13),
         {{"Ima", false}, {"Mark", false}}},
        {"an empty file", "", {}},
    };
    for (const WalkCase& c : cases) {
        EXPECT_EQ(walk(c.bytes, kScriptLineRules), c.lines) << c.name;
    }
}

TEST(ContentLineWalker, IndexListLines) {
    const std::string line98(98, 't');
    const WalkCase cases[] = {
        {"CR LF ends a line", "a~S 1\r\nb~S 2", {{"a~S 1", false}, {"b~S 2", false}}},
        {"a blank line in CR LF is a line",
         "a~S 1\r\n\r\nb~S 2",
         {{"a~S 1", false}, {"", false}, {"b~S 2", false}}},
        {"LF LF is one line end", "a~S 1\n\nb~S 2", {{"a~S 1", false}, {"b~S 2", false}}},
        {"LF CR is one line end", "a~S 1\n\rb~S 2", {{"a~S 1", false}, {"b~S 2", false}}},
        {"CR CR is one line end", "a~S 1\r\rb~S 2", {{"a~S 1", false}, {"b~S 2", false}}},
        {"three line ends: the third starts a blank line",
         "a~S 1\n\n\nb~S 2",
         {{"a~S 1", false}, {"", false}, {"b~S 2", false}}},
        {"the LF after a 98-character line's CR lies past the window",
         line98 + "\r\nb~S 2",
         {{line98, false}, {"b~S 2", false}}},
        {"an overlong line is taken whole",
         std::string(120, 'o') + "\r\nb~S 2",
         {{std::string(120, 'o'), true}, {"b~S 2", false}}},
    };
    for (const WalkCase& c : cases) {
        EXPECT_EQ(walk(c.bytes, kIndexListLineRules), c.lines) << c.name;
    }
}

TEST(ContentLineWalker, WindowAndThresholdAreTheFilesOwn) {
    // The series list ends when six bytes or fewer remain; the abstract at three.
    EXPECT_EQ(walk("ab,cd\r\nx,y\r\n", kSeriesListLineRules),
              (std::vector<WalkedLine>{{"ab,cd\r", false}}));
    EXPECT_EQ(walk("ab\r\nxy\r\n", kAbstractLineRules),
              (std::vector<WalkedLine>{{"ab\r", false}, {"xy\r", false}}));
    // An 80-byte abstract window holds a 79-character line with its line feed only.
    const std::string line79(79, 'a');
    EXPECT_EQ(walk(line79 + "\nbcde", kAbstractLineRules),
              (std::vector<WalkedLine>{{line79, false}, {"bcde", false}}));
    EXPECT_EQ(walk(line79 + "a\nbcde", kAbstractLineRules),
              (std::vector<WalkedLine>{{line79 + "a", true}, {"bcde", false}}));
}
