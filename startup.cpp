#include "startup.h"

#include <cstdio>
#include <cstdlib>

namespace startup {

void nameForDesktop() {
    QCoreApplication::setApplicationName(QStringLiteral("ketterline"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KETTERLINE_VERSION));
    // The id of the desktop entry, dist/example.dravonne.Ketterline.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dravonne.Ketterline"));
}

QString failureLine(const QStringList& qtMessages) {
    QString reasons;
    QString fixes;
    const auto add = [&](const QString& reason, const QString& fix) {
        reasons += (reasons.isEmpty() ? "" : ", and ") + reason;
        fixes += fixes.contains(fix) ? "" : (fixes.isEmpty() ? "" : "; ") + fix;
    };
    const QString another = "choose another with -platform or QT_QPA_PLATFORM";
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
    const QString folder = wayland.startsWith('/') ? "" : qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool nothingSet =
        (qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + qgetenv("QT_QPA_PLATFORM")).isEmpty();
    bool explained = false;  // the plugin tried last has said why it did not start
    for (const QString& message : qtMessages) {
        const QString name = message.section('"', 1, 1);
        const QString x = message.section(' ', 5);  // the X display, from the xcb plugin
        if (message.startsWith("could not connect to display") && x.isEmpty() && nothingSet) {
            // All there is to say, whatever a Wayland session made Qt try before X11.
            reasons = "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)";
            fixes =
                "start ketterline from a desktop session, or set DISPLAY to a running "
                "X server (for example DISPLAY=:0)";
        } else if (message.startsWith("could not connect to display") && x.isEmpty()) {
            add("DISPLAY is not set", "set DISPLAY to a running X server (for example DISPLAY=:0)");
        } else if (message.startsWith("could not connect to display")) {
            add("the X display \"" + x + "\" does not answer",
                QString("check that the X server runs and lets you in, or %1 another one")
                    .arg(x == qEnvironmentVariable("DISPLAY") ? "set DISPLAY to"
                                                              : "give -display"));
        } else if (message.startsWith("Failed to create wl_display")) {  // the wayland plugin
            add("the Wayland display \"" + (folder.isEmpty() ? wayland : folder + '/' + wayland) +
                    "\" does not answer",
                "check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket");
        } else if (message.startsWith("Could not find the Qt platform plugin")) {
            const QString package = name.startsWith("wayland") ? "qt6-wayland"
                                    : name == "xcb"            ? "libqt6gui6"
                                                               : "";
            add("the Qt platform plugin \"" + name + "\" is not installed",
                (package.isEmpty() ? "" : "install the package " + package + ", or ") + another);
        } else if (message.startsWith("Could not load the Qt platform plugin") && !explained) {
            add("the Qt platform \"" + name + "\" did not start", another);
        }
        explained = message.startsWith("could not connect") || message.startsWith("Failed to");
    }
    return reasons.isEmpty() ? "" : "ketterline: cannot open a window: " + reasons + "; " + fixes;
}

namespace {

// Set only while the QApplication is made: all that the message handler needs.
QStringList* platformMessages = nullptr;
QtMessageHandler previousHandler = nullptr;

void explainPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (QByteArray(context.category).startsWith("qt.qpa") ||
        text.startsWith("Failed to create wl_display")) {
        platformMessages->append(text);
    } else if (type == QtFatalMsg && !failureLine(*platformMessages).isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failureLine(*platformMessages)));
        std::_Exit(1);  // Qt would abort next; nothing of the program has started yet
    } else {
        previousHandler(type, context, text);
    }
}

}  // namespace

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
    QStringList messages;
    platformMessages = &messages;
    previousHandler = qInstallMessageHandler(explainPlatformFailure);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    platformMessages = nullptr;
    return application;
}

}  // namespace startup
