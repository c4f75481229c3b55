#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace cardgen {

// The artwork uses only whole pixels: a shape is a set of pixels, never a blend.
class Mask {
public:
    Mask(int width, int height)
        : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    // Outside the mask reads as unset, so callers may probe neighbours freely.
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[index(x, y)] != 0;
    }
    void set(int x, int y) { bits_[index(x, y)] = 1; }

    // The same pixels turned half a turn.
    Mask rotated180() const;
    // Columns that hold at least one set pixel, as [first, last]; {width, -1} when empty.
    std::pair<int, int> inkColumns() const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};

// A 24-bit picture filled with one colour, stating 96 dots per inch as the BMP files do.
QImage makeCanvas(int width, int height, QRgb fill);

// Paints the set pixels of the mask with its top-left corner at origin; pixels that fall
// outside the image are skipped.
void stamp(QImage& image, const Mask& mask, QPoint origin, QRgb colour);

// A one-pixel outline along the border of box whose corners are quarter circles of the given
// radius, traced with the midpoint circle algorithm so that each arc is one pixel thin.
// At a scale above 1, box and radius still count pixels at scale 1: the outline is scale pixels
// wide, on the scaled box, and its arcs are rings around the same centres (a pixel is ink when
// at least half of it lies in the ring), so it keeps its width when scaled down smoothly.
void drawRoundedOutline(QImage& image, const QRect& box, int radius, QRgb colour, int scale = 1);

// Writes an uncompressed, bottom-up, 24 bits per pixel BMP file.
bool saveBmp(const QImage& image, const QString& path);

}  // namespace cardgen
