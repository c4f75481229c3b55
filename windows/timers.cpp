#include "windows/timers.h"

#include "platform/twips.h"
#include "windows/window_controls.h"

Timers::Timers(platform::Forms&)
    : platform::Form(kName, platform::twipsSize(4680, 3195), platform::FormFrame::Resizable,
                     platform::TitleButton::Minimize | platform::TitleButton::Maximize |
                         platform::TitleButton::Close) {
    setWindowTitle(QStringLiteral("Timers"));
    tmrSeq_ = new QTimer(this);
    tmrSeq_->setObjectName(QStringLiteral("tmrSeq"));
    windows::makeLabel(client(), u"lblSeq", QStringLiteral("Sequence Timer"),
                       platform::twipsRect(120, 720, 1335, 255));
}
