// slide-preview on Linux: runs the Windows slide-preview under Wine in the project's Wine
// prefix (made and configured on first use, with the fonts the program uses), so that an
// author types the same one command on either system.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef CORPUS_SOURCE_DIR
#error "CORPUS_SOURCE_DIR names the source tree"
#endif
#ifndef CORPUS_PREVIEW_EXES
#error "CORPUS_PREVIEW_EXES lists the Windows slide-preview builds, separated by colons"
#endif

namespace {

// The first Windows build that exists: the 64-bit one where the host runs only 64-bit
// Wine (it is built only there), else the 32-bit product.
std::string previewProgram() {
    if (const char* chosen = std::getenv("CORPUS_PREVIEW_EXE")) {
        return chosen;
    }
    const std::string candidates = CORPUS_PREVIEW_EXES;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = candidates.find(':', start);
        const std::string path = candidates.substr(start, end - start);
        if (access(path.c_str(), R_OK) == 0 || end == std::string::npos) {
            return path;
        }
        start = end + 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string exe = previewProgram();
    if (access(exe.c_str(), R_OK) != 0) {
        std::fprintf(stderr,
                     "slide-preview: %s is missing: build the Windows programs first "
                     "(./scripts/build)\n",
                     exe.c_str());
        return 1;
    }
    const std::string script = std::string(CORPUS_SOURCE_DIR) + "/scripts/wine-env.sh";
    std::vector<std::string> words = {
        "bash", "-c", "source \"$0\" && prepare_prefix && exec wine \"$@\" </dev/null", script,
        exe};
    for (int i = 1; i < argc; ++i) {
        words.emplace_back(argv[i]);
    }
    std::vector<char*> args;
    for (std::string& w : words) {
        args.push_back(w.data());
    }
    args.push_back(nullptr);
    execvp("bash", args.data());
    std::perror("slide-preview: cannot run bash");
    return 1;
}
