#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>

#include "platform/picture.h"

namespace platform {

// A fixed text. It wraps at word boundaries within its rectangle and is cut off at its edges;
// without a vertical alignment it starts at the top. The text is shown as written, never as
// rich text. It takes the mouse clicks that land on it and does nothing with them, so a click
// on a label never reaches what lies beneath.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(QWidget* parent, const QString& text, QRect pixels,
          Qt::Alignment alignment = Qt::AlignLeft);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A fixed picture drawn unscaled at the top-left of its rectangle, without a border. A hidden
// box draws nothing and takes no clicks: they go to whatever lies beneath.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    PictureBox(QWidget* parent, const Picture& picture, QRect pixels);
    PictureBox(QWidget* parent, const QPixmap& pixmap, QRect pixels);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // Raised by a press and release of the left button, both on the box.
    std::function<void()> Click;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture picture_;
    bool pressed_ = false;
};

// A push button with a Click handler, for symmetry with the other controls; the clicked
// signal works just as well.
class Button : public QPushButton {
    Q_OBJECT

public:
    Button(QWidget* parent, const QString& text, QRect pixels);

    // Raised on every click of the button (mouse, or the keyboard when it has the focus).
    std::function<void()> Click;
};

// A push button at a fixed place, owned by its parent, which must not be null.
Button* makeButton(QWidget* parent, const QString& text, QRect pixels);

}  // namespace platform
