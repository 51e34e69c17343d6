// The viewing method of a run: from the command line (/view NAME [/swap]), which is then
// kept in the registry, or else the one kept there.
#pragma once

// The registry value under the Lectern key that keeps the choice.
constexpr const char* kViewingValue = "Viewing";

// Sets viewingChoice. False when the command line names an unknown method: the message
// listing the names has been shown, and the program ends with ExitUnknownViewing before
// anything else (the display is left as it is).
bool takeViewingChoice(const char* commandLine);
