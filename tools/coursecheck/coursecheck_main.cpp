// coursecheck: checks a course's content directory with the program's own readers.
#include <iostream>
#include <string>
#include <vector>

#include "coursecheck/coursecheck_commands.h"

int main(int argc, char** argv) {
    return runCoursecheck(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
