// The line the program prints when no window system can be started, read from the messages Qt
// prints while it tries its platform plugins: what is missing, and what to do about it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <cctype>
#include <map>
#include <ostream>
#include <string>

#include "startup.h"

namespace {

// Qt 6.4's messages, as its xcb and wayland plugins and its plugin loader print them.
QString xcbFailed(const QString& display) {
    return "could not connect to display " + display;
}
QString notLoaded(const QString& plugin) {
    return "Could not load the Qt platform plugin \"" + plugin +
           "\" in \"\" even though it was found.";
}
const QString kWaylandFailed = "Failed to create wl_display (No such file or directory)";
QString notFound(const QString& plugin) {
    return "Could not find the Qt platform plugin \"" + plugin + "\" in \"\"";
}

struct Case {
    const char* what;
    std::map<std::string, std::string> environment;
    QStringList qtMessages;
    std::string line;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

// Sets the variables Qt reads for its display and clears the others; restores them afterwards.
class Environment {
public:
    explicit Environment(const std::map<std::string, std::string>& set) {
        for (const char* name : kNames) {
            saved_[name] = qgetenv(name);
            const auto given = set.find(name);
            given == set.end() ? qunsetenv(name) : qputenv(name, given->second.c_str());
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            value.isNull() ? qunsetenv(name.c_str()) : qputenv(name.c_str(), value);
        }
    }

private:
    static constexpr const char* kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                             "XDG_RUNTIME_DIR"};
    std::map<std::string, QByteArray> saved_;
};

const std::string kLead = "ketterline: cannot open a window: ";
const std::string kXFix =
    "check that the X server runs and lets you in, or set DISPLAY to another one";
const std::string kWaylandFix =
    "check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket";
const std::string kAnother = "choose another with -platform or QT_QPA_PLATFORM";

class DisplayFailure : public testing::TestWithParam<Case> {};

TEST_P(DisplayFailure, SaysWhatIsMissingAndHowToFixIt) {
    const Case& c = GetParam();
    const Environment environment(c.environment);
    EXPECT_EQ(startup::failureLine(c.qtMessages).toStdString(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    QtMessages, DisplayFailure,
    testing::Values(
        Case{"nothing set",
             {},
             {xcbFailed(""), notLoaded("xcb")},
             kLead + "no display is set (DISPLAY and WAYLAND_DISPLAY are empty); start ketterline "
                     "from a desktop session, or set DISPLAY to a running X server (for example "
                     "DISPLAY=:0)"},
        Case{"Wayland session without any display",
             {{"XDG_RUNTIME_DIR", "/run/user/1000"}},
             {kWaylandFailed, notLoaded("wayland"), xcbFailed(""), notLoaded("xcb")},
             kLead + "no display is set (DISPLAY and WAYLAND_DISPLAY are empty); start ketterline "
                     "from a desktop session, or set DISPLAY to a running X server (for example "
                     "DISPLAY=:0)"},
        Case{"X display that does not answer",
             {{"DISPLAY", ":99"}},
             {xcbFailed(":99"), notLoaded("xcb")},
             kLead + "the X display \":99\" does not answer; " + kXFix},
        Case{"-display wins over DISPLAY",
             {{"DISPLAY", ":0"}},
             {xcbFailed("remote:5"), notLoaded("xcb")},
             kLead + "the X display \"remote:5\" does not answer; check that the X server runs and "
                     "lets you in, or give -display another one"},
        Case{"xcb chosen without DISPLAY",
             {{"QT_QPA_PLATFORM", "xcb"}},
             {xcbFailed(""), notLoaded("xcb")},
             kLead + "DISPLAY is not set; set DISPLAY to a running X server (for example "
                     "DISPLAY=:0)"},
        Case{"Wayland socket missing",
             {{"QT_QPA_PLATFORM", "wayland"},
              {"WAYLAND_DISPLAY", "gone"},
              {"XDG_RUNTIME_DIR", "/run/user/1000"}},
             {kWaylandFailed, notLoaded("wayland")},
             kLead + "the Wayland display \"/run/user/1000/gone\" does not answer; " + kWaylandFix},
        Case{"Wayland socket given as a path",
             {{"WAYLAND_DISPLAY", "/tmp/w-1"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}},
             {kWaylandFailed, notLoaded("wayland")},
             kLead + "the Wayland display \"/tmp/w-1\" does not answer; " + kWaylandFix},
        Case{"Wayland session falls back to X11",
             {{"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", "/run/u"}},
             {kWaylandFailed, notLoaded("wayland"), xcbFailed(":1"), notLoaded("xcb")},
             kLead +
                 "the Wayland display \"/run/u/wayland-0\" does not answer, and the X display "
                 "\":1\" does not answer; " +
                 kWaylandFix + "; " + kXFix},
        Case{"Wayland plugin not installed",
             {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}},
             {notFound("wayland")},
             kLead +
                 "the Qt platform plugin \"wayland\" is not installed; install the package "
                 "qt6-wayland, or " +
                 kAnother},
        Case{"a plugin Debian does not have",
             {{"QT_QPA_PLATFORM", "cocoa"}, {"DISPLAY", ":0"}},
             {notFound("cocoa")},
             kLead + "the Qt platform plugin \"cocoa\" is not installed; " + kAnother},
        Case{"a plugin that says nothing of why",
             {{"QT_QPA_PLATFORM", "vnc;xcb"}, {"DISPLAY", ":2"}},
             {notLoaded("vnc"), xcbFailed(":2"), notLoaded("xcb")},
             kLead +
                 "the Qt platform \"vnc\" did not start, and the X display \":2\" does not "
                 "answer; " +
                 kAnother + "; " + kXFix},
        Case{"no failure", {{"DISPLAY", ":0"}}, {"Some other message"}, ""}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
