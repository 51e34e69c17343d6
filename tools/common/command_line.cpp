#include "common/command_line.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

bool asksForHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            return true;
        }
    }
    return false;
}

bool looksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

int printHelp(std::ostream& out, const char* usage) {
    out << usage;
    return 0;
}

int usageError(std::ostream& err, const char* tool, const char* usage, const std::string& problem) {
    if (!problem.empty()) {
        err << tool << ": " << problem << "\n";
    }
    err << usage;
    return kUsageErrorExit;
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void ProgressLine::show(const std::string& text) {
    if (!shown_) {
        return;
    }
    // Spaces over what the longer text before left; no terminal escapes, so that the
    // Windows console shows it too.
    const std::size_t pad = width_ > text.size() ? width_ - text.size() : 0;
    err_ << "\r" << text << std::string(pad, ' ') << "\r" << text << std::flush;
    width_ = text.size();
}

void ProgressLine::clear() {
    if (shown_ && width_ > 0) {
        err_ << "\r" << std::string(width_, ' ') << "\r" << std::flush;
        width_ = 0;
    }
}
