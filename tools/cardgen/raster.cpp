#include "tools/cardgen/raster.h"

#include <algorithm>
#include <cstdint>

namespace cardgen {

namespace {

constexpr int kDotsPerMetre = 3780;  // 96 dots per inch

void putPixel(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) {
        image.setPixel(x, y, colour);
    }
}

// Coordinates here count eighths of a pixel, so that every sample point of a 4 x 4 grid over a
// pixel, and every centre and radius below, is a whole number.
constexpr int kEighths = 8;

std::int64_t squared(std::int64_t value) {
    return value * value;
}

// The outline of scale 1 is a line through the centres of its pixels, and its arcs are circles
// of the given radius through them. Here that line, multiplied by scale, is drawn scale pixels
// wide: whole pixels along the straight runs, rings between the radius less and more half a
// pixel (at scale 1) at the corners.
void drawScaledRoundedOutline(QImage& image, const QRect& box, int radius, QRgb colour, int scale) {
    const QRect outer(box.topLeft() * scale, box.size() * scale);
    const int inset = (radius + 1) * scale;  // the straight runs end where the arcs start
    const std::int64_t outerRadius = std::int64_t{kEighths} * scale * (2 * radius + 1) / 2;
    const std::int64_t innerRadius = std::int64_t{kEighths} * scale * (2 * radius - 1) / 2;
    // The corner arcs' centres: each outer arc touches the box's sides.
    const std::int64_t leftCentre = std::int64_t{kEighths} * outer.left() + outerRadius;
    const std::int64_t rightCentre = std::int64_t{kEighths} * (outer.right() + 1) - outerRadius;
    const std::int64_t topCentre = std::int64_t{kEighths} * outer.top() + outerRadius;
    const std::int64_t bottomCentre = std::int64_t{kEighths} * (outer.bottom() + 1) - outerRadius;
    constexpr int kGrid = 4;
    for (int y = outer.top(); y <= outer.bottom(); ++y) {
        for (int x = outer.left(); x <= outer.right(); ++x) {
            const bool inCornerX = x < outer.left() + inset || x > outer.right() - inset;
            const bool inCornerY = y < outer.top() + inset || y > outer.bottom() - inset;
            if (!inCornerX || !inCornerY) {
                const bool onEdge = x < outer.left() + scale || x > outer.right() - scale ||
                                    y < outer.top() + scale || y > outer.bottom() - scale;
                if (onEdge) {
                    putPixel(image, x, y, colour);
                }
                continue;
            }
            int hits = 0;
            for (int t = 0; t < kGrid; ++t) {
                for (int s = 0; s < kGrid; ++s) {
                    const std::int64_t px = std::int64_t{kEighths} * x + 2 * s + 1;
                    const std::int64_t py = std::int64_t{kEighths} * y + 2 * t + 1;
                    const std::int64_t cx =
                        px < (leftCentre + rightCentre) / 2 ? leftCentre : rightCentre;
                    const std::int64_t cy =
                        py < (topCentre + bottomCentre) / 2 ? topCentre : bottomCentre;
                    const std::int64_t distance = squared(px - cx) + squared(py - cy);
                    if (distance <= squared(outerRadius) && distance >= squared(innerRadius)) {
                        ++hits;
                    }
                }
            }
            if (2 * hits >= kGrid * kGrid) {
                putPixel(image, x, y, colour);
            }
        }
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

void drawRoundedOutline(QImage& image, const QRect& box, int radius, QRgb colour, int scale) {
    if (scale > 1) {
        drawScaledRoundedOutline(image, box, radius, colour, scale);
        return;
    }
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
