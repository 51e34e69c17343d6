// The problems a check finds: one line each, "path:line: text", in the order found.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

struct Problem {
    std::string path; // as shown: the course root as given, then the file's relative path
    int line;         // 0 for the file as a whole
    std::string text;
};

class ProblemList {
  public:
    explicit ProblemList(std::filesystem::path root) : root_(std::move(root)) {}

    void add(const std::filesystem::path& file, int line, const std::string& text);
    const std::vector<Problem>& problems() const { return problems_; }
    bool empty() const { return problems_.empty(); }
    void print(std::ostream& out) const;

  private:
    std::filesystem::path root_;
    std::vector<Problem> problems_;
};
