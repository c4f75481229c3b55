#include "windows/window_controls.h"

#include <QKeySequence>
#include <QPixmap>
#include <QShortcut>
#include <utility>

namespace windows {

platform::Label* makeLabel(QWidget* parent, QStringView name, const QString& text, QRect pixels,
                           Qt::Alignment alignment) {
    auto* label = new platform::Label(parent, text, pixels, alignment);
    label->setObjectName(name.toString());
    return label;
}

platform::PictureBox* makePictureBox(QWidget* parent, QStringView name, const QString& path,
                                     QRect pixels) {
    auto* box = new platform::PictureBox(parent, QPixmap(path), pixels);
    box->setObjectName(name.toString());
    return box;
}

platform::Button* makeOkButton(platform::Form& window, QStringView name, const QString& text,
                               QRect pixels, std::function<void()> onClick) {
    platform::Button* button = platform::makeButton(window.client(), text, pixels);
    button->setObjectName(name.toString());
    button->setDefault(true);
    button->Click = std::move(onClick);
    // A QMainWindow has no dialog key handling of its own, so the keys are window shortcuts.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    return button;
}

}  // namespace windows
