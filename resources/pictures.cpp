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

QString doubleSizePath(const QString& path) {
    return path.isEmpty() ? path : path.chopped(4) + QStringLiteral("@2x.bmp");
}

}  // namespace resources
