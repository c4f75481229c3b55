#pragma once

#include <QApplication>
#include <optional>
#include <string>

// The start of the program on a desktop: its name there, and a plain message when there is no
// display to open a window on.
namespace startup {

// Where Qt looks for a display: the -platform and -display arguments and the environment.
// An empty string stands for an argument or variable that is not given.
struct DisplaySettings {
    std::string platformArgument;  // -platform
    std::string displayArgument;   // -display
    std::string qpaPlatform;       // QT_QPA_PLATFORM
    std::string display;           // DISPLAY
    std::string waylandDisplay;    // WAYLAND_DISPLAY
    std::string xdgRuntimeDir;     // XDG_RUNTIME_DIR
    std::string xdgSessionType;    // XDG_SESSION_TYPE

    static DisplaySettings fromProgram(int argc, const char* const argv[]);
};

// The one line (without a newline) that says why no window system could be started, given the
// settings and Qt's own fatal text (which lists the installed platform plugins), and how to fix it.
std::string displayFailureLine(const DisplaySettings& settings, const std::string& qtFatalText);

// While it lives, Qt's messages are held back. A fatal message about the platform plugin (Qt's
// "no Qt platform plugin could be initialized", which would abort the program) is turned into
// displayFailureLine() on standard error and exit status 1; any other fatal message is passed on.
class DisplayFailureWatch {
public:
    DisplayFailureWatch(int argc, const char* const argv[]);
    ~DisplayFailureWatch();
    DisplayFailureWatch(const DisplayFailureWatch&) = delete;
    DisplayFailureWatch& operator=(const DisplayFailureWatch&) = delete;

    // Restores the message handler and passes the held messages on.
    void release();

private:
    bool released_ = false;
};

// Names the program for the desktop; must happen before the QApplication exists. The
// application name "ketterline" becomes the class half of the X11 WM_CLASS (the desktop entry's
// StartupWMClass); the desktop file name is the entry's id, which Wayland uses as the app id.
struct DesktopIdentity {
    DesktopIdentity();
};

// The QApplication of the program, named for the desktop; a missing display ends the program as
// DisplayFailureWatch says.
class Application : private DesktopIdentity, private DisplayFailureWatch, public QApplication {
public:
    Application(int& argc, char** argv);
};

}  // namespace startup
