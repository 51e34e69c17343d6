// Every text reader of the course stays inside its file, whatever length the file was cut
// to: each reader is run on every prefix of a file that exercises its windows (lines
// longer than the window, CR LF and LF ends, a last line without an end), each prefix in a
// heap block of exactly its length, so that the address sanitizer stops at the first byte
// read past it. A bound check removed from any reader fails here.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ground/index_entry.h"
#include "content/index_list.h"
#include "content/index_slide.h"
#include "ground/mode_flags.h"
#include "content/slide_script.h"
#include "dialogs/series_list.h"
#include "quiz/query_file.h"
#include "test_content_support.h"

namespace {

std::string longLine(char fill, std::size_t length) {
    return std::string(length, fill);
}

struct ReaderCase {
    const char* reader;
    std::string file;
    std::function<void(std::string_view)> read;
};

std::vector<ReaderCase> readerCases() {
    const std::string script = "Image heart\r\nTitle 10,20 3 The heart\r\nText 1,400 30 5 " +
                               longLine('t', 150) + "\nColor 10203\nLine 1,2 3 4 5 6\n" +
                               longLine('#', 120) + "\nMark\nDelay 2\nNarration talk\nQuery q";
    const std::string indexList = "Heart,Heart,3\r\n" + longLine('h', 90) + "," +
                                  longLine('s', 60) + ",2\n" + longLine('x', 130) +
                                  "\nAorta,Heart,1";
    const std::string indFile =
        "Entry Heart\r\nText 1,2 3 4 " + longLine('a', 140) +
        "\nColor FF0000\nLine 1,2 3 4 5 6\nFontsize 20\nEntry Aorta\nText 5";
    const std::string config = "Skull,The Skull\r\n" + longLine('d', 70) + "," +
                               longLine('T', 260) + "\r\nnocomma\n\nHeart,The heart";
    const std::string query = "Locate 640 70 980 140 3\r\n" + longLine('p', 120) +
                              "\nlower teeth\r\nwith the pointer.\n363 203 523 235";
    const std::string abstract =
        "The skull holds\r\n" + longLine('w', 120) + "\n\r\nthree\nfour\nfive\nsix\nseven";
    return {
        {"slide script", script,
         [](std::string_view bytes) {
             for (const ChosenMode mode :
                  {ChosenMode::Lecture, ChosenMode::Tutorial, ChosenMode::Quiz}) {
                 ContentTables tables;
                 std::int32_t narrationSeen = 0;
                 readScriptBytes(bytes, modeFlagsFor(mode), narrationSeen, tables.colourEntries(),
                                 tables.records());
             }
         }},
        {"index.dat", indexList,
         [](std::string_view bytes) {
             std::vector<IndexEntry> entries(kMaxIndexEntries);
             readIndexListBytes(
                 bytes, std::span<IndexEntry, kMaxIndexEntries>(entries.data(), kMaxIndexEntries));
         }},
        {".ind file", indFile,
         [tables = std::make_shared<ContentTables>()](std::string_view bytes) {
             for (const std::string_view term : {"Heart", "Aorta"}) {
                 readIndexSlideBytes(bytes, term, "heart", tables->colourEntries(),
                                     tables->records());
             }
         }},
        {"config.dat", config,
         [table = std::make_shared<SeriesEntry[][kMaxSeries]>(1)](std::string_view bytes) {
             readSeriesList(bytes, table[0]);
         }},
        {"abstract.txt", abstract, [](std::string_view bytes) { readAbstractLines(bytes); }},
        {"query file", query, [](std::string_view bytes) { readQueryFile(bytes); }},
    };
}

TEST(ReaderBounds, EveryReaderStaysInsideEveryPrefixOfItsFile) {
    for (const ReaderCase& c : readerCases()) {
        for (std::size_t length = 0; length <= c.file.size(); ++length) {
            SCOPED_TRACE(std::string(c.reader) + " cut to " + std::to_string(length) + " bytes");
            const std::unique_ptr<char[]> exact(new char[length == 0 ? 1 : length]);
            std::copy_n(c.file.data(), length, exact.get());
            c.read(std::string_view(exact.get(), length));
        }
    }
}

} // namespace
