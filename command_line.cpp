#include "command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#ifndef KETTERLINE_VERSION
#error "KETTERLINE_VERSION must be defined by the build"
#endif
// Marks a text for the translation files without Qt, which this file does not need.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
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

bool contains(const auto& names, std::string_view name) {
    return std::ranges::find(names, name) != std::end(names);
}

// An error about the argument, put in for %1 of the translated text.
Result error(const Translate& say, const char* what, const std::string& argument) {
    std::string text = say(what);
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return Result{Action::Error, text};
}

}  // namespace

std::string english(const char* source) {
    return source;
}

Result parse(const std::vector<std::string>& arguments, const Translate& say) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help" || argument == "-?") {
            return Result{Action::Help, {}};
        }
        if (argument == "-v" || argument == "--version") {
            return Result{Action::Version, {}};
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "--") {
            return error(say, QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"),
                         argument);
        }
        // Qt reads "--platform" as "-platform".
        std::string_view qtName(argument);
        if (qtName.starts_with("--")) {
            qtName.remove_prefix(1);
        }
        if (contains(kQtOptionsWithValue, qtName)) {
            if (++i == arguments.size()) {
                return error(say, QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a value"),
                             argument);
            }
        } else if (!contains(kQtFlags, qtName) &&
                   std::ranges::none_of(kQtJoinedOptions, [qtName](std::string_view prefix) {
                       return qtName.starts_with(prefix);
                   })) {
            return error(say, QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"), argument);
        }
    }
    return Result{};
}

std::string usage(const Translate& say) {
    return say(QT_TRANSLATE_NOOP(
        "CommandLine",
        "Usage: ketterline [options]\n"
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
        "2 for a wrong command line.\n"));
}

std::string versionLine() {
    return "ketterline " KETTERLINE_VERSION;
}

std::optional<int> handle(int argc, const char* const argv[], const Translate& say) {
    const Result result = parse({argv + std::min(argc, 1), argv + argc}, say);
    if (result.action == Action::Help) {
        std::fputs(usage(say).c_str(), stdout);
    } else if (result.action == Action::Version) {
        std::printf("%s\n", versionLine().c_str());
    } else if (result.action == Action::Error) {
        const char* line =
            QT_TRANSLATE_NOOP("CommandLine", "ketterline: %1 (see 'ketterline --help')");
        std::fprintf(stderr, "%s\n", error(say, line, result.error).error.c_str());
        return 2;
    }
    return result.action == Action::Run ? std::nullopt : std::optional<int>(0);
}

}  // namespace command_line
