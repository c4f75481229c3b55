#include "tools/cardgen/suit_shapes.h"

#include <cstdint>
#include <vector>

namespace cardgen {

namespace {

// Symbols are designed in a square of -512..512 on both axes, y pointing down, and then
// stretched to the pixel box. All arithmetic is on integers so that every machine rasterizes
// the same pixels.
struct Point {
    std::int64_t x;
    std::int64_t y;
};

struct Circle {
    Point centre;
    std::int64_t radius;
};

struct Shape {
    int widthPercent;  // box width as a share of its height
    std::vector<Circle> circles;
    std::vector<std::vector<Point>> convexPolygons;  // each listed clockwise on screen
};

Shape shapeOf(Suit suit) {
    // The stems of the club and the spade flare towards their foot.
    const std::vector<Point> stemTop{{-60, 140}, {60, 140}, {66, 370}, {-66, 370}};
    const std::vector<Point> stemFlare{{-66, 370}, {66, 370}, {130, 450}, {-130, 450}};
    const std::vector<Point> stemFoot{{-130, 450}, {130, 450}, {250, 512}, {-250, 512}};
    switch (suit) {
        case Suit::Clubs:
            return {100,
                    {{{0, -272}, 240}, {{-272, 50}, 240}, {{272, 50}, 240}},
                    {{{0, -272}, {272, 50}, {-272, 50}},
                     {{-140, 50}, {140, 50}, {50, 260}, {-50, 260}},
                     stemTop,
                     stemFlare,
                     stemFoot}};
        case Suit::Hearts:
            // The polygon joins the two lobes to the point along their common tangents.
            return {96,
                    {{{-250, -230}, 262}, {{250, -230}, 262}},
                    {{{-250, -230}, {250, -230}, {456, -68}, {0, 512}, {-456, -68}}}};
        case Suit::Diamonds:
            return {78, {}, {{{0, -512}, {512, 0}, {0, 512}, {-512, 0}}}};
        case Suit::Spades:
            // The heart's construction upside down, on a stem.
            return {92,
                    {{{-250, 90}, 262}, {{250, 90}, 262}},
                    {{{0, -512}, {431, -99}, {250, 90}, {-250, 90}, {-431, -99}},
                     stemTop,
                     stemFlare,
                     stemFoot}};
    }
    return {100, {}, {}};
}

bool insideCircle(const Circle& circle, Point p, std::int64_t scale) {
    const std::int64_t dx = p.x - circle.centre.x * scale;
    const std::int64_t dy = p.y - circle.centre.y * scale;
    const std::int64_t r = circle.radius * scale;
    return dx * dx + dy * dy <= r * r;
}

bool insidePolygon(const std::vector<Point>& polygon, Point p, std::int64_t scale) {
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        const std::int64_t cross =
            (b.x - a.x) * (p.y - a.y * scale) - (b.y - a.y) * (p.x - a.x * scale);
        if (cross < 0) {
            return false;
        }
    }
    return true;
}

bool inside(const Shape& shape, Point p, std::int64_t scale) {
    for (const Circle& circle : shape.circles) {
        if (insideCircle(circle, p, scale)) {
            return true;
        }
    }
    for (const auto& polygon : shape.convexPolygons) {
        if (insidePolygon(polygon, p, scale)) {
            return true;
        }
    }
    return false;
}

Mask rasterize(const Shape& shape, int width, int height) {
    Mask mask(width, height);
    // A pixel is ink when at least half of a 4 x 4 grid of points spread over it lies in the
    // shape; sampling only the centre leaves one-pixel nubs where a curve just grazes a row.
    // The point at sub-column s of column x lies (8x + 2s + 1 - 4 width) / (4 width) of the
    // half-width from the middle; both axes are brought to the denominator 4 * width * height.
    constexpr int kGrid = 4;
    const std::int64_t scale = std::int64_t{kGrid} * width * height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int hits = 0;
            for (int t = 0; t < kGrid; ++t) {
                for (int s = 0; s < kGrid; ++s) {
                    const Point p{
                        std::int64_t{2 * kGrid * x + 2 * s + 1 - kGrid * width} * 512 * height,
                        std::int64_t{2 * kGrid * y + 2 * t + 1 - kGrid * height} * 512 * width};
                    hits += inside(shape, p, scale) ? 1 : 0;
                }
            }
            if (2 * hits >= kGrid * kGrid) {
                mask.set(x, y);
            }
        }
    }
    return mask;
}

}  // namespace

Mask suitSymbol(Suit suit, int height, int scale) {
    const Shape shape = shapeOf(suit);
    // The width is rounded at scale 1, so that every scale keeps the same proportions.
    const int width = (height * shape.widthPercent + 50) / 100;
    return rasterize(shape, width * scale, height * scale);
}

}  // namespace cardgen
