#pragma once

#include <QImage>

namespace cardgen {

// The maker's logo, 48 x 48: a pinwheel of four bright blades on white. Scale 2 draws it at
// 96 x 96 from the same geometry.
QImage makerLogo(int scale = 1);

// The program's emblem, 32 x 32: black line art on white, a rounded card outline around a
// K monogram. Scale 2 draws it at 64 x 64, with lines two pixels wide and the K of the index
// letters of scale 2.
QImage programEmblem(int scale = 1);

}  // namespace cardgen
