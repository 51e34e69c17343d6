// index.dat and the ".ind" files: the line rules of the index, its fields and bounds, the
// selection of a term's block, and the truncation of a block.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "content/index_list.h"
#include "content/index_slide.h"
#include "content/slide_script.h"
#include "test_content_support.h"

namespace {

using Lines = std::vector<std::string>;

struct IndexRead {
    std::vector<IndexEntry> entries = std::vector<IndexEntry>(kMaxIndexEntries);
    IndexListReading reading;

    explicit IndexRead(std::string_view bytes) {
        reading = readIndexListBytes(
            bytes, std::span<IndexEntry, kMaxIndexEntries>{entries.data(), entries.size()});
    }
    Lines terms() const {
        Lines out;
        for (int i = 0; i < reading.count; ++i) {
            const IndexEntry& e = entries[i];
            out.push_back(std::string(e.term) + "|" + e.series + "|" + std::to_string(e.slide));
        }
        return out;
    }
};

} // namespace

TEST(ContentIndexList, ReadsTermSeriesAndSlide) {
    struct Case {
        const char* name;
        std::string bytes;
        Lines entries;
        int endedAtLine;
    };
    const Case cases[] = {
        {"the basic line", "Left atrium~Heart 12\r\n", {"Left atrium|Heart|12"}, 0},
        {"a last line without a line end", "A~S 1\r\nB~T 2", {"A|S|1", "B|T|2"}, 0},
        {"a blank CR LF line ends the list", "A~S 1\r\n\r\nB~S 2\r\n", {"A|S|1"}, 2},
        {"a blank LF line is part of the line end", "A~S 1\n\nB~S 2\n", {"A|S|1", "B|S|2"}, 0},
        {"a line without a tilde ends the list", "A~S 1\nno tilde\nB~S 2\n", {"A|S|1"}, 2},
        {"a final piece of three bytes is ignored", "A~S 1\r\nabc", {"A|S|1"}, 0},
        {"a final piece of four bytes is a line", "A~S 1\r\nabcd", {"A|S|1"}, 2},
        {"no series", "A~   \nB~S 2\n", {}, 1},
        {"no slide number", "A~S x\nB~S 2\n", {}, 1},
        {"a number but no series word before it", "A~ 7\n", {}, 1},
        {"spaces and tabs around the fields",
         "Term with spaces ~\t Heart \t 7 rest\n",
         {"Term with spaces |Heart|7"},
         0},
        {"a signed slide number", "A~S -3\nB~S +4\n", {"A|S|-3", "B|S|4"}, 0},
        {"only the first tilde splits", "a~b~S 1\n", {"a|b~S|1"}, 0},
        {"an empty term", "~S 1\n", {"|S|1"}, 0},
        {"an empty file", "", {}, 0},
    };
    for (const Case& c : cases) {
        IndexRead r(c.bytes);
        EXPECT_EQ(r.terms(), c.entries) << c.name;
        EXPECT_EQ(r.reading.endedAtLine, c.endedAtLine) << c.name;
    }
}

