#include "resources/pictures.h"

namespace resources {

QString cardPicturePath(int id) {
    if (id < kEmptyStackPicture || id > kLastCardPicture) {
        return {};
    }
    return QStringLiteral(":/cards/%1.bmp").arg(id);
}

QString iconPath() {
    return QStringLiteral(":/icon/ketterline.ico");
}

QString makerLogoPath() {
    return QStringLiteral(":/about/dravonne.bmp");
}

QString programEmblemPath() {
    return QStringLiteral(":/about/ketterline.bmp");
}

namespace {

// Qt's name for the same picture drawn at twice the size: "@2x" before the extension.
QString doubleSize(const QString& path) {
    return path.isEmpty() ? path : path.chopped(4) + QStringLiteral("@2x.bmp");
}

}  // namespace

QString cardPicturePath2x(int id) {
    return doubleSize(cardPicturePath(id));
}

QString makerLogoPath2x() {
    return doubleSize(makerLogoPath());
}

QString programEmblemPath2x() {
    return doubleSize(programEmblemPath());
}

}  // namespace resources
