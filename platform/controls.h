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
//
// The windows were laid out for a smaller user-interface font than today's defaults, so a
// label may be fitted to its room (see fitLabels): if its text does not fit in the inherited
// font, the label shrinks its own font, half a point at a time down to kSmallestPointSize,
// until it does; only then is the text cut.
class Label : public QLabel {
    Q_OBJECT

public:
    static constexpr qreal kSmallestPointSize = 7.0;

    Label(QWidget* parent, const QString& text, QRect pixels,
          Qt::Alignment alignment = Qt::AlignLeft);

    // Whether the whole text, wrapped at the label's width, fits `room` (measured from the
    // label's top-left corner) in `font`.
    bool fits(const QFont& font, QSize room) const;
    void shrinkToFit(QSize room);

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

// Fits every label of a window to its room: its own rectangle, ended early at the right and
// bottom edges of a client area of clientSize and where another label that overlaps it from
// below begins, so that no text runs into another or off the window. Forms do this when they
// are first shown.
void fitLabels(QWidget& window, QSize clientSize);

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
