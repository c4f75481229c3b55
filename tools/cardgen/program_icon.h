#pragma once

#include <QByteArray>
#include <QImage>

namespace cardgen {

// The program icon as the bytes of an ICO file holding, in this order, a 32 x 32 picture in
// 2 colours, a 32 x 32 picture in 16 colours and a 16 x 16 picture in 16 colours (standard
// VGA palette), each with its transparency mask. All show a white application window with a
// navy title bar and a dark drop shadow.
QByteArray programIconFile();

// The sizes of the program icon in the desktop's icon theme besides the 16 and 32 pixels of the
// ICO file: software centres want at least 64 x 64.
constexpr int kDesktopIconSides[] = {64, 128, 256};

// The same window drawn at side x side pixels (64 or more) for the desktop, in the VGA colours
// of the ICO pictures, transparent around it.
QImage desktopIcon(int side);

}  // namespace cardgen
