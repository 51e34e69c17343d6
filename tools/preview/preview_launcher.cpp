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
#ifndef CORPUS_PREVIEW_EXE
#error "CORPUS_PREVIEW_EXE names the Windows slide-preview"
#endif

int main(int argc, char** argv) {
    const char* chosen = std::getenv("CORPUS_PREVIEW_EXE");
    const std::string exe = chosen != nullptr ? chosen : CORPUS_PREVIEW_EXE;
    if (access(exe.c_str(), R_OK) != 0) {
        std::fprintf(stderr,
                     "slide-preview: %s is missing: build the Windows programs first "
                     "(cmake --preset win32 && cmake --build --preset win32)\n",
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
