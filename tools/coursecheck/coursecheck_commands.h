// The coursecheck tool: checks a content directory, or shows what the program's readers
// make of one slide, of index.dat or of one index entry. Returns the exit code: 0 clean
// (or dumped), 1 problems found (or a file missing), 2 bad usage.
#pragma once

#include <ostream>
#include <string>
#include <vector>

int runCoursecheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, with the slide a check is at shown on `err` (a terminal) as it goes.
int runCoursecheckShowingProgress(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err);
