// Lays every compiled-in picture out on one PNG for looking at. A sheet has the empty-stack card,
// the icon images (only at normal size: the icon has no double-size images) and the two About
// pictures on its first row, then one row of thirteen cards per suit. The PNG holds, from the
// top:
//   the sheet of normal-size pictures and, beside it, the sheet of double-size ("@2x") pictures;
//   the normal-size sheet magnified three times without smoothing;
//   the double-size pictures each scaled smoothly to three quarters, as a display at 150 %
//   shows them.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "resources/pictures.h"

namespace {

constexpr int kMargin = 8;
constexpr int kColumns = 13;
constexpr int kMagnification = 3;
constexpr QRgb kFelt = qRgb(0, 110, 60);

struct Failure {
    QString what;
};

using Rows = std::vector<std::vector<QImage>>;

// The sheet shows pixels one to one: Qt marks a picture read from an "@2x" file as having a
// device pixel ratio of 2, which would make QPainter draw it at half its size.
QImage load(const QString& path) {
    QImage image(path);
    if (image.isNull()) {
        throw Failure{path};
    }
    image.setDevicePixelRatio(1);
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

// The pictures of one size, row by row as the sheet shows them.
Rows pictures(bool doubleSize) {
    const auto sized = [doubleSize](const QString& path) {
        return doubleSize ? resources::doubleSizePath(path) : path;
    };
    const auto card = [&sized](int id) { return sized(resources::cardPicturePath(id)); };
    std::vector<QImage> first{load(card(resources::kEmptyStackPicture))};
    if (!doubleSize) {
        for (QImage& icon : iconImages()) {
            first.push_back(std::move(icon));
        }
    }
    first.push_back(load(sized(resources::makerLogoPath())));
    first.push_back(load(sized(resources::programEmblemPath())));
    Rows rows{first};
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<QImage>& row = rows.emplace_back();
        for (int value = 1; value <= 13; ++value) {
            row.push_back(load(card(resources::kEmptyStackPicture + suit * 13 + value)));
        }
    }
    return rows;
}

Rows scaledSmoothly(Rows rows, int numerator, int denominator) {
    for (auto& row : rows) {
        for (QImage& image : row) {
            const QSize size((image.width() * numerator + denominator / 2) / denominator,
                             (image.height() * numerator + denominator / 2) / denominator);
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    return rows;
}

// The pictures on felt, each at the top left of a cell as large as the largest picture.
QImage sheet(const Rows& rows) {
    QSize cell;
    for (const auto& row : rows) {
        for (const QImage& image : row) {
            cell = cell.expandedTo(image.size());
        }
    }
    cell += QSize(kMargin, kMargin);
    QImage page(kMargin + kColumns * cell.width(),
                kMargin + static_cast<int>(rows.size()) * cell.height(), QImage::Format_RGB32);
    page.fill(kFelt);
    QPainter painter(&page);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            painter.drawImage(QPoint(kMargin + static_cast<int>(c) * cell.width(),
                                     kMargin + static_cast<int>(r) * cell.height()),
                              rows[r][c]);
        }
    }
    return page;
}

// Each row's images side by side, the rows one below the other.
QImage arrange(const Rows& bands) {
    QSize size;
    for (const auto& band : bands) {
        int width = 0;
        int height = 0;
        for (const QImage& image : band) {
            width += image.width();
            height = std::max(height, image.height());
        }
        size = QSize(std::max(size.width(), width), size.height() + height);
    }
    QImage page(size, QImage::Format_RGB32);
    page.fill(kFelt);
    QPainter painter(&page);
    int top = 0;
    for (const auto& band : bands) {
        int left = 0;
        int height = 0;
        for (const QImage& image : band) {
            painter.drawImage(left, top, image);
            left += image.width();
            height = std::max(height, image.height());
        }
        top += height;
    }
    return page;
}

QImage contactSheet() {
    const Rows normal = pictures(false);
    const Rows doubled = pictures(true);
    const QImage normalSheet = sheet(normal);
    const QImage magnified = normalSheet.scaled(normalSheet.size() * kMagnification,
                                                Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return arrange(
        {{normalSheet, sheet(doubled)}, {magnified}, {sheet(scaledSmoothly(doubled, 3, 4))}});
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
        if (!contactSheet().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "ketterline_contactsheet: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "ketterline_contactsheet: cannot read %s\n", qPrintable(failure.what));
        return 1;
    }
    return 0;
}
