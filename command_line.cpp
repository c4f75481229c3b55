#include "command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

#ifndef KETTERLINE_VERSION
#error "KETTERLINE_VERSION must be defined by the build"
#endif

namespace command_line {

namespace {

// The options Qt 6 takes out of argv itself (QCoreApplication, QGuiApplication, QApplication and
// the xcb platform plugin), written with one dash; Qt accepts each with two dashes as well.
constexpr auto kQtOptionsWithValue = std::to_array<std::string_view>(
    {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
     "-geometry", "-qwindowtitle", "-title", "-qwindowicon", "-icon", "-session", "-style",
     "-stylesheet", "-display", "-name", "-visual"});
constexpr std::array<std::string_view, 5> kQtFlags{"-reverse", "-testability", "-widgetcount",
                                                   "-nograb", "-dograb"};
// Given as -option=value in one argument.
constexpr std::array<std::string_view, 3> kQtJoinedOptions{
    "-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isJoinedQtOption(std::string_view argument) {
    return std::any_of(
        kQtJoinedOptions.begin(), kQtJoinedOptions.end(),
        [argument](std::string_view prefix) { return argument.starts_with(prefix); });
}

Result error(std::string text) {
    return Result{Action::Error, std::move(text)};
}

}  // namespace

Result parse(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help" || argument == "-?") {
            return Result{Action::Help, {}};
        }
        if (argument == "-v" || argument == "--version") {
            return Result{Action::Version, {}};
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "--") {
            return error("unexpected argument '" + argument + "'");
        }
        // Qt reads "--platform" as "-platform".
        std::string_view qtName(argument);
        if (qtName.starts_with("--")) {
            qtName.remove_prefix(1);
        }
        if (contains(kQtOptionsWithValue, qtName)) {
            if (++i == arguments.size()) {
                return error("option '" + argument + "' needs a value");
            }
        } else if (!contains(kQtFlags, qtName) && !isJoinedQtOption(qtName)) {
            return error("unknown option '" + argument + "'");
        }
    }
    return Result{};
}

std::string usage() {
    return "Usage: ketterline [options]\n"
           "Ketterline, a patience card game for one player,\n"
           "played with the mouse or the keyboard.\n"
           "\n"
           "Options:\n"
           "  -h, --help          show this help and exit\n"
           "  -v, --version       show the version and exit\n"
           "\n"
           "Qt's options work as well, among them:\n"
           "  -platform NAME      the window system: xcb (X11), wayland, offscreen, ...\n"
           "  -display DISPLAY    the X display to open the window on, instead of $DISPLAY\n"
           "  -style NAME         the look of the controls, for example Fusion\n"
           "  -geometry WxH+X+Y   the size and place of the first window (X11)\n"
           "  -reverse            lay the windows out from right to left\n"
           "\n"
           "The window opens on the display named by WAYLAND_DISPLAY or DISPLAY.\n"
           "Exit status: 0 when the game ends normally, 1 when no display can be opened,\n"
           "2 for a wrong command line.\n";
}

std::string versionLine() {
    return "ketterline " KETTERLINE_VERSION;
}

std::optional<int> handle(int argc, const char* const argv[]) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const Result result = parse(arguments);
    switch (result.action) {
        case Action::Run:
            return std::nullopt;
        case Action::Help:
            std::fputs(usage().c_str(), stdout);
            return 0;
        case Action::Version:
            std::printf("%s\n", versionLine().c_str());
            return 0;
        case Action::Error:
            std::fprintf(stderr, "ketterline: %s (see 'ketterline --help')\n",
                         result.error.c_str());
            return 2;
    }
    return std::nullopt;
}

}  // namespace command_line
