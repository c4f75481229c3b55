// The baseline for start-up: a minimal empty Qt 6 main window with an empty menu bar and a
// client area of the Board's size, shown at once. Ended at its first painted window by the
// same probe as startup_game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include "bench/startup_probe.h"
#include "board/layout.h"
#include "platform/twips.h"

int main(int argc, char* argv[]) {
    startup::Marks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    startup::FirstPaintProbe probe(marks);
    app.installEventFilter(&probe);
    marks.mark("qapplication");

    const QSize client = platform::twipsSize(boardLayout::kClientWidth, boardLayout::kClientHeight);
    QMainWindow window;
    window.menuBar();  // created empty
    auto* central = new QWidget;
    central->resize(client);
    window.setCentralWidget(central);
    window.resize(client.width(), client.height() + window.menuBar()->sizeHint().height());
    marks.mark("before_load");
    window.show();
    marks.mark("loaded");
    return QApplication::exec();
}
