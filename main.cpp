#include <QApplication>
#include <QIcon>

#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"

// Starting the program creates the Board window, whose load creates every other window.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    program.start();
    return program.forms.ended() ? 0 : QApplication::exec();
}
