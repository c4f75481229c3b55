// Where the program's start-up time and memory go: startup_game's steps, each window made on
// its own, with the time and peak memory noted after each. The window icon, which
// Program::start() sets first, is set as a step of its own and decoded in every size it has (a
// no-op if setting it already did). The Program is made (the picture cache and the Board with
// its canvas, images, label, button and menus), then the windows are made and the Board shown
// in the order Program::start() follows, so that each step shows only what it adds. For finding
// costs only; startup_game is the measure.
#include <QApplication>
#include <QIcon>

#include "bench/startup_session.h"
#include "command_line.h"
#include "game/random_source.h"
#include "platform/translations.h"
#include "program.h"
#include "resources/pictures.h"
#include "startup.h"

namespace {

struct Made {
    InfoWindowId id;
    const char* mark;
};

// Program::start(): these windows made hidden, the Board shown, then the rest made hidden.
constexpr Made kMadeBeforeShow[] = {{InfoWindowId::AboutKetterline, "AboutKetterline"},
                                    {InfoWindowId::AboutAuthor, "AboutAuthor"},
                                    {InfoWindowId::AboutDravonne, "AboutDravonne"},
                                    {InfoWindowId::License, "License"},
                                    {InfoWindowId::Rules, "Rules"}};
constexpr Made kMadeAfterShow[] = {{InfoWindowId::Timers, "Timers"},
                                   {InfoWindowId::GameOver, "GameOver"},
                                   {InfoWindowId::Win, "Win"}};

}  // namespace

int main(int argc, char* argv[]) {
    platform::Translations translations(platform::desktopLanguage());
    command_line::process(argc, argv, translations.in("CommandLine"));
    const auto makeApplication = [&translations](int& count, char** arguments) {
        return startup::makeApplication(count, arguments, translations.in("Startup"));
    };
    startup_bench::Session session(argc, argv, makeApplication, startup_bench::Peaks::Yes);
    translations.install();
    QApplication::setWindowIcon(QIcon(resources::iconPath()));
    session.mark("window_icon");
    const QIcon icon = QApplication::windowIcon();
    for (const QSize& size : icon.availableSizes()) {
        icon.pixmap(size);
    }
    session.mark("icon_decoded");

    ClockRandomSource random;
    Program program(random);
    session.mark("Program_constructed");
    for (const Made& made : kMadeBeforeShow) {
        program.window(made.id);
        session.mark(made.mark);
    }
    program.boardWindow().show();
    session.mark("Board_shown");
    for (const Made& made : kMadeAfterShow) {
        program.window(made.id);
        session.mark(made.mark);
    }
    return session.runToFirstPaint();
}
