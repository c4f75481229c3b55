#pragma once

#include <QImage>

namespace cardgen {

// The maker's logo, 48 x 48: a pinwheel of four bright blades on white.
QImage makerLogo();

// The program's emblem, 32 x 32: black line art on white, a rounded card outline around a
// K monogram.
QImage programEmblem();

}  // namespace cardgen
