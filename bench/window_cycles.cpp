// Memory over many open and put-away cycles of one information window. The program is started as
// main() starts it (Program::start: the Board shown, every window made), then one window is
// opened and put away N times. Every K cycles a line tells a growth apart: our objects not freed
// (the object counts grow), a heap that grows (in use grows while the objects stay level) or a
// heap that only fragments (the resident set grows, in use does not).
//
//   window_cycles [--window NAME] [--menu ITEM | --activate-board]
//                 [--cycle hide|ok|escape|close|idle] [--cycles N] [--every K] [--pause MS]
//                 [--pixmap-cache-kb N] [--rest S] [--trim] [--exit-at-once]
//
// Defaults: --window AboutKetterline --cycle hide --cycles 5000 --every 100.
//
// NAME is one of Rules, AboutKetterline, AboutDravonne, AboutAuthor, License (the windows the
// menu shows). A cycle opens the window with Program::show, as the menu commands do, or with
// --menu ITEM the way a user at the keyboard does: the Board is made active, then Alt and the
// access keys lead down to the Board's menu item of that object name (aboutKetterline: Alt+I,
// A, K), each menu shown and painted before the next key; the window is then the one the item
// shows. --activate-board makes the Board active before each Program::show (as a window manager
// gives the focus back to it when a window goes). The cycle then puts the window away:
//   hide    QWidget::hide, what the window's OK button does
//   ok      a left click on the OK button, sent through the window
//   escape  Escape pressed and released in the window, through Qt's shortcut handling
//   close   QWindow::close(), the close request the window system's close box delivers: the
//           window is destroyed, and the next cycle's opening makes it again
//   idle    nothing: the event processing of a cycle alone; with --pause the program idles like
//           the real one, which can then be driven from outside (xdotool) and watched
// --pause idles the event loop for MS milliseconds after each step, at a user's pace: Qt's timers
// (focus changes under X, cache trimming) then run between the steps.
// --pixmap-cache-kb sets QPixmapCache's limit (Qt's default is 10240), so that a growth the
// cache bounds reaches its limit sooner.
// --rest idles the event loop for S seconds after the last cycle, with a line every 10 s (first
// column: the seconds of rest), to see what Qt gives back on its own while the program is idle.
// --trim runs malloc_trim(0) before each line: the resident set then shows what the heap holds
// rather than free memory that malloc kept.
// --exit-at-once ends with _Exit after the last line, destroying nothing, so that a heap profiler
// reports every block still held as not freed: a short run and a long one, compared
// (heaptrack_print -d), show what the cycles add.
//
// Columns: rss_kB VmRSS; inuse_kB the heap in use (mallinfo2 uordblks + hblkhd); arena_kB the
// heap malloc holds outside mmap, free_kB the free part of it, mmap_kB the blocks mapped on their
// own; qobjects the live QObjects of the process; widgets QApplication::allWidgets(); window the
// QObjects of the window and under it (0 while it is destroyed); focus_c the connections to the
// windows' focusObjectChanged signals (QGuiApplication keeps one, to the active window); threads.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise (xcb: set DISPLAY). Each step processes
// events until its outcome is seen (shown: exposed and active; put away: hidden, or destroyed),
// then a few more rounds, so that paints, flushes and queued clean-ups are done.
#include <malloc.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "game/random_source.h"
#include "program.h"
#include "startup.h"

// Qt's hooks for debugging tools (qhooks_p.h, not installed): an array in QtCore whose slots 3
// and 4 hold functions called on every QObject's construction and destruction.
extern "C" Q_DECL_IMPORT quintptr qtHookData[];

