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
    FixedLabel(const QString& text, QRect rect, QWidget* parent,
               Qt::Alignment alignment = Qt::AlignLeft);
};

// The windows were laid out for a smaller user-interface font than today's defaults. When a
// text of a window does not fit its room in the inherited font, every label of that window
// gets one smaller font: the largest, in half points down to 7 points, at which every text
// fits; only then is a text cut. A label's room is its rectangle, ended early at the edges of
// a client area of clientSize and where another label that overlaps it from below begins, so
// that no text runs into another or off the window. The labels must share one font to begin
// with. Windows do this when first shown.
void fitTextsToRoom(const QList<FixedLabel*>& labels, QSize clientSize);

}  // namespace platform
