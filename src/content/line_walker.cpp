#include "content/line_walker.h"

#include <algorithm>

namespace {

bool isCarriageReturnOrLineFeed(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::size_t LineWalker::findLineEnd(std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i) {
        const char c = bytes_[i];
        if (c == '\n' || (rules_.ends == LineEnds::CarriageReturnOrLineFeed && c == '\r')) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool LineWalker::next(ContentLine& line) {
    const std::size_t remaining = bytes_.size() - position_;
    const std::size_t windowEnd = position_ + std::min(remaining, rules_.window);
    if (windowEnd - position_ <= rules_.endsAtOrBelow) {
        return false;
    }
    const std::size_t start = position_;
    bool overlong = false;
    std::size_t end = findLineEnd(start, windowEnd);
    std::size_t after = 0;
    if (end != std::string_view::npos) {
        after = end + 1;
    } else if (windowEnd == bytes_.size()) {
        // The last line of the file, without a line end.
        end = after = windowEnd;
    } else {
        overlong = true;
        end = findLineEnd(windowEnd, bytes_.size());
        if (end == std::string_view::npos) {
            end = after = bytes_.size();
        } else {
            after = end + 1;
        }
    }
    if (rules_.ends == LineEnds::CarriageReturnOrLineFeed && after < bytes_.size() && after > end &&
        isCarriageReturnOrLineFeed(bytes_[after])) {
        ++after;
    }
    position_ = after;
    std::string_view text = bytes_.substr(start, end - start);
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    line = {text, ++lineNumber_, overlong};
    return true;
}