namespace {

enum HookIndex { kHookDataSize = 1, kQtVersion = 2, kAddQObject = 3, kRemoveQObject = 4 };

std::atomic<long> liveObjects{0};

void addObject(QObject*) {
    liveObjects.fetch_add(1, std::memory_order_relaxed);
}
void removeObject(QObject*) {
    liveObjects.fetch_sub(1, std::memory_order_relaxed);
}

// Counts every QObject made from here on; must run before the QApplication is made.
bool countObjects() {
    if (qtHookData[kHookDataSize] <= kRemoveQObject || qtHookData[kQtVersion] != QT_VERSION) {
        return false;
    }
    qtHookData[kAddQObject] = reinterpret_cast<quintptr>(&addObject);
    qtHookData[kRemoveQObject] = reinterpret_cast<quintptr>(&removeObject);
    return true;
}

long statusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) {
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
        }
    }
    return -1;
}

// The windows the menu shows, by their names on the command line and the menu items that show
// them.
struct NamedWindow {
    const char* name;
    const char* menuItem;
    InfoWindowId id;
};
constexpr std::array<NamedWindow, 5> kWindows{{
    {"Rules", "rules", InfoWindowId::Rules},
    {"AboutKetterline", "aboutKetterline", InfoWindowId::AboutKetterline},
    {"AboutDravonne", "aboutDravonne", InfoWindowId::AboutDravonne},
    {"AboutAuthor", "aboutAuthor", InfoWindowId::AboutAuthor},
    {"License", "license", InfoWindowId::License},
}};

struct Options {
    QString cycle = QStringLiteral("hide");
    NamedWindow window = kWindows[1];
    bool throughMenu = false;
    bool activateBoard = false;
    long cycles = 5000;
    long every = 100;
    long pauseMs = 0;
    int pixmapCacheKiB = 0;  // 0: Qt's default
    bool trim = false;
    long restSeconds = 0;
    bool exitAtOnce = false;
};

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: window_cycles [--window NAME] [--menu ITEM | --activate-board]\n"
                 "                     [--cycle hide|ok|escape|close|idle] [--cycles N]\n"
                 "                     [--every K] [--pause MS] [--pixmap-cache-kb N] [--rest S]\n"
                 "                     [--trim] [--exit-at-once]\n"
                 "NAME: Rules AboutKetterline AboutDravonne AboutAuthor License\n"
                 "ITEM: rules aboutKetterline aboutDravonne aboutAuthor license\n");
    std::exit(2);
}

std::optional<NamedWindow> findWindow(const QString& text, bool byMenuItem) {
    for (const NamedWindow& window : kWindows) {
        if (text == QLatin1String(byMenuItem ? window.menuItem : window.name)) {
            return window;
        }
    }
    return std::nullopt;
}

Options parse(const QStringList& args) {
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size()) {
                usage();
            }
            return args[++i];
        };
        const auto window = [&](bool byMenuItem) {
            const std::optional<NamedWindow> found = findWindow(value(), byMenuItem);
            if (!found) {
                usage();
            }
            return *found;
        };
        if (arg == u"--cycle") {
            options.cycle = value();
        } else if (arg == u"--window") {
            options.window = window(false);
        } else if (arg == u"--menu") {
            options.window = window(true);
            options.throughMenu = true;
        } else if (arg == u"--activate-board") {
            options.activateBoard = true;
        } else if (arg == u"--cycles") {
            options.cycles = value().toLong();
        } else if (arg == u"--every") {
            options.every = value().toLong();
        } else if (arg == u"--pause") {
            options.pauseMs = value().toLong();
        } else if (arg == u"--pixmap-cache-kb") {
            options.pixmapCacheKiB = value().toInt();
        } else if (arg == u"--rest") {
            options.restSeconds = value().toLong();
        } else if (arg == u"--trim") {
            options.trim = true;
        } else if (arg == u"--exit-at-once") {
            options.exitAtOnce = true;
        } else {
            usage();
        }
    }
    const QStringList cycles{QStringLiteral("hide"), QStringLiteral("ok"), QStringLiteral("escape"),
                             QStringLiteral("close"), QStringLiteral("idle")};
    if (!cycles.contains(options.cycle) || options.cycles < 0 || options.every <= 0 ||
        options.pauseMs < 0 || options.pixmapCacheKiB < 0 || options.restSeconds < 0) {
        usage();
    }
    return options;
}

void processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Processes events for the given time, as the event loop of an idle program would.
void idle(long ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        processEvents();
        usleep(1000);
    }
}

// Processes events until done() holds (at most 5 s, then a fault), then three more rounds a
// millisecond apart, so that whatever the step queued (paints, flushes, clean-ups) has run;
// then idles for the pause.
void settle(const std::function<bool()>& done, const char* what, long pauseMs) {
    QElapsedTimer timer;
    timer.start();
    for (processEvents(); !done(); processEvents()) {
        if (timer.elapsed() > 5000) {
            qFatal("Timed out waiting for %s", what);
        }
        usleep(100);
    }
    for (int round = 0; round < 3; ++round) {
        usleep(1000);
        processEvents();
    }
    idle(pauseMs);
}

void activate(QWidget& board) {
    board.activateWindow();
    settle([&] { return board.windowHandle()->isActive(); }, "the Board to be active", 0);
}

// The keys that reach a menu item from the keyboard: Alt and the access key of its menu on the
// menu bar, then the access key of each item down to it.
QList<QKeyCombination> menuKeys(const QWidget& board, const char* itemName) {
    auto* action = board.findChild<QAction*>(QLatin1String(itemName));
    if (action == nullptr) {
        qFatal("The Board has no menu item %s", itemName);
    }
    QList<QKeyCombination> keys;
    for (;;) {
        const Qt::Key key = QKeySequence::mnemonic(action->text())[0].key();
        QMenu* menu = nullptr;
        for (QObject* owner : action->associatedObjects()) {
            if (qobject_cast<QMenuBar*>(owner) != nullptr) {
                keys.prepend(QKeyCombination(Qt::AltModifier, key));
                return keys;
            }
            if (menu == nullptr) {
                menu = qobject_cast<QMenu*>(owner);
            }
        }
        if (menu == nullptr) {
            qFatal("The menu item %s is in no menu", itemName);
        }
        keys.prepend(QKeyCombination(key));
        action = menu->menuAction();
    }
}

QString keyNames(const QList<QKeyCombination>& keys) {
    QStringList names;
    for (const QKeyCombination key : keys) {
        names.append(QKeySequence(key).toString());
    }
    return names.join(u' ');
}

// Makes the Board active, then presses the keys: the first in the Board, each next one in the
// menu the previous one opened, once it is shown.
void openThroughMenu(QWidget& board, const QList<QKeyCombination>& keys) {
    activate(board);
    QWindow* target = board.windowHandle();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QWidget* previous = QApplication::activePopupWidget();
        QTest::keyClick(target, keys[i].key(), keys[i].keyboardModifiers());
        if (i + 1 == keys.size()) {
            break;
        }
        settle(
            [&] {
                QWidget* popup = QApplication::activePopupWidget();
                return popup != nullptr && popup != previous && popup->windowHandle() != nullptr &&
                       popup->windowHandle()->isExposed();
            },
            "a menu to open", 0);
        target = QApplication::activePopupWidget()->windowHandle();
    }
}

// Connections to each window's focusObjectChanged signal, summed over the windows: QGuiApplication
// connects to the signal of the window it activates and disconnects it when another one is.
// (QObject::receivers is protected; this reads it through a class that adds nothing.)
struct SignalReceivers : QObject {
    static int of(const QObject& sender, const char* signal) {
        return static_cast<const SignalReceivers&>(sender).receivers(signal);
    }
};

long focusConnections() {
    long count = 0;
    for (const QWindow* window : QGuiApplication::allWindows()) {
        count += SignalReceivers::of(*window, SIGNAL(focusObjectChanged(QObject*)));
    }
    return count;
}

