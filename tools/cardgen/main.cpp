// Draws every picture of the program from the shapes defined in this folder and writes them
// below the given folder:
//   cards/100.bmp .. cards/152.bmp, icon/ketterline.ico, icon/ketterline-16.png, -32.png,
//   -64.png, -128.png and -256.png, about/dravonne.bmp, about/ketterline.bmp
// and beside each BMP file the same picture drawn at twice the size, named with Qt's "@2x"
// suffix (cards/100@2x.bmp, about/dravonne@2x.bmp, ...), for displays of a higher pixel ratio.
// The output depends on nothing installed (no fonts, no smoothing), so every machine writes the
// same bytes and the committed files can be checked against a fresh run; the PNG files also
// depend on the compression of the system's zlib, which is fixed within a Debian release.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

#include "tools/cardgen/about_pictures.h"
#include "tools/cardgen/card_faces.h"
#include "tools/cardgen/program_icon.h"
#include "tools/cardgen/raster.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool fail(const QString& what) {
    std::fprintf(stderr, "ketterline_cardgen: cannot write %s\n", qPrintable(what));
    return false;
}

bool generate(const QDir& root) {
    for (const char* folder : {"cards", "icon", "about"}) {
        if (!root.mkpath(folder)) {
            return fail(root.filePath(folder));
        }
    }
    const QString icon = root.filePath("icon/ketterline.ico");
    if (!writeFile(icon, cardgen::programIconFile())) {
        return fail(icon);
    }
    for (const int side : cardgen::kDesktopIconSides) {
        const QString png = root.filePath(QStringLiteral("icon/ketterline-%1.png").arg(side));
        if (!cardgen::desktopIcon(side).save(png, "PNG")) {
            return fail(png);
        }
    }
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const auto save = [&](const QImage& picture, const QString& name) {
            const QString path = root.filePath(name + suffix + ".bmp");
            return cardgen::saveBmp(picture, path) || fail(path);
        };
        for (int id = cardgen::kEmptyStackId; id <= cardgen::kLastCardId; ++id) {
            if (!save(cardgen::cardPicture(id, scale), QStringLiteral("cards/%1").arg(id))) {
                return false;
            }
        }
        if (!save(cardgen::makerLogo(scale), "about/dravonne") ||
            !save(cardgen::programEmblem(scale), "about/ketterline")) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ketterline_cardgen OUTPUT_FOLDER\n");
        return 2;
    }
    return generate(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}
