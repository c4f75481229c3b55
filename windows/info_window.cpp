#include "windows/info_window.h"

#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "platform/fixed_label.h"
#include "platform/twips.h"
#include "windows/window_accessibility.h"

namespace {

using platform::twipsRect;

QRect pixels(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace

PictureBox::PictureBox(platform::Picture picture, QRect rect, QWidget* parent)
    : QWidget(parent),
      picture_(std::move(picture)),
      clicks_(
          *this,
          [this](QPoint point) {
              return this->rect().contains(point) ? std::optional(true) : std::nullopt;
          },
          [this](bool) { emit clicked(); }) {
    setGeometry(rect);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_.forRatio(devicePixelRatioF()));
}

InfoWindow::InfoWindow(const WindowDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | design.titleButtons |
                           (design.fixedSize ? Qt::MSWindowsFixedSizeDialogHint : Qt::Widget)),
      clientSize_(platform::twipsSize(design.clientTwips.width(), design.clientTwips.height())),
      fixedSize_(design.fixedSize) {
    setWindowTitle(design.caption);
    installInfoWindowAccessibility();
    // Only the Board's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(clientSize_);
    for (const ControlDesign& control : design.controls) {
        QWidget* made = nullptr;
        switch (control.kind) {
            case ControlDesign::Kind::Text:
            case ControlDesign::Kind::CenteredText:
                made = new platform::FixedLabel(control.content.shown, pixels(control.twips), this,
                                                control.kind == ControlDesign::Kind::CenteredText
                                                    ? Qt::AlignHCenter
                                                    : Qt::AlignLeft,
                                                control.content.english);
                break;
            case ControlDesign::Kind::Picture:
                made = new PictureBox(
                    platform::Picture(0, QPixmap(control.content.shown), control.doubleSizePath),
                    pixels(control.twips), this);
                made->setAccessibleName(control.pictureName);
                break;
            case ControlDesign::Kind::OkButton: {
                auto* button = new QPushButton(control.content.shown, this);
                button->setGeometry(pixels(control.twips));
                // It looks like a dialog's default button; the window is no QDialog, so the
                // shortcuts are what make Enter, Return and Escape anywhere in it click it.
                button->setDefault(true);
                for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, button,
                            &QPushButton::click);
                }
                connect(button, &QPushButton::clicked, this, &QWidget::hide);
                made = button;
                break;
            }
        }
        made->setObjectName(QLatin1String(control.name));
    }
}

void InfoWindow::setVisible(bool visible) {
    if (visible && !sized_) {
        sized_ = true;
        platform::fitTextsToRoom(findChildren<platform::FixedLabel*>(), clientSize_);
        clientSize_ = platform::makeRoomForTranslations(*this, clientSize_);
        if (fixedSize_) {
            setFixedSize(clientSize_);
        } else {
            resize(clientSize_);
        }
    }
    QWidget::setVisible(visible);
}
