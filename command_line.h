#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The program's command line. Its own options are --help and --version, which need no display;
// Qt's own options (-platform, -display, -style, ...) are accepted and left to QApplication.
// Anything else is a usage error.
namespace command_line {

enum class Action { Run, Help, Version, Error };

// A text in the language the program speaks, from its English source, in UTF-8; for the start
// path's own words (this file's of the context "CommandLine").
using Translate = std::function<std::string(const char* source)>;
// English: the source as it is.
std::string english(const char* source);

struct Result {
    Action action = Action::Run;
    std::string error;  // with Action::Error: what is wrong, one line without the program name
};

// Reads the arguments after the program name from left to right: the first request for help or
// the version, or the first wrong argument, decides.
Result parse(const std::vector<std::string>& arguments, const Translate& say = english);

// The text --help prints, ending in a newline.
std::string usage(const Translate& say = english);

// What --version prints: "ketterline 1.0", without a newline.
std::string versionLine();

// Acts on the command line before any window system is touched: prints the usage or the version
// to standard output (status 0), or the error and a pointer to --help as one line to standard
// error (status 2). Returns the status to end the program with, or nothing to start it.
std::optional<int> handle(int argc, const char* const argv[], const Translate& say = english);

}  // namespace command_line
