// The slide script reader on bytes: which lines each mode takes, how each argument is
// read, colours, comments, truncation, the no-narration pair and the list's bounds.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ground/mode_flags.h"
#include "content/script_line.h"
#include "content/slide_script.h"
#include "test_content_support.h"

namespace {

using Lines = std::vector<std::string>;

const ModeFlags kLecture = modeFlagsFor(ChosenMode::Lecture);
const ModeFlags kTutorial = modeFlagsFor(ChosenMode::Tutorial);
const ModeFlags kQuiz = modeFlagsFor(ChosenMode::Quiz);
const ModeFlags kIndex = modeFlagsFor(ChosenMode::IndexEntry);

struct Read {
    ContentTables tables;
    SlideReading reading;
    std::int32_t narrationSeen;

    Read(std::string_view script, const ModeFlags& modes, std::int32_t seen = 1)
        : narrationSeen(seen) {
        reading =
            readScriptBytes(script, modes, narrationSeen, tables.colourEntries(), tables.records());
    }
    Lines elements() const { return tables.described(); }
    int endKind() const { return tables.elements[tables.elements[0].kind + 1].kind; }
};

} // namespace

TEST(ContentScriptReader, TheThreeLineScriptInEachMode) {
    const char* script = "Image heart\r\nTitle The Heart\r\nDelay 5\r\n";
    {
        Read r(script, kLecture, 0);
        EXPECT_EQ(r.elements(), (Lines{"Image|heart", "Title|The Heart"}));
        EXPECT_EQ(r.reading.elementCount, 2);
        EXPECT_EQ(r.endKind(), EndOfSlide);
    }
    {
        Read r(script, kTutorial, 1); // a "Narration" line was read earlier in the run
        EXPECT_EQ(r.elements(), (Lines{"Image|heart", "Title|The Heart", "Delay 5"}));
    }
    {
        Read r(script, kTutorial, 0);
        EXPECT_EQ(r.elements(),
                  (Lines{"Image|heart", "Title|The Heart", "Delay 5", "NoNarration", "Delay 10"}));
        EXPECT_EQ(r.reading.elementLines, (std::vector<int>{1, 2, 3, 0, 0}));
        EXPECT_EQ(r.endKind(), EndOfSlide);
        EXPECT_EQ(r.narrationSeen, 0);
    }
}

TEST(ContentScriptReader, EachModeTakesItsKeywords) {
    struct Case {
        const char* line;
        bool lecture, tutorial, quiz, index;
    };
    const Case cases[] = {
        {"Image a", true, true, true, true},
        {"Narration n", false, true, false, false},
        {"Delay 1", false, true, false, false},
        {"Text t,1 2 3", true, true, true, true},
        {"Title t", true, true, true, true},
        {"Caption c", true, true, true, true},
        {"Color Red", true, true, true, true},
        {"Line 1 2 3 4 5 6", true, true, true, true},
        {"Query q", false, true, false, false},
        {"Mark", true, false, true, true},
        {"EText t,1 2 3 4", true, true, true, true},
        {"ELine 1 2 3 4 5 6 7", true, true, true, true},
        {"EraseText 1", true, true, true, true},
        {"EraseTitle", true, true, true, true},
        {"EraseCaption", true, true, true, true},
        {"EraseLine 1", true, true, true, true},
        {"Fontsize 20", true, true, true, true},
    };
    for (const Case& c : cases) {
        const std::pair<const ModeFlags*, bool> modes[] = {
            {&kLecture, c.lecture}, {&kTutorial, c.tutorial}, {&kQuiz, c.quiz}, {&kIndex, c.index}};
        for (const auto& [modeFlags, taken] : modes) {
            Read r(c.line, *modeFlags);
            EXPECT_EQ(r.reading.elementCount, taken ? 1 : 0) << c.line;
            EXPECT_FALSE(r.reading.message) << c.line;
        }
    }
    // Without annotations only the unconditional lines stay.
    ModeFlags bare = kLecture;
    bare.annotationsEnabled = 0;
    Read r("Text t,1 2 3\nLine 1 2 3 4 5 6\nMark\nEText t,1 2 3 4\nELine 1 2 3 4 5 6 7\n"
           "EraseText 1\nEraseLine 1\nFontsize 9\nTitle t\nEraseTitle\n",
           bare);
    EXPECT_EQ(r.elements(), (Lines{"Title|t", "EraseTitle"}));
}

