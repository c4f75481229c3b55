// The program's start-up exactly as main.cpp runs it, ended at the first painted window (see
// startup_session.h). The marks between the steps only read a clock.
#include <QApplication>

#include "bench/startup_session.h"
#include "command_line.h"
#include "game/random_source.h"
#include "platform/translations.h"
#include "program.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    // Without arguments this only finds that there are none; the "main" mark follows it.
    platform::Translations translations(platform::desktopLanguage());
    command_line::process(argc, argv, translations.in("CommandLine"));
    const auto makeApplication = [&translations](int& count, char** arguments) {
        return startup::makeApplication(count, arguments, translations.in("Startup"));
    };
    startup_bench::Session session(argc, argv, makeApplication);
    translations.install();

    ClockRandomSource random;
    Program program(random);
    session.mark("before_load");
    program.start();
    return session.runToFirstPaint();
}
