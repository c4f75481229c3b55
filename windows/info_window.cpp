#include "windows/info_window.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include "platform/fixed_label.h"
#include "resources/pictures.h"

namespace {

// Qt asks each installed factory for every class of an object, from its own class up.
QAccessibleInterface* accessibleOf(const QString& className, QObject* object) {
    if (className == QLatin1String(InfoWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
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

InfoWindow::InfoWindow(const WindowDesign& design, const Texts& texts)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | design.frame.titleButtons |
                  (design.frame.fixedSize ? Qt::MSWindowsFixedSizeDialogHint : Qt::Widget)),
      clientSize_(design.frame.clientSize),
      fixedSize_(design.frame.fixedSize) {
    setWindowTitle(texts(design.frame.caption, nullptr).shown);
    QAccessible::installFactory(accessibleOf);  // Qt keeps it once, however often asked
    // Only the Board's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(clientSize_);
    for (const ControlDesign& control : design.controls) {
        const ControlText text = texts(control.text, control.argument);
        QWidget* made = nullptr;
        switch (control.kind) {
            case ControlDesign::Kind::Text:
            case ControlDesign::Kind::CenteredText:
                made = new platform::FixedLabel(text.shown, control.rect, this,
                                                control.kind == ControlDesign::Kind::CenteredText
                                                    ? Qt::AlignHCenter
                                                    : Qt::AlignLeft,
                                                text.english);
                break;
            case ControlDesign::Kind::Picture:
                made =
                    new PictureBox(platform::Picture(0, QPixmap(control.picture()),
                                                     resources::doubleSizePath(control.picture())),
                                   control.rect, this);
                made->setAccessibleName(text.shown);
                break;
            case ControlDesign::Kind::OkButton: {
                auto* button = new QPushButton(text.shown, this);
                button->setGeometry(control.rect);
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
