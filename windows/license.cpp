#include "windows/license.h"

#include "platform/twips.h"
#include "windows/window_controls.h"

using platform::twipsRect;

License::License(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(4695, 1215), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("License"));
    windows::makeOkButton(*this, u"Ok", QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375),
                          [this] { Ok_Click(); });
    windows::makeLabel(client(), u"lblText",
                       QStringLiteral("The current License Agreement, and Registration Information "
                                      "are available  from the Dravonne Software Home Page (see "
                                      "Info->About->Dravonne)"),
                       twipsRect(120, 240, 3135, 975));
}

void License::Ok_Click() {
    forms_.hide(name());
}
