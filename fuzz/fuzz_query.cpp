// The query file reader on arbitrary bytes, with the layout and hit test of what it reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "quiz/query_file.h"
#include "quiz/quiz_layout.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QueryFileReading reading = readQueryFile(bytes);
    if (reading.status == QueryFileStatus::NotLocate) {
        check(reading.firstWord != kQueryKeyword);
    }
    if (reading.status != QueryFileStatus::Read) {
        return 0;
    }
    check(reading.firstWord == kQueryKeyword);
    for (const std::string& prompt : reading.query.prompts) {
        // A prompt is a non-empty piece of one line of at most 100 bytes.
        check(!prompt.empty() && prompt.size() < kQueryLineWindow);
        check(prompt.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }
    const QuizLayout layout = quizLayout(reading.query.panel, 454);
    quizPanelSizeUsable(layout, 1024, 768);
    const QueryTarget& t = reading.query.target;
    quizTargetHit(t, layout.centre.x, layout.centre.y);
    return 0;
}