TEST(ContentScriptReader, ReadsEachArgumentBySeparators) {
    struct Case {
        std::string line;
        std::string element;
    };
    const Case cases[] = {
        {"Title  Two spaces", "Title| Two spaces"},
        {"Caption Rest, of line \r", "Caption|Rest, of line "},
        {"Title", "Title|"},
        {"Title\r", "Title|"},
        {"   Title Indented keyword", "Title|Indented keyword"},
        {"Title " + std::string(150, 'a'), "Title|" + std::string(99, 'a')},
        {"Text Left atrium,120 340 6", "Text|Left atrium|120 340 6"},
        {"Text  spaced ,  7 8 9\r", "Text| spaced |7 8 9"},
        {"Text no comma 1 2 3\r", "Text|no comma 1 2 3|0 0 0"},
        {"Text a,5", "Text|a|5 0 0"},
        {"Text a,1 2 3, more", "Text|a|1 2 3"},
        {"EText Aorta,10 20 -3 7\r", "EText|Aorta|10 20 -3 7"},
        {"Line 1 2 3 4 5 6\r", "Line 1 2 3 4 5 6"},
        {"Line 1 2", "Line 1 2 0 0 0 0"},
        {"Line -5 +7 x 9 9 9", "Line -5 7 0 9 9 9"},
        {"Line 1\t2 3 4 5 6", "Line 1 3 4 5 6 0"},
        {"ELine 1 2 3 4 5 6 7\r", "ELine 1 2 3 4 5 6 7"},
        {"Image heart extra", "Image|heart"},
        {"Image  heart\r", "Image|heart"},
        {"Image", "Image|"},
        {"Narration talk1\r", "Narration|talk1"},
        {"Query q1 more", "Query|q1"},
        {"Delay 5\r", "Delay 5"},
        {"Delay", "Delay 0"},
        {"Delay x5", "Delay 0"},
        {"Delay -3s", "Delay -3"},
        {"EraseText 12", "EraseText 12"},
        {"EraseLine 99\r", "EraseLine 99"},
        {"Fontsize 40", "Fontsize 40"},
        {"EraseCaption now", "EraseCaption"},
    };
    for (const Case& c : cases) {
        Read r(c.line, kTutorial);
        EXPECT_EQ(r.elements(), Lines{c.element}) << c.line;
    }
    EXPECT_EQ(Read("Mark trailing words", kLecture).elements(), Lines{"Mark"});
}

TEST(ContentScriptReader, KeepsTheFieldsAKindDoesNotSet) {
    ContentTables tables;
    for (SlideElement& e : tables.elements) {
        e.x = e.y = e.value = e.x2 = e.y2 = e.value2 = e.extra = 77;
        copyTextField(e.text, "old");
    }
    std::int32_t seen = 1;
    readScriptBytes("Title T\nDelay 4\nText t,1 2 3\nMark\n", kTutorial, seen,
                    tables.colourEntries(), tables.records());
    const SlideElement& title = tables.elements[1];
    EXPECT_EQ(title.x, 77);
    EXPECT_EQ(tables.elements[2].value, 4);
    EXPECT_STREQ(tables.elements[2].text, "old");
    EXPECT_EQ(tables.elements[3].x2, 77);
    EXPECT_EQ(tables.elements[4].kind, EndOfSlide) << "Mark is dropped in Tutorial Mode";
}

TEST(ContentScriptReader, NamedAndHexadecimalColours) {
    Read r("Color Yellow\nColor 80FF00\nColor Red \nColor Red\r\nColor red\nColor 80ff00\n",
           kLecture);
    EXPECT_EQ(r.elements(),
              (Lines{"Color 9", "Color 199", "Color 198", "Color 2", "Color 197", "Color 196"}));
    EXPECT_EQ(r.reading.hexColourIndexes, (std::vector<int>{199, 198, 197, 196}));
    EXPECT_EQ(r.tables.colours[199], rgbColour(128, 255, 0));
    EXPECT_EQ(r.tables.colours[196], rgbColour(128, 255, 0));
    // "Red " and "red" are hexadecimal colours; any value will do, but only their entries
    // change.
    EXPECT_EQ(r.tables.colours[2], rgbColour(255, 0, 0));
    EXPECT_EQ(r.tables.colours[195], 0u);

    // Each reading counts its hexadecimal colours from 199 again.
    std::int32_t seen = 1;
    const SlideReading again = readScriptBytes("Color 0000FF\n", kLecture, seen,
                                               r.tables.colourEntries(), r.tables.records());
    EXPECT_EQ(again.hexColourIndexes, std::vector<int>{199});
    EXPECT_EQ(r.tables.colours[199], rgbColour(0, 0, 255));
    EXPECT_EQ(r.tables.colours[198], rgbColour(0, 13, 0)) << "earlier entries stay";
}

