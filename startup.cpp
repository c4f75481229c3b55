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
        reasons += (reasons.isEmpty() ? QString() : QStringLiteral(", and ")) + reason;
        fixes += fixes.contains(fix) ? QString()
                                     : (fixes.isEmpty() ? QString() : QStringLiteral("; ")) + fix;
    };
    const QString another = QStringLiteral("choose another with -platform or QT_QPA_PLATFORM");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString folder =
        wayland.startsWith(u'/') ? QString() : qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool nothingSet =
        (qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + qgetenv("QT_QPA_PLATFORM")).isEmpty();
    bool explained = false;  // the plugin tried last has said why it did not start
    for (const QString& message : qtMessages) {
        const QString name = message.section(u'"', 1, 1);
        const QString x = message.section(u' ', 5);  // the X display, from the xcb plugin
        if (message.startsWith(u"could not connect to display") && x.isEmpty() && nothingSet) {
            // All there is to say, whatever a Wayland session made Qt try before X11.
            reasons = QStringLiteral("no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
            fixes = QStringLiteral(
                "start ketterline from a desktop session, or set DISPLAY to a running "
                "X server (for example DISPLAY=:0)");
        } else if (message.startsWith(u"could not connect to display") && x.isEmpty()) {
            add(QStringLiteral("DISPLAY is not set"),
                QStringLiteral("set DISPLAY to a running X server (for example DISPLAY=:0)"));
        } else if (message.startsWith(u"could not connect to display")) {
            add(QStringLiteral("the X display \"%1\" does not answer").arg(x),
                QStringLiteral("check that the X server runs and lets you in, or %1 another one")
                    .arg(x == qEnvironmentVariable("DISPLAY") ? QStringLiteral("set DISPLAY to")
                                                              : QStringLiteral("give -display")));
        } else if (message.startsWith(u"Failed to create wl_display")) {  // the wayland plugin
            add(QStringLiteral("the Wayland display \"%1\" does not answer")
                    .arg(folder.isEmpty() ? wayland : folder + u'/' + wayland),
                QStringLiteral("check that the Wayland compositor runs, or set WAYLAND_DISPLAY to "
                               "its socket"));
        } else if (message.startsWith(u"Could not find the Qt platform plugin")) {
            const QString package = name.startsWith(u"wayland") ? QStringLiteral("qt6-wayland")
                                    : name == u"xcb"            ? QStringLiteral("libqt6gui6")
                                                                : QString();
            add(QStringLiteral("the Qt platform plugin \"%1\" is not installed").arg(name),
                (package.isEmpty() ? QString()
                                   : QStringLiteral("install the package %1, or ").arg(package)) +
                    another);
        } else if (message.startsWith(u"Could not load the Qt platform plugin") && !explained) {
            add(QStringLiteral("the Qt platform \"%1\" did not start").arg(name), another);
        }
        explained = message.startsWith(u"could not connect") || message.startsWith(u"Failed to");
    }
    return reasons.isEmpty()
               ? QString()
               : QStringLiteral("ketterline: cannot open a window: %1; %2").arg(reasons, fixes);
}

namespace {

// Set only while the QApplication is made: all that the message handler needs.
QStringList* platformMessages = nullptr;
QtMessageHandler previousHandler = nullptr;

void explainPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (QByteArray(context.category).startsWith("qt.qpa") ||
        text.startsWith(u"Failed to create wl_display")) {
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
