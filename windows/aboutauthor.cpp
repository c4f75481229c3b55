#include "windows/aboutauthor.h"

#include "platform/twips.h"
#include "windows/maker.h"
#include "windows/window_controls.h"

using platform::twipsRect;

AboutAuthor::AboutAuthor(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(4695, 1155), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("About Author"));
    QWidget* area = client();
    windows::makeOkButton(*this, u"Ok", QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375),
                          [this] { Ok_Click(); });
    windows::makeLabel(area, u"lblWebSite", QStringLiteral("     ") + maker::kWebAddress.toString(),
                       twipsRect(120, 720, 3135, 255));
    windows::makeLabel(area, u"lblText",
                       QStringLiteral("To find out about the author, you can visit the web site:"),
                       twipsRect(120, 240, 3135, 495));
}

void AboutAuthor::Ok_Click() {
    forms_.hide(name());
}
