// Where the program's start-up time and memory go: startup_game's steps, with each window
// loaded on its own and the time and peak memory noted after each. The window icon is then
// decoded in every size it has (a no-op if setting it already did). The Board is built first,
// which lays out the program's first text, then the information windows are loaded in the
// order the Board's Form_Load loads them, so that each shows only what it adds; then Forms
// loads the Board, which now only shows it (in the program, three of those windows come after
// the show). For finding costs only; startup_game is the measure.
#include <QApplication>
#include <QIcon>
#include <memory>
#include <utility>

#include "bench/startup_probe.h"
#include "board/board.h"
#include "game/modboard.h"
#include "game/random_source.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "resources/pictures.h"
#include "windows/information_windows.h"

int main(int argc, char* argv[]) {
    startup::Marks marks;
    marks.markWithPeak("main");
    QApplication app(argc, argv);
    startup::FirstPaintProbe probe(marks);
    app.installEventFilter(&probe);
    marks.markWithPeak("qapplication");
    QApplication::setWindowIcon(QIcon(resources::iconPath()));
    marks.markWithPeak("window_icon");
    const QIcon icon = QApplication::windowIcon();
    for (const QSize& size : icon.availableSizes()) {
        icon.pixmap(size);
    }
    marks.markWithPeak("icon_decoded");

    BoardState board;
    ClockRandomSource random;
    platform::PictureCache pictures(resources::cardPicturePath);
    platform::Forms forms;
    registerInformationWindows(forms);
    marks.markWithPeak("registered");
    auto built = std::make_unique<Board>(forms, board, random, pictures);
    marks.markWithPeak("Board_constructed");
    for (const char* name : {"AboutKetterline", "AboutAuthor", "AboutDravonne", "License", "Rules",
                             "Timers", "GameOver", "Win"}) {
        forms.load(QString::fromLatin1(name));
        marks.markWithPeak(name);
    }
    forms.registerForm(Board::kName, [&](platform::Forms&) { return std::move(built); });
    forms.load(Board::kName);
    marks.markWithPeak("Board_shown");
    return forms.ended() ? 0 : QApplication::exec();
}
