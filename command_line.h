#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

// The program's command line. Its own options are --help and --version, which need no display;
// Qt's own options (-platform, -display, -style, ...) are accepted and left to QApplication.
// Anything else is a usage error.
namespace command_line {

enum class Action { Run, Help, Version, Error };

// A text of the start path in the language the program speaks, from its English source: this
// file's texts are of the context "CommandLine", those of startup.h of "Startup".
using Translate = std::function<QString(const char* source)>;
// English: the source as it is.
inline QString english(const char* source) {
    return QString::fromUtf8(source);
}

struct Result {
    Action action = Action::Run;
    std::string error;  // with Action::Error: what is wrong, one line without the program name
};

// Reads the arguments after the program name from left to right: the first request for help or
// the version, or the first wrong argument, decides.
Result parse(const std::vector<std::string>& arguments, const Translate& say = english);

// The text --help prints, ending in a newline.
std::string usage(const Translate& say = english);

// Acts on the command line before any window system is touched, as QCommandLineParser::process()
// does: prints the usage, or the version ("ketterline 1.0"), to standard output and ends the
// program with status 0, or prints the error and a pointer to --help as one line to standard
// error and ends it with status 2. Returns only when the program is to start.
void process(int argc, const char* const argv[], const Translate& say = english);

}  // namespace command_line
