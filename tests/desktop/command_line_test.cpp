// What the command line asks for, read before Qt sees it.
#include "command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using command_line::Action;

struct Case {
    std::vector<std::string> arguments;
    Action action;
    std::string error;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << "arguments:";
    for (const std::string& argument : c.arguments) {
        *out << " '" << argument << "'";
    }
}

class CommandLine : public testing::TestWithParam<Case> {};

TEST_P(CommandLine, ReadsTheArgumentsLeftToRight) {
    const Case& c = GetParam();
    const command_line::Result result = command_line::parse(c.arguments);
    EXPECT_EQ(result.action, c.action);
    EXPECT_EQ(result.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(
        Case{{}, Action::Run, ""}, Case{{"--help"}, Action::Help, ""},
        Case{{"-h"}, Action::Help, ""}, Case{{"-?"}, Action::Help, ""},
        Case{{"--version"}, Action::Version, ""}, Case{{"-v"}, Action::Version, ""},
        // Qt's own options, with one dash or two, their values and the joined forms.
        Case{{"-platform", "xcb", "-display", ":1", "-style", "Fusion", "-geometry", "800x600+0+0",
              "-name", "cards", "-reverse"},
             Action::Run,
             ""},
        Case{{"--platform", "offscreen", "--stylesheet", "a.qss", "-qwindowtitle", "T",
              "-qwindowgeometry", "10x10", "-session", "s1", "-nograb", "-widgetcount"},
             Action::Run,
             ""},
        Case{{"-style=fusion", "--stylesheet=a.qss", "-qmljsdebugger=port:1234"}, Action::Run, ""},
        // The value of a Qt option is not read as an option.
        Case{{"-title", "--help"}, Action::Run, ""},
        Case{{"-platform", "offscreen", "--version"}, Action::Version, ""},
        // The first decisive argument wins.
        Case{{"--help", "--bogus"}, Action::Help, ""},
        Case{{"--bogus", "--help"}, Action::Error, "unknown option '--bogus'"},
        Case{{"--version", "--help"}, Action::Version, ""},
        // Wrong command lines.
        Case{{"-x"}, Action::Error, "unknown option '-x'"},
        Case{{"--help=yes"}, Action::Error, "unknown option '--help=yes'"},
        Case{{"-platformx"}, Action::Error, "unknown option '-platformx'"},
        Case{{"---platform", "xcb"}, Action::Error, "unknown option '---platform'"},
        Case{{"game.sav"}, Action::Error, "unexpected argument 'game.sav'"},
        Case{{"-"}, Action::Error, "unexpected argument '-'"},
        Case{{"--", "--help"}, Action::Error, "unexpected argument '--'"},
        Case{{""}, Action::Error, "unexpected argument ''"},
        // The argument as its bytes came, also where they are no UTF-8 or look like a placeholder.
        Case{{"\xff%1"}, Action::Error, "unexpected argument '\xff%1'"},
        Case{{"-reverse", "-platform"}, Action::Error, "option '-platform' needs a value"}));

TEST(CommandLine, UsageNamesEveryOptionOfTheProgram) {
    const std::string usage = command_line::usage();
    EXPECT_EQ(usage.rfind("Usage: ketterline [options]\n", 0), 0u);
    for (const char* option : {"-h, --help", "-v, --version", "-platform", "-display"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(usage.back(), '\n');
    // Read in a terminal of 80 columns.
    std::istringstream lines(usage);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LT(line.size(), 80u) << line;
    }
}

}  // namespace