// The digits of a hexadecimal colour are read in pairs from the start; a pair cut short
// by the end or by a character that is no digit is its lone digit's value, and a pair
// that starts with no digit is 0 (the design leaves such colours open; these are ours).
TEST(ContentScriptReader, HexadecimalColourDigitsAreReadInPairs) {
    const struct {
        const char* argument;
        unsigned red, green, blue;
    } cases[] = {
        {"80FF00", 128, 255, 0}, {"abcDEF", 171, 205, 239},
        {"Red ", 0, 13, 0},      {"F0F", 240, 15, 0},
        {"8", 8, 0, 0},          {"0102039", 1, 2, 3},
        {"G12x3 ", 0, 2, 3},     {"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hexColour(c.argument), rgbColour(c.red, c.green, c.blue)) << c.argument;
    }
}

TEST(ContentScriptReader, AtMost190HexadecimalColoursAReading) {
    std::string script;
    for (int i = 0; i < 200; ++i) {
        script += "Color 0102" + std::string(i < 10 ? "0" : "") + std::to_string(i % 100) + "\n";
    }
    script += "Color Blue\n";
    Read r(script, kLecture);
    EXPECT_EQ(r.reading.elementCount, 191);
    EXPECT_EQ(r.reading.hexColoursRefused, 10);
    ASSERT_EQ(r.reading.hexColourIndexes.size(), 190u);
    EXPECT_EQ(r.reading.hexColourIndexes.back(), 10);
    EXPECT_EQ(r.tables.elements[190].value, 10);
    EXPECT_EQ(r.tables.elements[191].value, 4) << "the named colour after them";
    for (int i = 0; i < kNamedColourCount; ++i) {
        EXPECT_EQ(r.tables.colours[i], kNamedColours[i].colour) << i;
    }
}

TEST(ContentScriptReader, CommentsAndLinesWithoutTokens) {
    Read r("#Image old\n# anything\n\n   \n\r\n \r\nImage a\n#\nMark\n", kLecture);
    EXPECT_EQ(r.elements(), (Lines{"Image|a", "Mark"}));
    EXPECT_FALSE(r.reading.message);
}

TEST(ContentScriptReader, AnUnrecognisedKeywordTruncatesTheSlide) {
    struct Case {
        const char* script;
        ModeFlags modes;
        std::int32_t seen;
        Lines elements;
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"Image a\ntitle Heart\nTitle X\n",
         kLecture,
         1,
         {"Image|a"},
         "Problem with: title\nTruncating slide at line 1.",
         2},
        // Comments and dropped lines are not counted.
        {"# c\nDelay 5\nImage a\nQuery q\nBogus 1 2\nMark\n",
         kLecture,
         1,
         {"Image|a"},
         "Problem with: Bogus\nTruncating slide at line 1.",
         5},
        {"Text,1 2 3\n", kLecture, 1, {}, "Problem with: Text,1\nTruncating slide at line 0.", 1},
        {"Delay\t5\n", kTutorial, 1, {}, "Problem with: Delay\t5\nTruncating slide at line 0.", 1},
        // The no-narration pair still follows a truncated slide.
        {"Image a\nWhat\n",
         kTutorial,
         0,
         {"Image|a", "NoNarration", "Delay 10"},
         "Problem with: What\nTruncating slide at line 1.",
         2},
        // A last line of four bytes is read; one of three is not.
        {"Image a\r\nMk\r\n",
         kLecture,
         1,
         {"Image|a"},
         "Problem with: Mk\nTruncating slide at line 1.",
         2},
    };
    for (const Case& c : cases) {
        Read r(c.script, c.modes, c.seen);
        EXPECT_EQ(r.elements(), c.elements) << c.script;
        ASSERT_TRUE(r.reading.message) << c.script;
        EXPECT_EQ(r.reading.message->caption, "Script File Error");
        EXPECT_EQ(r.reading.message->text, c.text);
        EXPECT_EQ(r.reading.truncatedAtLine, c.line) << c.script;
        EXPECT_EQ(r.endKind(), EndOfSlide) << c.script;
    }
    EXPECT_FALSE(Read("Image a\r\nMk\n", kLecture).reading.message);
}

