// The baseline for start-up: a minimal empty Qt 6 main window with an empty menu bar and a
// client area of the Board's size, shown at once. Ended at its first painted window by the
// same probe as startup_game.
//
// Built a second time as startup_baseline_text with BASELINE_WITH_TEXT: the same window with
// one label and one push button on it, where the Board has its "Selected Card" heading and
// "New" button. It shows what a window's first text costs by itself, since the empty window
// lays out no text at all.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

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
#ifdef BASELINE_WITH_TEXT
    auto* label = new QLabel(QStringLiteral("Selected Card"), central);
    label->setGeometry(boardLayout::kSelectedCardLabel);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    auto* button = new QPushButton(QStringLiteral("New"), central);
    button->setGeometry(boardLayout::kNewButton);
#endif
    window.resize(client.width(), client.height() + window.menuBar()->sizeHint().height());
    marks.mark("before_load");
    window.show();
    marks.mark("loaded");
    return QApplication::exec();
}