TEST(ContentIndexList, CutsLongFieldsAndReadsLongLinesWhole) {
    const std::string term(120, 't');
    const std::string series(30, 's');
    IndexRead r(term + "~Heart 3\r\nA~" + series + " 4\r\n" + std::string(98, 'x') +
                "~S 5\r\nB~S 6\r\n");
    EXPECT_EQ(r.terms(),
              (Lines{std::string(79, 't') + "|Heart|3", "A|" + std::string(19, 's') + "|4",
                     std::string(79, 'x') + "|S|5", "B|S|6"}));
    EXPECT_EQ(r.reading.cutLines, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(r.reading.overlongLines, (std::vector<int>{1, 3}));
    // The 98-character line before its CR LF is within the format: its LF lies past the
    // window and still belongs to its line end.
    IndexRead exact(std::string(90, 'y') + "~Ser 12\r\nB~S 6\r\n");
    EXPECT_EQ(exact.reading.count, 2);
    EXPECT_TRUE(exact.reading.overlongLines.empty());
}

TEST(ContentIndexList, HoldsAtMost6000Entries) {
    std::string bytes;
    for (int i = 0; i < kMaxIndexEntries + 5; ++i) {
        bytes += "T" + std::to_string(i) + "~S " + std::to_string(i) + "\r\n";
    }
    IndexRead r(bytes);
    EXPECT_EQ(r.reading.count, kMaxIndexEntries);
    EXPECT_TRUE(r.reading.indexFull);
    EXPECT_EQ(r.entries[kMaxIndexEntries - 1].slide, kMaxIndexEntries - 1);
}

namespace {

struct IndRead {
    ContentTables tables;
    SlideReading reading;

    IndRead(std::string_view ind, std::string_view term, std::string_view image = "heart") {
        reading = readIndexSlideBytes(ind, term, image, tables.colourEntries(), tables.records());
    }
    Lines elements() const { return tables.described(); }
};

const char* const kTwoBlocks = "Entry Aorta\r\n"
                               "Text Aorta,10 20 3\r\n"
                               "Text More,11 21 4\r\n"
                               "Entry Left atrium\r\n"
                               "Color Yellow\r\n"
                               "Text Left atrium,120 340 6\r\n";

} // namespace

TEST(ContentIndexSlide, TakesTheBlockOfTheTerm) {
    IndRead r(kTwoBlocks, "Left atrium");
    EXPECT_EQ(r.reading.result, 1);
    EXPECT_EQ(r.elements(), (Lines{"Image|heart", "Color 9", "Text|Left atrium|120 340 6"}));
    EXPECT_EQ(r.tables.elements[4].kind, EndOfSlide);
    EXPECT_FALSE(r.reading.message);

    IndRead aorta(kTwoBlocks, "Aorta");
    EXPECT_EQ(aorta.elements(), (Lines{"Image|heart", "Text|Aorta|10 20 3", "Text|More|11 21 4"}));
}

TEST(ContentIndexSlide, MatchesTheTermExactly) {
    struct Case {
        const char* ind;
        const char* term;
        int result;
    };
    const Case cases[] = {
        {"Entry left atrium\nText a,1 2 3\n", "Left atrium", 0},
        {"Entry Left atrium \nText a,1 2 3\n", "Left atrium", 0},
        {"Entry  Left atrium\nText a,1 2 3\n", " Left atrium", 1},
        {"Entry  Left atrium\nText a,1 2 3\n", "Left atrium", 0},
        {"Entry Left atrium\r\nText a,1 2 3\r\n", "Left atrium", 1},
        {"Entry Left atrium", "Left atrium", 1},
        {"Entry\nText a,1 2 3\n", "", 1},
        {"Entry\nText a,1 2 3\n", "Left atrium", 0},
        {"entry Left atrium\nText a,1 2 3\n", "Left atrium", 0},
        {"", "Left atrium", 0},
    };
    for (const Case& c : cases) {
        IndRead r(c.ind, c.term);
        EXPECT_EQ(r.reading.result, c.result) << c.ind << " / " << c.term;
        EXPECT_FALSE(r.reading.message) << c.ind;
    }
    // A term cut to its field in index.dat still finds its block.
    const std::string longTerm(120, 'L');
    IndRead cut("Entry " + longTerm + "\nFontsize 30\n", longTerm.substr(0, 79));
    EXPECT_EQ(cut.elements(), (Lines{"Image|heart", "Fontsize 30"}));
}

TEST(ContentIndexSlide, SkipsEverythingOutsideTheBlock) {
    IndRead r("# notes\nBogus line\nTitle other\n\nEntry Heart\n\n   \nLine 1 2 3 4 5 6\r\n"
              "Fontsize 40\nColor 80FF00\nColor 102030\nEntry Next\nBogus\n",
              "Heart");
    EXPECT_EQ(r.elements(),
              (Lines{"Image|heart", "Line 1 2 3 4 5 6", "Fontsize 40", "Color 199", "Color 198"}));
    EXPECT_EQ(r.reading.hexColourIndexes, (std::vector<int>{199, 198}));
    EXPECT_EQ(r.tables.colours[198], rgbColour(0x10, 0x20, 0x30));
    EXPECT_FALSE(r.reading.message);
}

TEST(ContentIndexSlide, AnyOtherKeywordInTheBlockTruncatesIt) {
    struct Case {
        const char* ind;
        std::string text;
        int count;
    };
    const Case cases[] = {
        {"Entry Left atrium\nTitle X\nText a,1 2 3\n",
         "Problem with: Title\nTruncating Index at line 1.", 1},
        {"Entry Left atrium\nText a,1 2 3\n# a comment\n",
         "Problem with: #\nTruncating Index at line 2.", 2},
        {"Entry Left atrium\nColor Red\nEText a,1 2 3 4\n",
         "Problem with: EText\nTruncating Index at line 2.", 2},
        {"Entry Left atrium\ntext a,1 2 3\n", "Problem with: text\nTruncating Index at line 1.", 1},
    };
    for (const Case& c : cases) {
        IndRead r(c.ind, "Left atrium");
        EXPECT_EQ(r.reading.result, 1) << c.ind;
        EXPECT_EQ(r.reading.elementCount, c.count) << c.ind;
        ASSERT_TRUE(r.reading.message) << c.ind;
        EXPECT_EQ(r.reading.message->caption, "Script File Error");
        EXPECT_EQ(r.reading.message->text, c.text);
        EXPECT_EQ(r.tables.elements[c.count + 1].kind, EndOfSlide);
    }
}

TEST(ContentIndexSlide, TheListHoldsAtMost998Elements) {
    std::string ind = "Entry T\n";
    for (int i = 0; i < 1200; ++i) {
        ind += "Text a,1 2 3\n";
    }
    IndRead r(ind, "T");
    EXPECT_EQ(r.reading.elementCount, 998);
    EXPECT_EQ(r.reading.elementsDropped, 1200 - 997);
    EXPECT_EQ(r.tables.elements[999].kind, EndOfSlide);
}

TEST(ContentIndexSlide, ImageBaseNames) {
    EXPECT_EQ(imageBaseName("heart.duo"), "heart");
    EXPECT_EQ(imageBaseName("left.atrium.duo"), "left.atrium");
    EXPECT_EQ(imageBaseName("plain"), "plain");
    EXPECT_EQ(IndRead("Entry T\n", "T", std::string(150, 'p')).elements(),
              Lines{"Image|" + std::string(99, 'p')});
}

namespace {

// A slide directory held in memory, recording each search.
struct MemoryDirectory {
    std::map<std::string, std::string> files; // name -> bytes
    std::vector<std::string> searches;

    SlideDirectory access() {
        return {
            [this](std::string_view pattern) -> std::optional<std::string> {
                searches.emplace_back(pattern);
                const std::string extension(pattern.substr(1)); // "*.scp" -> ".scp"
                for (const auto& [name, bytes] : files) {
                    if (name.size() > extension.size() &&
                        name.compare(name.size() - extension.size(), extension.size(), extension) ==
                            0) {
                        return name;
                    }
                }
                return std::nullopt;
            },
            [this](const std::string& name) -> std::optional<std::string> {
                if (name.starts_with("locked")) {
                    return std::nullopt;
                }
                return files.at(name);
            },
        };
    }
};

} // namespace

TEST(ContentIndexSlide, FindsThePictureAndTheIndFile) {
    struct Case {
        std::map<std::string, std::string> files;
        int result;
        int beeps;
        Lines searches;
        Lines elements;
    };
    const Case cases[] = {
        {{{"heart.duo", ""}, {"heart.ind", "Entry T\nFontsize 9\n"}},
         1,
         0,
         {"*.duo", "*.ind"},
         {"Image|heart", "Fontsize 9"}},
        {{{"heart.ind", "Entry T\nFontsize 9\n"}}, 0, 1, {"*.duo"}, {}},
        {{{"heart.duo", ""}}, 0, 1, {"*.duo", "*.ind"}, {}},
        {{{"heart.duo", ""}, {"locked.ind", ""}}, 0, 0, {"*.duo", "*.ind"}, {}},
        {{{"heart.duo", ""}, {"heart.ind", "Entry U\nFontsize 9\n"}}, 0, 0, {"*.duo", "*.ind"}, {}},
    };
    for (const Case& c : cases) {
        MemoryDirectory directory{c.files, {}};
        ContentTables tables;
        const SlideReading r =
            readIndexSlideIn(directory.access(), "T", tables.colourEntries(), tables.records());
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.beeps, c.beeps);
        EXPECT_EQ(directory.searches, c.searches);
        if (r.result == 1) {
            EXPECT_EQ(tables.described(), c.elements);
        }
    }
}

