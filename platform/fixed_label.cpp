#include "platform/fixed_label.h"

#include <QFontMetrics>
#include <algorithm>

namespace platform {

FixedLabel::FixedLabel(const QString& text, QRect rect, QWidget* parent, Qt::Alignment alignment)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(alignment | Qt::AlignTop);
    setGeometry(rect);
    // A QLabel ignores the mouse, and Qt hands what a widget ignores on to its parent.
    setAttribute(Qt::WA_NoMousePropagation);
}

namespace {

constexpr qreal kSmallestPointSize = 7.0;

// Whether the whole text, wrapped at the label's width, fits `room` (measured from the
// label's top-left corner) in `font`.
bool fits(const QLabel& label, const QFont& font, QSize room) {
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
        static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    return needed.right() < room.width() && needed.bottom() < room.height();
}

QSize roomOf(const QLabel& label, const QList<FixedLabel*>& labels, QSize clientSize) {
    const QRect own = label.geometry();
    QSize room(std::min(own.width(), clientSize.width() - own.x()),
               std::min(own.height(), clientSize.height() - own.y()));
    for (const QLabel* other : labels) {
        const QRect below = other->geometry();
        if (other != &label && below.top() > own.top() && below.intersects(own)) {
            room.setHeight(std::min(room.height(), below.top() - own.top()));
        }
    }
    return room;
}

}  // namespace

void fitTextsToRoom(const QList<FixedLabel*>& labels, QSize clientSize) {
    if (labels.isEmpty()) {
        return;
    }
    // The labels of one window share their font: the largest size at which every text fits.
    QFont font = labels.first()->font();
    const auto allFit = [&] {
        return std::all_of(labels.begin(), labels.end(), [&](const FixedLabel* label) {
            return fits(*label, font, roomOf(*label, labels, clientSize));
        });
    };
    bool smaller = false;
    while (!allFit() && font.pointSizeF() - 0.5 >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        smaller = true;
    }
    if (smaller) {
        for (FixedLabel* label : labels) {
            label->setFont(font);
        }
    }
}

}  // namespace platform
