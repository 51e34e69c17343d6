#include "common/author_paths.h"

namespace {

bool endsPath(char c) {
    return c == ':' || c == ',' || c == ')' || c == '"' || c == ' ' || c == '\t' || c == '\r' ||
           c == '\n';
}

} // namespace

std::string inAuthorsTerms(const std::string& message, const std::string& fullPath,
                           const std::string& typedPath) {
    if (fullPath.empty()) {
        return message;
    }
    std::string typed = typedPath;
    while (typed.size() > 1 && (typed.back() == '/' || typed.back() == '\\')) {
        typed.pop_back();
    }
    const bool slashes = typed.find('/') != std::string::npos;
    std::string out;
    std::size_t at = 0;
    while (at < message.size()) {
        const std::size_t found = message.find(fullPath, at);
        if (found == std::string::npos) {
            out += message.substr(at);
            break;
        }
        out += message.substr(at, found - at);
        out += typed;
        std::size_t rest = found + fullPath.size();
        while (rest < message.size() && !endsPath(message[rest])) {
            out += slashes && message[rest] == '\\' ? '/' : message[rest];
            ++rest;
        }
        at = rest;
    }
    return out;
}
