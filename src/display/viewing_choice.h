// The viewing method chosen for the course: its names, the command line that chooses it
// (/view NAME [/swap]) and the registry value that keeps it ("Viewing" under the Lectern
// key: the name, followed by " swap" when the eyes are exchanged).
#pragma once

#include "imaging/stereo_viewing.h"

#include <optional>
#include <string>
#include <string_view>

struct ViewingChoice {
    ViewingMethod method = ViewingMethod::Adapter;
    bool swapEyes = false;
    friend bool operator==(const ViewingChoice&, const ViewingChoice&) = default;
};

// The names, in the order a user is shown them.
constexpr const char* kViewingMethodList = "adapter, anaglyph, top-bottom, side-by-side, mono";

// The method of a name, in any case; none for an unknown name.
std::optional<ViewingMethod> viewingMethodNamed(std::string_view name);
const char* viewingMethodName(ViewingMethod method);

// The registry value's text and its reading: a value the program does not know is the
// adapter.
std::string viewingValueText(const ViewingChoice& choice);
ViewingChoice viewingChoiceFromValue(std::string_view text);

// What the command line asks for. Arguments are separated by blanks; "/view" takes the next
// argument as the name; "/swap" exchanges the eyes of the method "/view" names. Switches
// are taken in any case; other arguments are left to others.
struct ViewingArguments {
    enum Kind { NotGiven, Chosen, UnknownName } kind = NotGiven;
    ViewingChoice choice;
    std::string name; // the name given, for the message about an unknown one
};
ViewingArguments viewingArguments(std::string_view commandLine);

// The message for an unknown name, listing the names.
std::string unknownViewingMethodText(std::string_view name);
constexpr const char* kUnknownViewingMethodCaption = "Unknown viewing method";
