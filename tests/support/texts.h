#pragma once

#include <QFontMetrics>
#include <QLabel>

// Whether a label's whole text, wrapped at its width in its own font, fits inside it.
inline bool textIsWhole(const QLabel& label) {
    const QRect needed =
        QFontMetrics(label.font())
            .boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
                          static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    return needed.right() < label.width() && needed.bottom() < label.height();
}
