#include "preview/preview_platform.h"

std::vector<std::string> PreviewPlatform::takeMessages() {
    std::vector<std::string> taken;
    taken.swap(messages_);
    return taken;
}

int PreviewPlatform::messageBox(const char* text, const char* caption, unsigned) {
    std::string message = std::string(caption) + ": " + text;
    for (char& c : message) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    messages_.push_back(message);
    return IDOK;
}

INT_PTR PreviewPlatform::dialogBox(HINSTANCE, const char* templateName, HWND, DLGPROC, LPARAM) {
    messages_.push_back(std::string("dialog ") + templateName + " is not previewed");
    return 0;
}