TEST(ContentScriptReader, TheLastLineAndTheFinalLineEnd) {
    EXPECT_EQ(Read("Image a\nMark", kLecture).elements(), (Lines{"Image|a", "Mark"}));
    EXPECT_EQ(Read("Image a\r\nMark\r\n\r\n", kLecture).elements(), (Lines{"Image|a", "Mark"}));
    Read empty("", kLecture);
    EXPECT_EQ(empty.reading.elementCount, 0);
    EXPECT_EQ(empty.tables.elements[1].kind, EndOfSlide);
}

TEST(ContentScriptReader, NarrationLinesSetNarrationSeenInEveryMode) {
    Read lecture("Narration n\nImage a\n", kLecture, 0);
    EXPECT_EQ(lecture.narrationSeen, 1);
    EXPECT_EQ(lecture.elements(), Lines{"Image|a"});
    // Once seen, a slide without narration gets no pair; a later "Narration" on the same
    // slide also prevents it.
    EXPECT_EQ(Read("Image a\n", kTutorial, lecture.narrationSeen).elements(), Lines{"Image|a"});
    EXPECT_EQ(Read("Image a\nNarration n\n", kTutorial, 0).elements(),
              (Lines{"Image|a", "Narration|n"}));
}

TEST(ContentScriptReader, TheListHoldsAtMost998Elements) {
    std::string marks;
    for (int i = 0; i < 1000; ++i) {
        marks += "Mark\n";
    }
    Read full(marks + "Narration n\nBogus\n", kLecture, 0);
    EXPECT_EQ(full.reading.elementCount, 998);
    EXPECT_EQ(full.tables.elements[0].kind, 998);
    EXPECT_EQ(full.tables.elements[999].kind, EndOfSlide);
    EXPECT_EQ(full.reading.elementsDropped, 2);
    EXPECT_EQ(full.narrationSeen, 1) << "a line that finds the list full still counts";
    ASSERT_TRUE(full.reading.message);
    EXPECT_EQ(full.reading.message->text, "Problem with: Bogus\nTruncating slide at line 998.");

    // The no-narration pair is added only when both of its elements fit.
    auto titles = [](int count) {
        std::string script;
        for (int i = 0; i < count; ++i) {
            script += "Title t\n";
        }
        return script;
    };
    Read fits(titles(996), kTutorial, 0);
    EXPECT_EQ(fits.reading.elementCount, 998);
    EXPECT_EQ(fits.tables.elements[997].kind, NoNarration);
    EXPECT_EQ(fits.tables.elements[998].value, 10);
    Read noRoom(titles(997), kTutorial, 0);
    EXPECT_EQ(noRoom.reading.elementCount, 997);
    EXPECT_EQ(noRoom.tables.elements[998].kind, EndOfSlide);

    // Colours that find the list full take no entry.
    Read colours(marks.substr(0, 998 * 5) + "Color 123456\n", kLecture);
    EXPECT_TRUE(colours.reading.hexColourIndexes.empty());
    EXPECT_EQ(colours.tables.colours[199], 0u);
}

TEST(ContentScriptReader, OverlongLinesAreReadWholeAndReported) {
    const std::string script = "Image a\nCaption " + std::string(200, 'c') + "\nImage " +
                               std::string(300, 'i') + " x\nMark\n";
    Read r(script, kLecture);
    EXPECT_EQ(r.elements(), (Lines{"Image|a", "Caption|" + std::string(99, 'c'),
                                   "Image|" + std::string(99, 'i'), "Mark"}));
    EXPECT_EQ(r.reading.overlongLines, (std::vector<int>{2, 3}));
    EXPECT_FALSE(r.reading.message) << "the tail of a long line is no line of its own";
}
