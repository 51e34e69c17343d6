// config.dat and abstract.txt as the table of contents reads them.
#include <gtest/gtest.h>

#include "dialogs/series_list.h"

#include <string>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> series(const std::string& bytes) {
    SeriesEntry table[kMaxSeries];
    const int rows = readSeriesList(bytes, table);
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < rows; ++i) {
        out.emplace_back(table[i].directory, table[i].title);
    }
    return out;
}

using Rows = std::vector<std::pair<std::string, std::string>>;

} // namespace

TEST(SeriesList, WindowAndLineRules) {
    // A last line of 5 bytes with its CR LF is not listed; one of 7 is.
    EXPECT_EQ(series("Heart,The Heart\r\nb,c\r\n"), (Rows{{"Heart", "The Heart"}}));
    EXPECT_EQ(series("Heart,The Heart\r\nbb,ccc\r\n"),
              (Rows{{"Heart", "The Heart"}, {"bb", "ccc"}}));
    // A title keeps its own commas; LF-only lines lose their last character.
    EXPECT_EQ(series("Skull,Bones, joints\r\n"), (Rows{{"Skull", "Bones, joints"}}));
    EXPECT_EQ(series("Skull,The Skull\nHeart,The Heart\n"),
              (Rows{{"Skull", "The Skul"}, {"Heart", "The Hear"}}));
    EXPECT_TRUE(series("").empty());
}

TEST(SeriesList, MalformedListsStayInsideTheTable) {
    // Lines without a comma (blank lines among them) name no series.
    EXPECT_EQ(series("\r\nnocomma here\r\nHeart,The Heart\r\n"), (Rows{{"Heart", "The Heart"}}));
    // A last line without any line end keeps its last character.
    EXPECT_EQ(series("Heart,The Heart"), (Rows{{"Heart", "The Heart"}}));
    // Overlong fields are cut; the tail of an overlong line is no line of its own.
    const std::string longDirectory(60, 'd');
    const std::string longTitle(300, 't');
    const Rows cut = series(longDirectory + "," + longTitle + "\r\nHeart,The Heart\r\n");
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].first, std::string(43, 'd'));
    EXPECT_EQ(cut[0].second, std::string(199, 't'));
    EXPECT_EQ(cut[1], (std::pair<std::string, std::string>{"Heart", "The Heart"}));
    // More than 20 series: the first 20.
    std::string many;
    for (int i = 0; i < 25; ++i) {
        many += "S" + std::to_string(i) + ",Series " + std::to_string(i) + "\r\n";
    }
    const Rows twenty = series(many);
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(twenty[19].first, "S19");
}

TEST(AbstractText, SixLinesOf43CharactersAndTheFourByteEnd) {
    std::string eight;
    for (int i = 1; i <= 8; ++i) {
        eight += "line " + std::to_string(i) + "\r\n";
    }
    const std::vector<std::string> six = readAbstractLines(eight);
    ASSERT_EQ(six.size(), 6u);
    EXPECT_EQ(six[5], "line 6");
    EXPECT_EQ(readAbstractLines(std::string(60, 'x') + "\r\n").at(0), std::string(43, 'x'));
    EXPECT_EQ(readAbstractLines("ab\r\n\r\ncd\r\n"), (std::vector<std::string>{"ab", "   ", "cd"}));
    // A last line of 3 bytes with its CR LF is not drawn.
    EXPECT_EQ(readAbstractLines("ab\r\n\r\nc\r\n"), (std::vector<std::string>{"ab", "   "}));
    EXPECT_TRUE(readAbstractLines("").empty());
}
