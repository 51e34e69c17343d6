#include "display/viewing_choice.h"

#include <cctype>
#include <vector>

namespace {

constexpr ViewingMethod kMethods[] = {ViewingMethod::Adapter, ViewingMethod::Anaglyph,
                                      ViewingMethod::TopBottom, ViewingMethod::SideBySide,
                                      ViewingMethod::Mono};

constexpr std::string_view kSwapWord = "swap";

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The blank-separated words of `text`; a word in double quotes keeps its blanks.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

} // namespace

std::optional<ViewingMethod> viewingMethodNamed(std::string_view name) {
    for (const ViewingMethod method : kMethods) {
        if (sameWord(name, viewingMethodName(method))) {
            return method;
        }
    }
    return std::nullopt;
}

const char* viewingMethodName(ViewingMethod method) {
    switch (method) {
    case ViewingMethod::Anaglyph:
        return "anaglyph";
    case ViewingMethod::TopBottom:
        return "top-bottom";
    case ViewingMethod::SideBySide:
        return "side-by-side";
    case ViewingMethod::Mono:
        return "mono";
    case ViewingMethod::Adapter:
        break;
    }
    return "adapter";
}

std::string viewingValueText(const ViewingChoice& choice) {
    std::string text = viewingMethodName(choice.method);
    if (choice.swapEyes) {
        text += ' ';
        text += kSwapWord;
    }
    return text;
}

ViewingChoice viewingChoiceFromValue(std::string_view text) {
    const std::vector<std::string_view> words = wordsOf(text);
    if (words.empty() || words.size() > 2) {
        return {};
    }
    const std::optional<ViewingMethod> method = viewingMethodNamed(words[0]);
    if (!method || (words.size() == 2 && !sameWord(words[1], kSwapWord))) {
        return {};
    }
    return {*method, words.size() == 2 && *method != ViewingMethod::Adapter};
}

ViewingArguments viewingArguments(std::string_view commandLine) {
    ViewingArguments result;
    bool swap = false;
    const std::vector<std::string_view> words = wordsOf(commandLine);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (sameWord(words[i], "/swap")) {
            swap = true;
        } else if (sameWord(words[i], "/view") && result.kind != ViewingArguments::UnknownName) {
            result.name = i + 1 < words.size() ? std::string(words[++i]) : std::string();
            const std::optional<ViewingMethod> method = viewingMethodNamed(result.name);
            result.kind = method ? ViewingArguments::Chosen : ViewingArguments::UnknownName;
            result.choice.method = method.value_or(ViewingMethod::Adapter);
        }
    }
    result.choice.swapEyes = swap && result.kind == ViewingArguments::Chosen &&
                             result.choice.method != ViewingMethod::Adapter;
    return result;
}

std::string unknownViewingMethodText(std::string_view name) {
    std::string text = "\"";
    text += name;
    text += "\" is not a viewing method.\n\nStart the program with /view and one of: ";
    text += kViewingMethodList;
    text += ".\nAdd /swap to exchange the views of the left and the right eye.";
    return text;
}
