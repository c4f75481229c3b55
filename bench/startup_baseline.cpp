// The baseline for start-up: a minimal empty Qt 6 main window with an empty menu bar and a
// client area of the Board's size, shown at once, run like startup_game (startup_session.h).
//
// Built a second time as startup_baseline_text with BASELINE_WITH_TEXT: the same window with
// one label and one push button on it, where the Board has its "Selected Card" heading and
// "New" button. It shows what a window's first text costs by itself, since the empty window
// lays out no text at all.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

#include "bench/startup_session.h"
#include "board/layout.h"

int main(int argc, char* argv[]) {
    startup_bench::Session session(argc, argv);

    const QSize client = boardLayout::kClientSize;
    QMainWindow window;
    window.menuBar();  // created empty
    auto* central = new QWidget;
    central->resize(client);
    window.setCentralWidget(central);
#ifdef BASELINE_WITH_TEXT
    auto* label = new QLabel(QStringLiteral("Selected Card"), central);
    label->setGeometry(boardLayout::kSelectedCardHeading);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    auto* button = new QPushButton(QStringLiteral("New"), central);
    button->setGeometry(boardLayout::kNewButton);
#endif
    window.resize(client.width(), client.height() + window.menuBar()->sizeHint().height());
    session.mark("before_load");
    window.show();
    return session.runToFirstPaint();
}
