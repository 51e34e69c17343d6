#include "coursecheck/problem_list.h"

void ProblemList::add(const std::filesystem::path& file, int line, const std::string& text) {
    std::error_code ec;
    std::filesystem::path shown = std::filesystem::relative(file, root_, ec);
    if (ec || shown.empty() || shown.generic_string().rfind("..", 0) == 0) {
        shown = file;
    } else {
        shown = root_ / shown;
    }
    problems_.push_back({shown.generic_string(), line, text});
}

void ProblemList::print(std::ostream& out) const {
    for (const Problem& p : problems_) {
        out << p.path << ":" << p.line << ": " << p.text << "\n";
    }
}
