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

QString cardPicturePath2x(int id) {
    if (id < kEmptyStackPicture || id > kLastCardPicture) {
        return {};
    }
    return QStringLiteral(":/cards/%1@2x.bmp").arg(id);
}

QString makerLogoPath2x() {
    return QStringLiteral(":/about/dravonne@2x.bmp");
}

QString programEmblemPath2x() {
    return QStringLiteral(":/about/ketterline@2x.bmp");
}

}  // namespace resources
