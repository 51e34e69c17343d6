// How the author tools treat their command line: "--help" or "-h" anywhere prints the usage
// on standard output and succeeds; a usage error names the problem and prints the usage on
// standard error with exit code 2; an argument that starts with "-" is never taken as a
// file or folder name.
#pragma once

#include <ostream>
#include <string>
#include <vector>

constexpr int kUsageErrorExit = 2;

// Whether any argument asks for the usage.
bool asksForHelp(const std::vector<std::string>& args);
// Whether `arg` reads as an option rather than a file or folder name.
bool looksLikeOption(const std::string& arg);
// The usage on `out`; exit code 0.
int printHelp(std::ostream& out, const char* usage);
// "tool: problem" and the usage on `err`; exit code 2.
int usageError(std::ostream& err, const char* tool, const char* usage,
               const std::string& problem = "");

// Whether standard error is a terminal, where long runs show how far they are.
bool standardErrorIsTerminal();

// One line of progress, rewritten in place on a terminal and silent elsewhere.
class ProgressLine {
  public:
    ProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(const std::string& text);
    void clear();

  private:
    std::ostream& err_;
    bool shown_;
    std::size_t width_ = 0; // of the text on the line now
};
