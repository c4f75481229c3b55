#include "startup.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

#ifndef KETTERLINE_VERSION
#error "KETTERLINE_VERSION must be defined by the build"
#endif

namespace startup {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : separator) + part;
    }
    return text;
}

// The platform plugins Qt tries, in order, as QGuiApplication picks them on Linux: the -platform
// argument, else QT_QPA_PLATFORM (each a ';'-separated list of name[:parameters]), else a Wayland
// session first and then X11.
std::vector<std::string> triedPlatforms(const DisplaySettings& settings) {
    const std::string& chosen =
        settings.platformArgument.empty() ? settings.qpaPlatform : settings.platformArgument;
    std::vector<std::string> names;
    if (chosen.empty()) {
        if (!settings.waylandDisplay.empty() || settings.xdgSessionType == "wayland") {
            names.push_back("wayland");
        }
        names.push_back("xcb");
        return names;
    }
    for (const std::string& entry : split(chosen, ';')) {
        if (!entry.empty()) {
            names.push_back(entry.substr(0, entry.find(':')));
        }
    }
    return names;
}

// Qt's fatal text ends in "Available platform plugins are: xcb, eglfs, ....", in no order;
// returned sorted, ", "-separated.
std::string installedPlatforms(const std::string& qtFatalText) {
    const std::string lead = "Available platform plugins are: ";
    const std::size_t start = qtFatalText.find(lead);
    if (start == std::string::npos) {
        return "";
    }
    std::string list = qtFatalText.substr(start + lead.size());
    list = list.substr(0, list.find('\n'));
    while (!list.empty() && (list.back() == '.' || list.back() == ' ')) {
        list.pop_back();
    }
    std::vector<std::string> names = split(list, ',');
    for (std::string& name : names) {
        name.erase(0, name.find_first_not_of(' '));
    }
    std::sort(names.begin(), names.end());
    return join(names, ", ");
}

void addOnce(std::vector<std::string>& list, std::string item) {
    for (const std::string& present : list) {
        if (present == item) {
            return;
        }
    }
    list.push_back(std::move(item));
}

}  // namespace

DisplaySettings DisplaySettings::fromProgram(int argc, const char* const argv[]) {
    DisplaySettings settings;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            settings.platformArgument = argv[++i];
        } else if (argument == "-display" || argument == "--display") {
            settings.displayArgument = argv[++i];
        }
    }
    settings.qpaPlatform = environment("QT_QPA_PLATFORM");
    settings.display = environment("DISPLAY");
    settings.waylandDisplay = environment("WAYLAND_DISPLAY");
    settings.xdgRuntimeDir = environment("XDG_RUNTIME_DIR");
    settings.xdgSessionType = environment("XDG_SESSION_TYPE");
    return settings;
}

std::string displayFailureLine(const DisplaySettings& settings, const std::string& qtFatalText) {
    const std::string lead = "ketterline: cannot open a window: ";
    const bool platformChosen = !settings.platformArgument.empty() || !settings.qpaPlatform.empty();
    if (!platformChosen && settings.display.empty() && settings.displayArgument.empty() &&
        settings.waylandDisplay.empty()) {
        return lead +
               "no display is set (DISPLAY and WAYLAND_DISPLAY are empty); start ketterline from "
               "a desktop session, or set DISPLAY to a running X server (for example "
               "DISPLAY=:0)";
    }

    std::vector<std::string> reasons;
    std::vector<std::string> fixes;
    for (const std::string& platform : triedPlatforms(settings)) {
        if (platform == "xcb") {
            const bool fromArgument = !settings.displayArgument.empty();
            const std::string& display = fromArgument ? settings.displayArgument : settings.display;
            if (display.empty()) {
                reasons.push_back("DISPLAY is not set");
                addOnce(fixes, "set DISPLAY to a running X server (for example DISPLAY=:0)");
            } else {
                reasons.push_back("the X display " + quoted(display) + " does not answer");
                addOnce(fixes, std::string("check that the X server runs and lets you in, or ") +
                                   (fromArgument ? "give -display another one"
                                                 : "set DISPLAY to another one"));
            }
        } else if (platform.starts_with("wayland")) {
            const std::string socket =
                settings.waylandDisplay.empty() ? "wayland-0" : settings.waylandDisplay;
            if (socket.front() != '/' && settings.xdgRuntimeDir.empty()) {
                reasons.push_back("XDG_RUNTIME_DIR, the folder of the Wayland display " +
                                  quoted(socket) + ", is not set");
                addOnce(fixes, "start ketterline from the desktop session");
            } else {
                const std::string path =
                    socket.front() == '/' ? socket : settings.xdgRuntimeDir + '/' + socket;
                reasons.push_back("the Wayland display " + quoted(path) + " does not answer");
                addOnce(fixes,
                        "check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its "
                        "socket");
            }
        } else {
            const std::string installed = installedPlatforms(qtFatalText);
            const bool present =
                !installed.empty() &&
                (", " + installed + ",").find(", " + platform + ",") != std::string::npos;
            reasons.push_back("the Qt platform " + quoted(platform) +
                              (present ? " did not start" : " is not installed"));
            addOnce(fixes, "choose another with -platform or QT_QPA_PLATFORM" +
                               (installed.empty() ? std::string() : " (" + installed + ")"));
        }
    }
    return lead + join(reasons, ", and ") + "; " + join(fixes, "; ");
}

namespace {

// A message held back while the watch lives.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::mutex watchMutex;
DisplaySettings watchedSettings;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void passOnHeldMessages() {
    if (!previousHandler) {
        heldMessages.clear();
        return;
    }
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(held.file.empty() ? nullptr : held.file.c_str(), held.line,
                                         held.function.empty() ? nullptr : held.function.c_str(),
                                         held.category.c_str());
        previousHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

void watchHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(watchMutex);
    if (type == QtFatalMsg && text.contains(QLatin1String("Qt platform plugin"))) {
        const std::string line = displayFailureLine(watchedSettings, text.toStdString());
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        // Qt would abort next; nothing of the program has started that needs an orderly end.
        std::_Exit(1);
    }
    heldMessages.push_back(HeldMessage{type, context.file ? context.file : "", context.line,
                                       context.function ? context.function : "",
                                       context.category ? context.category : "", text});
    if (type == QtFatalMsg) {
        // Qt aborts when this returns, so everything held is shown first.
        qInstallMessageHandler(previousHandler);
        passOnHeldMessages();
    }
}

}  // namespace

DisplayFailureWatch::DisplayFailureWatch(int argc, const char* const argv[]) {
    const std::lock_guard lock(watchMutex);
    watchedSettings = DisplaySettings::fromProgram(argc, argv);
    previousHandler = qInstallMessageHandler(watchHandler);
}

DisplayFailureWatch::~DisplayFailureWatch() {
    release();
}

void DisplayFailureWatch::release() {
    if (released_) {
        return;
    }
    released_ = true;
    const std::lock_guard lock(watchMutex);
    qInstallMessageHandler(previousHandler);
    passOnHeldMessages();
}

DesktopIdentity::DesktopIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("ketterline"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KETTERLINE_VERSION));
    // The id of the desktop entry, dist/example.dravonne.Ketterline.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dravonne.Ketterline"));
}

Application::Application(int& argc, char** argv)
    : DisplayFailureWatch(argc, argv), QApplication(argc, argv) {
    release();
}

}  // namespace startup
