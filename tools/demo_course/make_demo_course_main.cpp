// make-demo-course OUTDIR: writes the demo course's two volumes and its hard-disk copy.
#include <iostream>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "demo_course/course_writer.h"

namespace {

constexpr const char* kUsage =
    "usage: make-demo-course OUTDIR\n"
    "  writes OUTDIR/VolumeI/Corpus, OUTDIR/VolumeII/Corpus and OUTDIR/HardDisk/Corpus\n"
    "  (about 125 MB; what was there is replaced)\n"
    "       make-demo-course --help   this text\n";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (asksForHelp(args)) {
        return printHelp(std::cout, kUsage);
    }
    if (args.size() != 1) {
        return usageError(std::cerr, "make-demo-course", kUsage,
                          args.empty() ? "no OUTDIR given" : "one OUTDIR only");
    }
    if (looksLikeOption(args[0])) {
        return usageError(std::cerr, "make-demo-course", kUsage, "unknown option " + args[0]);
    }
    ProgressLine progress(std::cerr, standardErrorIsTerminal());
    std::string error;
    const bool written =
        writeDemoCourse(demoCoursePlan(), args[0], error, [&](const std::string& text) {
            progress.show("make-demo-course: " + text);
        });
    progress.clear();
    if (!written) {
        std::cerr << "make-demo-course: " << error << "\n";
        return 1;
    }
    std::cout << "make-demo-course: the course is in " << args[0] << "\n";
    return 0;
}
