// The program's start-up exactly as main.cpp runs it, ended at the first painted window by
// the probe (see startup_probe.h). The marks between the steps only read a clock.
#include <QApplication>
#include <QIcon>

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
    marks.mark("main");
    QApplication app(argc, argv);
    startup::FirstPaintProbe probe(marks);
    app.installEventFilter(&probe);
    marks.mark("qapplication");
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    BoardState board;
    ClockRandomSource random;
    platform::PictureCache pictures(resources::cardPicturePath);
    platform::Forms forms;
    registerInformationWindows(forms);
    forms.registerForm(Board::kName, [&](platform::Forms& owner) {
        return std::make_unique<Board>(owner, board, random, pictures);
    });
    marks.mark("before_load");
    forms.load(Board::kName);
    marks.mark("loaded");
    return forms.ended() ? 0 : QApplication::exec();
}
