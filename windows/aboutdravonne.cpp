#include "windows/aboutdravonne.h"

#include "platform/twips.h"
#include "resources/pictures.h"
#include "windows/maker.h"
#include "windows/window_controls.h"

using platform::twipsRect;

AboutDravonne::AboutDravonne(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(6300, 2235), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("About Dravonne Software"));
    QWidget* area = client();
    windows::makeOkButton(*this, u"Ok", QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375),
                          [this] { Ok_Click(); });
    icnDravonne_ = windows::makePictureBox(area, u"icnDravonne", resources::makerLogoPath(),
                                           twipsRect(240, 240, 720, 720));
    windows::makeLabel(area, u"Label3",
                       QStringLiteral("      ") + maker::kHomePageRequestAddress.toString(),
                       twipsRect(1080, 1920, 2535, 1455));
    windows::makeLabel(area, u"lblGetWebPage",
                       QStringLiteral(" Or, we will send you the current URL of Dravonne "
                                      "Software's home pae if you send an e-mail to:"),
                       twipsRect(1080, 1200, 3255, 735));
    windows::makeLabel(area, u"lblWebPage",
                       QStringLiteral("To find out more about Dravonne Software and about other "
                                      "programs made by Dravonne Software you can visit our web "
                                      "site. Our website can be reached from the web site: "),
                       twipsRect(1080, 120, 3135, 975));
    windows::makeLabel(area, u"lblqex", QStringLiteral("      ") + maker::kWebAddress.toString(),
                       twipsRect(1080, 960, 3135, 255));
}

void AboutDravonne::Form_Load() {
    icnDravonne_->setVisible(true);
}

void AboutDravonne::Ok_Click() {
    forms_.hide(name());
}
