#include "command_line.h"

#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

namespace command_line {

namespace {

// The options Qt 6 takes out of argv itself (QCoreApplication, QGuiApplication, QApplication and
// the xcb platform plugin), written with one dash; Qt accepts each with two dashes as well.
const std::set<std::string_view> kQtOptionsWithValue(
    {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
     "-geometry", "-qwindowtitle", "-title", "-qwindowicon", "-icon", "-session", "-style",
     "-stylesheet", "-display", "-name", "-visual"});
const std::set<std::string_view> kQtFlags({"-reverse", "-testability", "-widgetcount", "-nograb",
                                           "-dograb"});
// Given as -option=value in one argument: the name up to and with its '='.
const std::set<std::string_view> kQtJoinedOptions({"-style=", "-stylesheet=", "-qmljsdebugger="});

}  // namespace

Result parse(const std::vector<std::string>& arguments, const Translate& say) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // What is wrong with the argument: the translated text with its bytes put in for %1.
        const auto wrong = [&say, &argument](const char* what) {
            return Result{Action::Error, say(what).toUtf8().replace("%1", argument).toStdString()};
        };
        if (argument == "-h" || argument == "--help" || argument == "-?") {
            return Result{Action::Help, {}};
        }
        if (argument == "-v" || argument == "--version") {
            return Result{Action::Version, {}};
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "--") {
            return wrong(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"));
        }
        // Qt reads "--platform" as "-platform".
        const std::string_view qtName =
            std::string_view(argument).substr(argument.starts_with("--") ? 1 : 0);
        if (kQtOptionsWithValue.contains(qtName)) {
            if (++i == arguments.size()) {
                return wrong(QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a value"));
            }
        } else if (!kQtFlags.contains(qtName) &&
                   !kQtJoinedOptions.contains(qtName.substr(0, qtName.find('=') + 1))) {
            return wrong(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"));
        }
    }
    return Result{};
}

std::string usage(const Translate& say) {
    const char* text = QT_TRANSLATE_NOOP(
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
        "2 for a wrong command line.\n");
    return say(text).toStdString();
}

void process(int argc, const char* const argv[], const Translate& say) {
    const Result result = parse({argv + std::min(argc, 1), argv + argc}, say);
    if (result.action == Action::Help) {
        std::fputs(usage(say).c_str(), stdout);
    } else if (result.action == Action::Version) {
        std::puts("ketterline " KETTERLINE_VERSION);
    } else if (result.action == Action::Error) {
        const char* line =
            QT_TRANSLATE_NOOP("CommandLine", "ketterline: %1 (see 'ketterline --help')");
        std::fprintf(stderr, "%s\n", say(line).toUtf8().replace("%1", result.error).constData());
    }
    if (result.action != Action::Run) {
        std::exit(result.action == Action::Error ? 2 : 0);
    }
}

}  // namespace command_line
