#include "windows/win.h"

#include "platform/twips.h"
#include "windows/window_controls.h"

using platform::twipsRect;

Win::Win(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(2550, 1125), platform::FormFrame::FixedThinBorder,
                     platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("You Win"));
    windows::makeOkButton(*this, u"btnOK", QStringLiteral("OK"), twipsRect(840, 600, 855, 375),
                          [this] { btnOK_Click(); });
    windows::makeLabel(client(), u"lblWin", QStringLiteral("Congratulations You Win!!"),
                       twipsRect(240, 240, 2175, 375));
}

void Win::btnOK_Click() {
    forms_.hide(name());
}