// One line of figures; the window is null while it is destroyed.
void printLine(const std::string& label, const Options& options, const QWidget* window,
               bool counting) {
    if (options.trim) {
        malloc_trim(0);
    }
    const struct mallinfo2 heap = mallinfo2();
    const long windowObjects =
        window != nullptr ? static_cast<long>(window->findChildren<QObject*>().size()) + 1 : 0;
    std::printf("%8s %8ld %8zu %8zu %8zu %8zu %8ld %8lld %7ld %7ld %7ld\n", label.c_str(),
                statusKiB("VmRSS"), (heap.uordblks + heap.hblkhd) / 1024, heap.arena / 1024,
                heap.fordblks / 1024, heap.hblkhd / 1024, counting ? liveObjects.load() : -1L,
                static_cast<long long>(QApplication::allWidgets().size()), windowObjects,
                focusConnections(), statusKiB("Threads"));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const bool counting = countObjects();
    const std::unique_ptr<QApplication> app = startup::makeApplication(argc, argv);
    const Options options = parse(QCoreApplication::arguments());
    if (options.pixmapCacheKiB > 0) {
        QPixmapCache::setCacheLimit(options.pixmapCacheKiB);
    }

    ClockRandomSource random;
    Program program(random);
    program.start();
    QWidget& board = program.boardWindow();
    settle([&] { return board.windowHandle() != nullptr && board.windowHandle()->isExposed(); },
           "the Board to be shown", 0);
    const InfoWindowId id = options.window.id;
    QPointer<InfoWindow> window = &program.window(id);

    const QList<QKeyCombination> keys =
        options.throughMenu ? menuKeys(board, options.window.menuItem) : QList<QKeyCombination>();

    std::printf(
        "# platform %s, window %s, opened by %s, cycle %s, %ld cycles, pixmap cache %d KiB%s%s\n",
        qPrintable(QGuiApplication::platformName()), options.window.name,
        options.throughMenu ? qPrintable(QStringLiteral("the menu, ") + keyNames(keys))
                            : "Program::show",
        qPrintable(options.cycle), options.cycles, QPixmapCache::cacheLimit(),
        options.activateBoard && !options.throughMenu ? ", Board activated" : "",
        options.trim ? ", malloc_trim" : "");
    std::printf(
        "#  cycle   rss_kB inuse_kB arena_kB  free_kB  mmap_kB qobjects  widgets  window "
        "focus_c threads\n");
    printLine("0", options, window, counting);

    for (long cycle = 1; cycle <= options.cycles; ++cycle) {
        if (options.cycle == u"idle") {
            settle([] { return true; }, "nothing", options.pauseMs);
        } else {
            if (options.throughMenu) {
                openThroughMenu(board, keys);
            } else {
                if (options.activateBoard) {
                    activate(board);
                }
                program.show(id);
            }
            window = &program.window(id);
            settle(
                [&] {
                    return window->windowHandle()->isExposed() &&
                           window->windowHandle()->isActive();
                },
                "the window to be shown and active", options.pauseMs);
            if (options.cycle == u"hide") {
                window->hide();
            } else if (options.cycle == u"ok") {
                auto* ok = window->findChild<QPushButton*>("ok");
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                                  ok->mapTo(window, ok->rect().center()));
            } else if (options.cycle == u"escape") {
                QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
            } else {
                window->windowHandle()->close();
            }
            if (options.cycle == u"close") {
                settle([&] { return window.isNull(); }, "the window to be destroyed",
                       options.pauseMs);
            } else {
                settle([&] { return !window->isVisible(); }, "the window to be hidden",
                       options.pauseMs);
            }
        }
        if (cycle % options.every == 0) {
            printLine(std::to_string(cycle), options, window, counting);
        }
    }
    for (long rested = 10; rested <= options.restSeconds; rested += 10) {
        idle(10'000);
        printLine(QStringLiteral("+%1s").arg(rested).toStdString(), options, window, counting);
    }
    if (options.exitAtOnce) {
        std::_Exit(0);
    }
    return 0;
}
