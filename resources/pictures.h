#pragma once

#include <QString>

// Where the program's pictures live inside the program. Every picture is compiled in; the paths
// are Qt resource paths, so QImage, QPixmap and QIcon open them directly.
namespace resources {

// Card pictures are found by id, 79 x 97 pixels, 24 bits each: the blank outline shown on an
// empty side stack has kEmptyStackPicture, and each card the id cardPicture(card number).
inline constexpr int kEmptyStackPicture = 100;
inline constexpr int kLastCardPicture = 152;

constexpr int cardPicture(int cardNumber) {
    return kEmptyStackPicture + cardNumber;
}

// ":/cards/<id>.bmp" for ids 100..152, an empty string for any other id.
QString cardPicturePath(int id);

// The program icon: 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours.
QString iconPath();

// The maker's logo (48 x 48) and the program's emblem (32 x 32) of the About windows.
QString makerLogoPath();
QString programEmblemPath();

// The cards, the logo and the emblem are also drawn at twice the size, for displays with a device
// pixel ratio above 1: cards of 158 x 194, the logo at 96 x 96 and the emblem at 64 x 64. Each
// sits beside its picture of normal size, named with Qt's "@2x" suffix; this is that path (empty
// for an empty path).
QString doubleSizePath(const QString& path);

}  // namespace resources
