#include <QApplication>
#include <QIcon>

#include "board/board.h"
#include "game/modboard.h"
#include "game/random_source.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "resources/pictures.h"
#include "windows/information_windows.h"

// Starting the program creates the Board window, whose load creates every other window.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(resources::iconPath()));

    BoardState board;  // the one board of the program, in its start state until "New"
    ClockRandomSource random;
    platform::PictureCache pictures(resources::cardPicturePath);
    platform::Forms forms;
    registerInformationWindows(forms);
    forms.registerForm(Board::kName, [&](platform::Forms& owner) {
        return std::make_unique<Board>(owner, board, random, pictures);
    });
    forms.load(Board::kName);
    return forms.ended() ? 0 : QApplication::exec();
}
