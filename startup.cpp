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

QString failureLine(const QStringList& qtMessages, const Translate& say) {
    QString reasons;
    QString fixes;
    const auto add = [&](const QString& reason, const QString& fix) {
        //: Between two reasons why no window could be opened.
        reasons +=
            reasons.isEmpty() ? reason : say(QT_TRANSLATE_NOOP("Startup", ", and ")) + reason;
        if (!fixes.contains(fix)) {
            //: Between two things to do so that a window can be opened.
            fixes += fixes.isEmpty() ? fix : say(QT_TRANSLATE_NOOP("Startup", "; ")) + fix;
        }
    };
    const QString another =
        say(QT_TRANSLATE_NOOP("Startup", "choose another with -platform or QT_QPA_PLATFORM"));
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString folder =
        wayland.startsWith(u'/') ? QString() : qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool nothingSet =
        (qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + qgetenv("QT_QPA_PLATFORM")).isEmpty();
    bool explained = false;  // the plugin tried last has said why it did not start
    for (const QString& message : qtMessages) {
        const QString name = message.section(QChar(0x22), 1, 1);
        const QString x = message.section(u' ', 5);  // the X display, from the xcb plugin
        if (message.startsWith(u"could not connect to display") && x.isEmpty() && nothingSet) {
            // All there is to say, whatever a Wayland session made Qt try before X11.
            reasons = say(QT_TRANSLATE_NOOP(
                "Startup", "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)"));
            fixes = say(QT_TRANSLATE_NOOP("Startup",
                                          "start ketterline from a desktop session, or set DISPLAY "
                                          "to a running X server (for example DISPLAY=:0)"));
        } else if (message.startsWith(u"could not connect to display") && x.isEmpty()) {
            add(say(QT_TRANSLATE_NOOP("Startup", "DISPLAY is not set")),
                say(QT_TRANSLATE_NOOP(
                    "Startup", "set DISPLAY to a running X server (for example DISPLAY=:0)")));
        } else if (message.startsWith(u"could not connect to display")) {
            add(say(QT_TRANSLATE_NOOP("Startup", "the X display \"%1\" does not answer")).arg(x),
                x == qEnvironmentVariable("DISPLAY")
                    ? say(QT_TRANSLATE_NOOP("Startup",
                                            "check that the X server runs and lets you "
                                            "in, or set DISPLAY to another one"))
                    : say(QT_TRANSLATE_NOOP("Startup",
                                            "check that the X server runs and lets you "
                                            "in, or give -display another one")));
        } else if (message.startsWith(u"Failed to create wl_display")) {  // the wayland plugin
            add(say(QT_TRANSLATE_NOOP("Startup", "the Wayland display \"%1\" does not answer"))
                    .arg(folder.isEmpty() ? wayland : folder + u'/' + wayland),
                say(QT_TRANSLATE_NOOP("Startup",
                                      "check that the Wayland compositor runs, or set "
                                      "WAYLAND_DISPLAY to its socket")));
        } else if (message.startsWith(u"Could not find the Qt platform plugin")) {
            const QString package = name.startsWith(u"wayland") ? QStringLiteral("qt6-wayland")
                                    : name == u"xcb"            ? QStringLiteral("libqt6gui6")
                                                                : QString();
            add(say(QT_TRANSLATE_NOOP("Startup", "the Qt platform plugin \"%1\" is not installed"))
                    .arg(name),
                package.isEmpty()
                    ? another
                    : say(QT_TRANSLATE_NOOP("Startup",
                                            "install the package %1, or choose another "
                                            "with -platform or QT_QPA_PLATFORM"))
                          .arg(package));
        } else if (message.startsWith(u"Could not load the Qt platform plugin") && !explained) {
            add(say(QT_TRANSLATE_NOOP("Startup", "the Qt platform \"%1\" did not start")).arg(name),
                another);
        }
        explained = message.startsWith(u"could not connect") || message.startsWith(u"Failed to");
    }
    return reasons.isEmpty()
               ? QString()
               : say(QT_TRANSLATE_NOOP("Startup", "ketterline: cannot open a window: %1; %2"))
                     .arg(reasons, fixes);
}

namespace {

// What the message handler, which Qt calls with nothing of ours, needs while the QApplication is
// made: Qt's messages about its platform plugins so far, the texts' language, the handler before.
QStringList platformMessages;
Translate platformSay;
QtMessageHandler previousHandler = nullptr;

void explainPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (QByteArray(context.category).startsWith("qt.qpa") ||
        text.startsWith(u"Failed to create wl_display")) {
        platformMessages.append(text);
    } else if (const QString line = failureLine(platformMessages, platformSay);
               type == QtFatalMsg && !line.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::_Exit(1);  // Qt would abort next; nothing of the program has started yet
    } else {
        previousHandler(type, context, text);
    }
}

}  // namespace

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv, const Translate& say) {
    nameForDesktop();
    platformMessages.clear();
    platformSay = say;
    previousHandler = qInstallMessageHandler(explainPlatformFailure);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return application;
}

}  // namespace startup
