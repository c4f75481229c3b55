#include "platform/controls.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>
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

bool Label::fits(const QFont& font, QSize room) const {
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(0, 0, width(), QWIDGETSIZE_MAX),
                                        static_cast<int>(alignment()) | Qt::TextWordWrap, text());
    return needed.right() < room.width() && needed.bottom() < room.height();
}

void Label::shrinkToFit(QSize room) {
    QFont smaller = font();
    while (!fits(smaller, room) && smaller.pointSizeF() - 0.5 >= kSmallestPointSize) {
        smaller.setPointSizeF(smaller.pointSizeF() - 0.5);
    }
    if (smaller != font()) {
        setFont(smaller);
    }
}

void fitLabels(QWidget& window, QSize clientSize) {
    const QList<Label*> labels = window.findChildren<Label*>();
    for (Label* label : labels) {
        const QRect own = label->geometry();
        QSize room(std::min(own.width(), clientSize.width() - own.x()),
                   std::min(own.height(), clientSize.height() - own.y()));
        for (const Label* other : labels) {
            const QRect below = other->geometry();
            if (other != label && other->parentWidget() == label->parentWidget() &&
                below.top() > own.top() && below.intersects(own)) {
                room.setHeight(std::min(room.height(), below.top() - own.top()));
            }
        }
        label->shrinkToFit(room);
    }
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
