// The line the program prints when no window system can be started: what is missing, and what
// to do about it.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>

#include "startup.h"

namespace {

using startup::DisplaySettings;

const std::string kQtText =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\n"
    "Available platform plugins are: xcb, offscreen, wayland, eglfs.\n";

struct Case {
    const char* what;
    DisplaySettings settings;
    std::string line;
};

DisplaySettings settings(std::string display, std::string wayland = {}, std::string qpa = {}) {
    DisplaySettings s;
    s.display = std::move(display);
    s.waylandDisplay = std::move(wayland);
    s.qpaPlatform = std::move(qpa);
    s.xdgRuntimeDir = "/run/user/1000";
    return s;
}

DisplaySettings withArguments(DisplaySettings s, std::string platform, std::string display) {
    s.platformArgument = std::move(platform);
    s.displayArgument = std::move(display);
    return s;
}

DisplaySettings waylandSession(DisplaySettings s) {
    s.xdgSessionType = "wayland";
    return s;
}

const std::string kLead = "ketterline: cannot open a window: ";
const std::string kXFix =
    "check that the X server runs and lets you in, or set DISPLAY to another one";
const std::string kWaylandFix =
    "check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket";

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

class DisplayFailure : public testing::TestWithParam<Case> {};

TEST_P(DisplayFailure, SaysWhatIsMissingAndHowToFixIt) {
    const Case& c = GetParam();
    SCOPED_TRACE(c.what);
    const std::string line = startup::displayFailureLine(c.settings, kQtText);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find("Reinstalling"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DisplayFailure,
    testing::Values(
        Case{"nothing set", settings(""),
             kLead + "no display is set (DISPLAY and WAYLAND_DISPLAY are empty); start ketterline "
                     "from a desktop session, or set DISPLAY to a running X server (for example "
                     "DISPLAY=:0)"},
        Case{"X display that does not answer", settings(":99"),
             kLead + "the X display \":99\" does not answer; " + kXFix},
        Case{"-display wins over DISPLAY", withArguments(settings(":0"), "", "remote:5"),
             kLead + "the X display \"remote:5\" does not answer; check that the X server runs and "
                     "lets you in, or give -display another one"},
        Case{"xcb chosen without DISPLAY", settings("", "", "xcb"),
             kLead + "DISPLAY is not set; set DISPLAY to a running X server (for example "
                     "DISPLAY=:0)"},
        Case{"Wayland socket missing", settings("", "gone", "wayland"),
             kLead + "the Wayland display \"/run/user/1000/gone\" does not answer; " + kWaylandFix},
        Case{"Wayland socket as a path, -platform wins",
             withArguments(settings("", "/tmp/w-1", "xcb"), "wayland-egl", ""),
             kLead + "the Wayland display \"/tmp/w-1\" does not answer; " + kWaylandFix},
        Case{"Wayland without its runtime folder",
             [] {
                 DisplaySettings s = settings("", "wayland-1", "wayland");
                 s.xdgRuntimeDir.clear();
                 return s;
             }(),
             kLead +
                 "XDG_RUNTIME_DIR, the folder of the Wayland display \"wayland-1\", is not set; "
                 "start ketterline from the desktop session"},
        Case{"Wayland session falls back to X11", waylandSession(settings(":1", "wayland-0")),
             kLead +
                 "the Wayland display \"/run/user/1000/wayland-0\" does not answer, and the X "
                 "display \":1\" does not answer; " +
                 kWaylandFix + "; " + kXFix},
        Case{"a list of platforms with parameters", settings(":2", "", "xcb:nograb;offscreen"),
             kLead +
                 "the X display \":2\" does not answer, and the Qt platform \"offscreen\" did not "
                 "start; " +
                 kXFix +
                 "; choose another with -platform or QT_QPA_PLATFORM (eglfs, offscreen, "
                 "wayland, xcb)"},
        Case{"a platform that is not installed", settings(":0", "", "cocoa"),
             kLead + "the Qt platform \"cocoa\" is not installed; choose another with -platform or "
                     "QT_QPA_PLATFORM (eglfs, offscreen, wayland, xcb)"}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(DisplayFailure, ReadsTheArgumentsQtReads) {
    const char* argv[] = {"ketterline", "-reverse", "--platform", "wayland",
                          "-display",   ":7",       "-platform"};
    const DisplaySettings s = DisplaySettings::fromProgram(7, argv);
    EXPECT_EQ(s.platformArgument, "wayland");
    EXPECT_EQ(s.displayArgument, ":7");
}

}  // namespace
