#include "program.h"

#include <memory>

#include "resources/pictures.h"
#include "windows/information_windows.h"

Program::Program(RandomSource& random) : pictures(resources::cardPicturePath) {
    registerInformationWindows(forms);
    forms.registerForm(Board::kName, [this, &random](platform::Forms& owner) {
        return std::make_unique<Board>(owner, state, random, pictures);
    });
}

Board& Program::start() {
    return forms.get<Board>(Board::kName);
}
