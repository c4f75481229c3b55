#include "tools/cardgen/raster.h"

#include <algorithm>

namespace cardgen {

namespace {

constexpr int kDotsPerMetre = 3780;  // 96 dots per inch

void putPixel(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) {
        image.setPixel(x, y, colour);
    }
}

}  // namespace

Mask Mask::rotated180() const {
    Mask turned(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y)) {
                turned.set(width_ - 1 - x, height_ - 1 - y);
            }
        }
    }
    return turned;
}

std::pair<int, int> Mask::inkColumns() const {
    std::pair<int, int> columns{width_, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y)) {
                columns.first = std::min(columns.first, x);
                columns.second = std::max(columns.second, x);
            }
        }
    }
    return columns;
}

QImage makeCanvas(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

void stamp(QImage& image, const Mask& mask, QPoint origin, QRgb colour) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y)) {
                putPixel(image, origin.x() + x, origin.y() + y, colour);
            }
        }
    }
}

void drawRoundedOutline(QImage& image, const QRect& box, int radius, QRgb colour) {
    const int left = box.left() + radius;
    const int right = box.right() - radius;
    const int top = box.top() + radius;
    const int bottom = box.bottom() - radius;
    for (int x = left; x <= right; ++x) {
        putPixel(image, x, box.top(), colour);
        putPixel(image, x, box.bottom(), colour);
    }
    for (int y = top; y <= bottom; ++y) {
        putPixel(image, box.left(), y, colour);
        putPixel(image, box.right(), y, colour);
    }
    // One octant, from the top of the circle towards 45 degrees, mirrored into the eight
    // positions each corner needs.
    int dx = 0;
    int dy = radius;
    int decision = 1 - radius;
    while (dx <= dy) {
        for (const auto& [a, b] : {std::pair{dx, dy}, std::pair{dy, dx}}) {
            putPixel(image, left - a, top - b, colour);
            putPixel(image, right + a, top - b, colour);
            putPixel(image, left - a, bottom + b, colour);
            putPixel(image, right + a, bottom + b, colour);
        }
        ++dx;
        if (decision < 0) {
            decision += 2 * dx + 1;
        } else {
            --dy;
            decision += 2 * (dx - dy) + 1;
        }
    }
}

bool saveBmp(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

}  // namespace cardgen
