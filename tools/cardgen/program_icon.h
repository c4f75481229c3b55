#pragma once

#include <QByteArray>

namespace cardgen {

// The program icon as the bytes of an ICO file holding, in this order, a 32 x 32 picture in
// 2 colours, a 32 x 32 picture in 16 colours and a 16 x 16 picture in 16 colours (standard
// VGA palette), each with its transparency mask. All show a white application window with a
// navy title bar and a dark drop shadow.
QByteArray programIconFile();

}  // namespace cardgen