TEST(ContentScriptLocation, QuizModeFallsBackToTheScriptWithABeep) {
    struct Case {
        const char* name;
        ModeFlags modes;
        std::map<std::string, std::string> files;
        int beeps;
        Lines searches;
        std::string fileName;
        Lines elements;
    };
    const ModeFlags lecture = modeFlagsFor(ChosenMode::Lecture);
    const ModeFlags quiz = modeFlagsFor(ChosenMode::Quiz);
    const ModeFlags tutorial = modeFlagsFor(ChosenMode::Tutorial);
    const std::map<std::string, std::string> both = {{"s.qiz", "Title quiz\n"},
                                                     {"s.scp", "Title script\n"}};
    const Case cases[] = {
        {"Lecture reads the script", lecture, both, 0, {"*.scp"}, "s.scp", {"Title|script"}},
        {"Quiz reads the quiz script", quiz, both, 0, {"*.qiz"}, "s.qiz", {"Title|quiz"}},
        {"Quiz without a quiz script",
         quiz,
         {{"s.scp", "Title script\n"}},
         1,
         {"*.qiz", "*.scp"},
         "s.scp",
         {"Title|script"}},
        {"Lecture without any script", lecture, {}, 1, {"*.scp", "*.scp"}, "", {}},
        {"Quiz without any script", quiz, {{"s.qiz.bak", ""}}, 1, {"*.qiz", "*.scp"}, "", {}},
        {"Tutorial without any script",
         tutorial,
         {},
         1,
         {"*.scp", "*.scp"},
         "",
         {"NoNarration", "Delay 10"}},
        {"a script that cannot be opened",
         lecture,
         {{"locked.scp", ""}},
         0,
         {"*.scp"},
         "locked.scp",
         {}},
    };
    for (const Case& c : cases) {
        MemoryDirectory directory{c.files, {}};
        ContentTables tables;
        std::int32_t seen = 0;
        const SlideReading r = readSlideScriptIn(directory.access(), c.modes, seen,
                                                 tables.colourEntries(), tables.records());
        EXPECT_EQ(r.beeps, c.beeps) << c.name;
        EXPECT_EQ(directory.searches, c.searches) << c.name;
        EXPECT_EQ(r.fileName, c.fileName) << c.name;
        EXPECT_EQ(tables.described(), c.elements) << c.name;
    }
}
