#include "demo_course/narration.h"

#include <spawn.h>
#include <sys/wait.h>

#include <vector>

extern char** environ;

bool speakToWave(const std::string& words, const std::string& path, std::string& error) {
    // A steady British voice at a lecturer's pace; the arguments go to the program as they
    // are, without a shell.
    std::vector<std::string> args = {"espeak-ng", "-v", "en-gb", "-s", "150", "-w", path, words};
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) {
        error = "cannot start espeak-ng (install it with ./scripts/setup)";
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = "espeak-ng failed to write " + path;
        return false;
    }
    return true;
}
