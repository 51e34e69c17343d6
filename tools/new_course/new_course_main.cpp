// new-course DIRECTORY: writes a course an author can run at once and then make their own:
// config.dat, one series with its abstract and abstract picture, one slide whose script
// uses every kind of element once (explained by comments), its stereo picture, narration,
// question, icon and index annotation, index.dat, the intro and help pictures, the spoken
// prompts and the program's folder with the program.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "common/command_line.h"
#include "demo_course/course_writer.h"
#include "demo_course/starter_course.h"

namespace fs = std::filesystem;

#ifndef CORPUS_PROGRAM_EXES
#error "CORPUS_PROGRAM_EXES lists the Windows program's builds, separated by colons"
#endif

namespace {

constexpr const char* kUsage =
    "usage: new-course [--program CorpusView.exe] DIRECTORY\n"
    "  writes a new course's content directory into DIRECTORY (made; it must not exist or\n"
    "  must be empty): config.dat, index.dat, one series (MySeries) of one slide whose\n"
    "  script uses every element once with comments, the pictures, sounds and icons in the\n"
    "  formats the program reads, and program/ with the program. Run it with\n"
    "  ./scripts/run DIRECTORY, check it with coursecheck DIRECTORY; docs/authoring.md says\n"
    "  which file to replace with what.\n"
    "  --program FILE   the program file to put into program/ (default: the one installed\n"
    "                   with the tools, else the project's build)\n"
    "       new-course --help   this text\n";

// The program beside an installed copy of the tools, then the project's builds (the
// 32-bit program that ships first).
std::vector<fs::path> programCandidates() {
    std::vector<fs::path> candidates;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        candidates.push_back(self.parent_path().parent_path() / "share" / "corpusview" /
                             "CorpusView.exe");
    }
    const std::string built = CORPUS_PROGRAM_EXES;
    std::size_t start = 0;
    while (start <= built.size()) {
        const std::size_t end = std::min(built.find(':', start), built.size());
        if (end > start) {
            candidates.emplace_back(built.substr(start, end - start));
        }
        start = end + 1;
    }
    return candidates;
}

bool isEmptyOrMissing(const fs::path& dir, std::string& problem) {
    std::error_code ec;
    if (!fs::exists(dir, ec)) {
        return true;
    }
    if (!fs::is_directory(dir, ec)) {
        problem = dir.string() + " exists and is not a directory";
        return false;
    }
    if (!fs::is_empty(dir, ec) || ec) {
        problem = dir.string() + " is not empty: new-course writes only into a new directory";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (asksForHelp(args)) {
        return printHelp(std::cout, kUsage);
    }
    fs::path program;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--program") {
            if (i + 1 >= args.size()) {
                return usageError(std::cerr, "new-course", kUsage, "--program needs a file");
            }
            program = args[++i];
        } else if (looksLikeOption(args[i])) {
            return usageError(std::cerr, "new-course", kUsage, "unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 1) {
        return usageError(std::cerr, "new-course", kUsage,
                          positional.empty() ? "no DIRECTORY given" : "one DIRECTORY only");
    }
    const fs::path target = positional[0];
    std::string problem;
    if (!isEmptyOrMissing(target, problem)) {
        std::cerr << "new-course: " << problem << "\n";
        return 1;
    }
    std::error_code ec;
    if (program.empty()) {
        for (const fs::path& candidate : programCandidates()) {
            if (fs::is_regular_file(candidate, ec)) {
                program = candidate;
                break;
            }
        }
        if (program.empty()) {
            std::cerr << "new-course: no CorpusView.exe found: build it (./scripts/build) or "
                         "name one with --program\n";
            return 1;
        }
    } else if (!fs::is_regular_file(program, ec)) {
        std::cerr << "new-course: " << program.string() << " is not a file\n";
        return 1;
    }

    ProgressLine progress(std::cerr, standardErrorIsTerminal());
    std::string error;
    const bool written =
        writeCourseVolume(starterCourse(), target, error,
                          [&](const std::string& text) { progress.show("new-course: " + text); });
    progress.clear();
    if (written) {
        fs::copy_file(program, target / "program" / "CorpusView.exe",
                      fs::copy_options::overwrite_existing, ec);
        if (ec) {
            error = "cannot copy " + program.string() + ": " + ec.message();
        }
    }
    if (!written || ec) {
        std::cerr << "new-course: " << error << "\n";
        return 1;
    }
    std::cout << "new-course: a new course is in " << target.string() << "\n"
              << "  the slide:   " << (target / "MySeries" / "Slide1" / "Slide.scp").string()
              << "\n"
              << "  run it:      ./scripts/run " << target.string() << "\n"
              << "  check it:    coursecheck " << target.string() << "\n";
    return 0;
}
