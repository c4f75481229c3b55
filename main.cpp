#include <QApplication>

#include "command_line.h"
#include "game/random_source.h"
#include "platform/translations.h"
#include "program.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    // Before any application exists, for the command line's own words too.
    platform::Translations translations(platform::desktopLanguage());
    // --help, --version and a wrong argument end the program here, without a window.
    command_line::process(argc, argv, translations.in("CommandLine"));
    const auto application = startup::makeApplication(argc, argv, translations.in("Startup"));
    translations.install();

    ClockRandomSource random;
    Program program(random);
    program.start();
    return QApplication::exec();
}
