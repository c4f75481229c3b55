#pragma once

#include <QLabel>
#include <QList>

namespace platform {

// A text placed at a fixed rectangle: shown as written (never as rich text), wrapped at word
// boundaries, cut off at its edges, starting at the top. It takes the mouse clicks that land
// on it and does nothing with them, so a click on a label never reaches what lies beneath.
class FixedLabel : public QLabel {
    Q_OBJECT

public:
    // `english` is the text as it reads in English, where the text shown is a translation.
    FixedLabel(const QString& text, QRect rect, QWidget* parent,
               Qt::Alignment alignment = Qt::AlignLeft, const QString& english = {});

    // The text as it reads in English: the one that decides the font of a window's labels.
    QString english() const { return english_.isEmpty() ? text() : english_; }

private:
    QString english_;
};

// The windows were laid out for a smaller user-interface font than today's defaults. When an
// English text of a window does not fit its room in the inherited font, every label of that
// window gets one smaller font: the largest, in half points down to 7 points, at which every
// English text fits; only then is a text cut. A translation is shown in the same font, and
// makeRoomForTranslations() gives it the room it needs. A label's room is its rectangle, ended
// early at the edges of a client area of clientSize and where another label that overlaps it from
// below begins, so that no text runs into another or off the window. The labels must share one font
// to begin with. Windows do this when first shown.
void fitTextsToRoom(const QList<FixedLabel*>& labels, QSize clientSize);

// Gives each translated text among the child widgets of `parent` the room it needs in its font:
// a one-line label or a button widens into the free space beside it, a label that wraps (or a
// one-line label with no room beside it) grows taller, and what lies below a grown label moves
// down by as much. Returns the client size that holds them all. Labels that show their English
// text, and buttons whose text fits, are left exactly as they are.
QSize makeRoomForTranslations(QWidget& parent, QSize clientSize);

}  // namespace platform
