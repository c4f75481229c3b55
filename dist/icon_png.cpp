// Writes one image of an icon file as a PNG, for the hicolor icon theme:
//   ketterline_icon_png <icon.ico> <size> <out.png>
// Of the images with the given width and height, the one with the most colours is taken.
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cstdio>

namespace {

qsizetype distinctColours(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    }
    return colours.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: ketterline_icon_png <icon.ico> <size> <out.png>\n");
        return 2;
    }

    QImageReader reader(args[1]);
    if (!reader.canRead()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(reader.errorString()));
        return 1;
    }
    QImage best;
    qsizetype bestColours = -1;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        if (image.width() != size || image.height() != size)
            continue;
        const qsizetype colours = distinctColours(image);
        if (colours > bestColours) {
            best = image;
            bestColours = colours;
        }
    } while (reader.jumpToNextImage());

    if (best.isNull()) {
        std::fprintf(stderr, "%s: no %dx%d image\n", qPrintable(args[1]), size, size);
        return 1;
    }
    if (!best.convertToFormat(QImage::Format_ARGB32).save(args[3], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
