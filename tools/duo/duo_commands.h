// The commands of the duo tool: pack two pictures into a DUO file, show its header, compose
// the screen the program shows for it, and take its views apart. Each returns the process's
// exit code (0 done, 1 a file the program refuses or that cannot be read or written, 2 bad
// usage) and writes its report to `out` and its complaints to `err`.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

int duoPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int duoInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int duoCompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int duoUnpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The picture's depth at a point of the upper view, or its map (duo_depth.cpp).
int duoDepth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A whole number written in full; none for anything else.
std::optional<int> parseInteger(const std::string& text);
// "duo: problem" and the usage on `err`; exit code 2.
int duoUsage(std::ostream& err, const std::string& problem);

// Runs the command that args[0] names; the usage text for none or an unknown one.
int runDuo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
