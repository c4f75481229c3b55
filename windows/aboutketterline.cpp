#include "windows/aboutketterline.h"

#include "platform/twips.h"
#include "resources/pictures.h"
#include "windows/maker.h"
#include "windows/window_controls.h"

using platform::twipsRect;

AboutKetterline::AboutKetterline(platform::Forms& forms)
    : platform::Form(kName, platform::twipsSize(5820, 1995), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Close),
      forms_(forms) {
    setWindowTitle(QStringLiteral("About Ketterline"));
    QWidget* area = client();
    icnKetterline_ = windows::makePictureBox(area, u"icnKetterline", resources::programEmblemPath(),
                                             twipsRect(360, 360, 480, 480));
    icnKetterline_->Click = [this] { icnKetterline_Click(); };
    windows::makeOkButton(*this, u"Ok", QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375),
                          [this] { Ok_Click(); });
    icnDravonne_ = windows::makePictureBox(area, u"icnDravonne", resources::makerLogoPath(),
                                           twipsRect(240, 240, 720, 720));
    icnDravonne_->Click = [this] { icnDravonne_Click(); };
    windows::makeLabel(area, u"lblComments",
                       QStringLiteral("If you have any comments or thoughts on this program, "
                                      "please send them to ") +
                           maker::kCommentsAddress.toString(),
                       twipsRect(1200, 1080, 3135, 615));
    windows::makeLabel(area, u"lblCopywrite", maker::kRightsNotice.toString(),
                       twipsRect(1200, 480, 3135, 255));
    windows::makeLabel(area, u"lblAuthor", QStringLiteral("by ") + maker::kAuthor.toString(),
                       twipsRect(1200, 720, 3135, 255));
    windows::makeLabel(area, u"lblName", QStringLiteral("Ketterline version 1.0"),
                       twipsRect(1200, 240, 3135, 255));
}

void AboutKetterline::Form_Load() {
    IconState = 0;
    icnDravonne_->setVisible(false);
    icnKetterline_->setVisible(true);
}

void AboutKetterline::icnKetterline_Click() {
    if (IconState == 0) {
        icnKetterline_->setVisible(false);
        icnDravonne_->setVisible(true);
        IconState = 1;
    }
}

void AboutKetterline::icnDravonne_Click() {
    if (IconState == 1) {
        icnDravonne_->setVisible(false);
        icnKetterline_->setVisible(true);
        IconState = 0;
    }
}

void AboutKetterline::Ok_Click() {
    forms_.hide(name());
}
