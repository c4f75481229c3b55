#include <QApplication>
#include <QIcon>

#include "game/random_source.h"
#include "program.h"
#include "resources/pictures.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    ClockRandomSource random;
    Program program(random);
    program.start();
    return QApplication::exec();
}
