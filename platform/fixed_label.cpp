#include "platform/fixed_label.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace platform {

FixedLabel::FixedLabel(const QString& text, QRect rect, QWidget* parent, Qt::Alignment alignment,
                       const QString& english)
    : QLabel(text, parent), english_(english) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(alignment | Qt::AlignTop);
    setGeometry(rect);
    // A QLabel ignores the mouse, and Qt hands what a widget ignores on to its parent.
    setAttribute(Qt::WA_NoMousePropagation);
}

namespace {

constexpr qreal kSmallestPointSize = 7.0;

// The room the text needs, wrapped at the label's width, from the label's top-left corner.
QRect needed(const QLabel& label, const QFont& font, const QString& text) {
    return QFontMetrics(font).boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
                                           static_cast<int>(label.alignment()) | Qt::TextWordWrap,
                                           text);
}

// Whether the whole English text fits `room` in `font`.
bool fits(const FixedLabel& label, const QFont& font, QSize room) {
    const QRect text = needed(label, font, label.english());
    return text.right() < room.width() && text.bottom() < room.height();
}

QSize roomOf(const QWidget& label, const QList<FixedLabel*>& labels, QSize clientSize) {
    const QRect own = label.geometry();
    QSize room(std::min(own.width(), clientSize.width() - own.x()),
               std::min(own.height(), clientSize.height() - own.y()));
    for (const QWidget* other : labels) {
        const QRect below = other->geometry();
        if (other != &label && below.top() > own.top() && below.intersects(own)) {
            room.setHeight(std::min(room.height(), below.top() - own.top()));
        }
    }
    return room;
}

// How far the widget may widen to the right before it meets another control beside it; as far
// as it likes where none stands there.
int freeWidth(const QWidget& widget, const QList<QWidget*>& controls) {
    const QRect own = widget.geometry();
    int free = QWIDGETSIZE_MAX;
    for (const QWidget* other : controls) {
        const QRect beside = other->geometry();
        if (other != &widget && beside.left() > own.left() && beside.top() <= own.bottom() &&
            beside.bottom() >= own.top()) {
            free = std::min(free, beside.left() - own.left());
        }
    }
    return free;
}

// Makes the widget `width` wide, and the client area wide enough for it.
void widen(QWidget& widget, int width, QSize& client) {
    widget.resize(width, widget.height());
    client.setWidth(std::max(client.width(), widget.x() + width));
}

// A label whose text needs more room than it has grows: wider where it is one line and there is
// room beside it, else taller, moving what lies below its room down.
void makeRoom(FixedLabel& label, const QList<QWidget*>& controls, const QList<FixedLabel*>& labels,
              QSize& client) {
    const QFontMetrics metrics(label.font());
    if (label.height() < 2 * metrics.lineSpacing()) {
        const int width = metrics.horizontalAdvance(label.text()) + 1;
        if (width <= label.width()) {
            return;
        }
        if (width <= freeWidth(label, controls)) {
            widen(label, width, client);
            return;
        }
    }
    const int height = needed(label, label.font(), label.text()).height();
    const int room = roomOf(label, labels, client).height();
    if (height <= room) {
        return;
    }
    const int grown = height - room;
    const int below = label.y() + room;
    for (QWidget* other : controls) {
        if (other != &label && other->y() >= below) {
            other->move(other->x(), other->y() + grown);
        }
    }
    label.resize(label.width(), label.height() + grown);
    client.setHeight(client.height() + grown);
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
    while (!allFit() && font.pointSizeF() - 0.5 >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font.pointSizeF() < labels.first()->font().pointSizeF()) {
        for (FixedLabel* label : labels) {
            label->setFont(font);
        }
    }
}

QSize makeRoomForTranslations(QWidget& parent, QSize clientSize) {
    QList<QWidget*> controls = parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    const QList<FixedLabel*> labels = parent.findChildren<FixedLabel*>(Qt::FindDirectChildrenOnly);
    QSize client = clientSize;
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<FixedLabel*>(control)) {
            if (label->text() != label->english()) {
                makeRoom(*label, controls, labels, client);
            }
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            // The text and the margins the style keeps around it inside the frame.
            const QStyle& style = *button->style();
            const int width = button->fontMetrics().horizontalAdvance(button->text()) +
                              2 * (style.pixelMetric(QStyle::PM_ButtonMargin) +
                                   style.pixelMetric(QStyle::PM_DefaultFrameWidth));
            if (width > button->width()) {
                widen(*button, width, client);
            }
        }
    }
    return client;
}

}  // namespace platform
