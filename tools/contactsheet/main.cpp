// Lays every compiled-in picture out on one PNG for looking at: the empty-stack card, the three
// icon images and the two About pictures on the first row, then one row of thirteen cards per
// suit; below that the same sheet again, magnified three times without smoothing.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "resources/pictures.h"

namespace {

constexpr int kMargin = 8;
constexpr int kCellWidth = 79 + kMargin;
constexpr int kCellHeight = 97 + kMargin;
constexpr int kColumns = 13;
constexpr int kRows = 5;
constexpr int kMagnification = 3;
constexpr QRgb kFelt = qRgb(0, 110, 60);

struct Failure {
    QString what;
};

QImage load(const QString& path) {
    QImage image(path);
    if (image.isNull()) {
        throw Failure{path};
    }
    return image;
}

std::vector<QImage> iconImages() {
    QImageReader reader(resources::iconPath());
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) {
            throw Failure{resources::iconPath()};
        }
        images.push_back(reader.read());
    }
    if (images.empty()) {
        throw Failure{resources::iconPath()};
    }
    return images;
}

QImage sheet() {
    QImage page(kMargin + kColumns * kCellWidth, kMargin + kRows * kCellHeight,
                QImage::Format_RGB32);
    page.fill(kFelt);
    QPainter painter(&page);
    const auto cell = [](int column, int row) {
        return QPoint(kMargin + column * kCellWidth, kMargin + row * kCellHeight);
    };
    painter.drawImage(cell(0, 0), load(resources::cardPicturePath(resources::kEmptyStackPicture)));
    int column = 1;
    for (const QImage& icon : iconImages()) {
        painter.drawImage(cell(column++, 0), icon);
    }
    painter.drawImage(cell(column++, 0), load(resources::makerLogoPath()));
    painter.drawImage(cell(column++, 0), load(resources::programEmblemPath()));
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) {
            const int id = resources::kEmptyStackPicture + suit * 13 + value;
            painter.drawImage(cell(value - 1, suit + 1), load(resources::cardPicturePath(id)));
        }
    }
    painter.end();

    const QImage magnified =
        page.scaled(page.size() * kMagnification, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage both(magnified.width(), page.height() + magnified.height(), QImage::Format_RGB32);
    both.fill(kFelt);
    QPainter combine(&both);
    combine.drawImage(0, 0, page);
    combine.drawImage(0, page.height(), magnified);
    return both;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);  // the ICO reader is a plugin, found through the app
    if (argc != 2) {
        std::fprintf(stderr, "usage: ketterline_contactsheet OUTPUT.png\n");
        return 2;
    }
    try {
        if (!sheet().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "ketterline_contactsheet: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "ketterline_contactsheet: cannot read %s\n", qPrintable(failure.what));
        return 1;
    }
    return 0;
}
