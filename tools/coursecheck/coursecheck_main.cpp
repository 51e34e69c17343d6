// coursecheck: checks a course's content directory with the program's own readers.
#include <iostream>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "coursecheck/coursecheck_commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return standardErrorIsTerminal() ? runCoursecheckShowingProgress(args, std::cout, std::cerr)
                                     : runCoursecheck(args, std::cout, std::cerr);
}
