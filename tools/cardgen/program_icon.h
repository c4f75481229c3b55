#pragma once

#include <QByteArray>
#include <QImage>

namespace cardgen {

// The program icon as the bytes of an ICO file holding, in this order, a 32 x 32 picture in
// 2 colours, a 32 x 32 picture in 16 colours and a 16 x 16 picture in 16 colours (standard
// VGA palette), each with its transparency mask. All show a white application window with a
// navy title bar and a dark drop shadow.
QByteArray programIconFile();

// The sizes of the program icon in the desktop's icon theme: the 16 and 32 pixels of the ICO file,
// and the larger ones that software centres want (at least 64 x 64).
constexpr int kDesktopIconSides[] = {16, 32, 64, 128, 256};

// The program icon at side x side pixels for the desktop, transparent around the window: at 16
// and 32 the 16-colour picture of the ICO file, from 64 the same window drawn at that size in the
// same colours.
QImage desktopIcon(int side);

}  // namespace cardgen
