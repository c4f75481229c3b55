#include "windows/rules.h"

#include "platform/twips.h"
#include "windows/window_controls.h"

using platform::twipsRect;

Rules::Rules(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(6420, 3315), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Maximize |
                         platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("Rules"));
    QWidget* area = client();
    windows::makeOkButton(*this, u"btnOK", QStringLiteral("OK"), twipsRect(2760, 2760, 855, 375),
                          [this] { btnOK_Click(); });
    windows::makeLabel(area, u"lblRules0", QStringLiteral("Rules"), twipsRect(2880, 120, 855, 255),
                       Qt::AlignHCenter);
    windows::makeLabel(
        area, u"lblRules1",
        QStringLiteral(
            "The goal of the game is to stack all cards of the same suit in increasing order on "
            "the four spots in the middle of the board. In order to move a card, you must first "
            "select it by clicking on it (it will then appear as the selected card) and then "
            "click on card to which you wish to move it. You can only move a card if it is one "
            "of the 8 top cards on the side stacks."),
        twipsRect(120, 480, 6135, 975));
    windows::makeLabel(
        area, u"lblRules2",
        QStringLiteral(
            "A card can be only in two ways. First it can be moved onto one of the four center "
            "stacks if its value is one greater than the card currently on the satck and it is "
            "of the same suit.Second, it can be moved onto one of the eight side stacks if the "
            "card being moved has value one less than the value of the top card on the stack, "
            "or if the stack is empty."),
        twipsRect(120, 1560, 6135, 1095));
}

void Rules::btnOK_Click() {
    forms_.hide(name());
}
