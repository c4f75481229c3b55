#pragma once

#include <QRect>
#include <QString>
#include <QStringView>
#include <functional>

#include "platform/controls.h"
#include "platform/form.h"

// Controls of the information windows, each made under its design name so that the window's
// contents can be found by name. All of them are owned by their parent.
namespace windows {

platform::Label* makeLabel(QWidget* parent, QStringView name, const QString& text, QRect pixels,
                           Qt::Alignment alignment = Qt::AlignLeft);

// A picture box showing the picture file at path, drawn without a border.
platform::PictureBox* makePictureBox(QWidget* parent, QStringView name, const QString& path,
                                     QRect pixels);

// The window's OK button, which runs onClick when clicked. As in any dialog it is also the
// default button: Enter, Return and Escape anywhere in the window click it.
platform::Button* makeOkButton(platform::Form& window, QStringView name, const QString& text,
                               QRect pixels, std::function<void()> onClick);

}  // namespace windows
