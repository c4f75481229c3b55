// The program's start-up exactly as main.cpp runs it, ended at the first painted window (see
// startup_session.h). The marks between the steps only read a clock.
#include <QApplication>
#include <QIcon>

#include "bench/startup_session.h"
#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"

int main(int argc, char* argv[]) {
    startup::Session session(argc, argv);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    session.mark("before_load");
    program.start();
    return session.runToFirstPaint();
}
