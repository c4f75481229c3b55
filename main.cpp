#include <QApplication>
#include <QIcon>
#include <memory>

#include "command_line.h"
#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = command_line::handle(argc, argv)) {
        return *status;  // --help, --version or a wrong argument: no window
    }
    startup::nameForDesktop();
    const std::unique_ptr<QApplication> application = startup::makeApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    program.start();
    return QApplication::exec();
}
