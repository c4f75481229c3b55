// The program's start-up exactly as main.cpp runs it, ended at the first painted window (see
// startup_session.h). The marks between the steps only read a clock.
#include <QApplication>
#include <QIcon>
#include <optional>

#include "bench/startup_session.h"
#include "command_line.h"
#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    // Without arguments this only finds that there are none; the "main" mark follows it.
    if (const std::optional<int> status = command_line::handle(argc, argv)) {
        return *status;
    }
    startup::nameForDesktop();
    startup_bench::Session session(argc, argv, startup::makeApplication);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    session.mark("before_load");
    program.start();
    return session.runToFirstPaint();
}
