// The program's start-up exactly as main.cpp runs it, ended at the first painted window by
// the probe (see startup_probe.h). The marks between the steps only read a clock.
#include <QApplication>
#include <QIcon>

#include "bench/startup_probe.h"
#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"

int main(int argc, char* argv[]) {
    startup::Marks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    startup::FirstPaintProbe probe(marks);
    app.installEventFilter(&probe);
    marks.mark("qapplication");
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    marks.mark("before_load");
    program.start();
    marks.mark("loaded");
    return program.forms.ended() ? 0 : QApplication::exec();
}
