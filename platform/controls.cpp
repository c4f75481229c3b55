#include "platform/controls.h"

#include <QMouseEvent>
#include <utility>

namespace platform {

Label::Label(QWidget* parent, const QString& text, QRect pixels, Qt::Alignment alignment)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    if (!(alignment & Qt::AlignVertical_Mask)) {
        alignment |= Qt::AlignTop;
    }
    setAlignment(alignment);
    setGeometry(pixels);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

PictureBox::PictureBox(QWidget* parent, const Picture& picture, QRect pixels) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setGeometry(pixels);
    setPicture(picture);
}

PictureBox::PictureBox(QWidget* parent, const QPixmap& pixmap, QRect pixels)
    : PictureBox(parent, Picture{0, pixmap}, pixels) {}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    setPixmap(picture_.pixmap);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !std::exchange(pressed_, false)) {
        return;
    }
    if (rect().contains(event->position().toPoint()) && Click) {
        Click();
    }
}

Button::Button(QWidget* parent, const QString& text, QRect pixels) : QPushButton(text, parent) {
    setGeometry(pixels);
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) {
            Click();
        }
    });
}

Button* makeButton(QWidget* parent, const QString& text, QRect pixels) {
    Q_ASSERT(parent != nullptr);
    return new Button(parent, text, pixels);
}

}  // namespace platform
