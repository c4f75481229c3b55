#include "windows/gameover.h"

#include "platform/twips.h"
#include "windows/window_controls.h"

using platform::twipsRect;

GameOver::GameOver(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(1560, 1095), platform::FormFrame::FixedThinBorder,
                     platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("Game Over"));
    windows::makeOkButton(*this, u"btnOK", QStringLiteral("OK"), twipsRect(360, 480, 855, 375),
                          [this] { btnOK_Click(); });
    windows::makeLabel(client(), u"lblGameOver", QStringLiteral("Sorry, Game Over"),
                       twipsRect(120, 120, 2175, 255));
}

void GameOver::btnOK_Click() {
    forms_.hide(name());
}
