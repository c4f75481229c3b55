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
    const std::vector<Point> stemTop{{-46, 140}, {46, 140}, {120, 380}, {-120, 380}};
    const std::vector<Point> stemFoot{{-120, 380}, {120, 380}, {240, 512}, {-240, 512}};
    switch (suit) {
        case Suit::Clubs:
            return {100,
                    {{{0, -280}, 232}, {{-280, 70}, 232}, {{280, 70}, 232}, {{0, 0}, 150}},
                    {stemTop, stemFoot}};
        case Suit::Hearts:
            // The polygon joins the two lobes to the point along their common tangents.
            return {96,
                    {{{-250, -230}, 262}, {{250, -230}, 262}},
                    {{{-250, -230}, {250, -230}, {456, -68}, {0, 512}, {-456, -68}}}};
        case Suit::Diamonds:
            return {78, {}, {{{0, -512}, {512, 0}, {0, 512}, {-512, 0}}}};
        case Suit::Spades:
            return {
                92,
                {{{-250, 120}, 262}, {{250, 120}, 262}},
                {{{0, -512}, {438, -63}, {250, 120}, {-250, 120}, {-438, -63}}, stemTop, stemFoot}};
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

}  // namespace

Mask suitSymbol(Suit suit, int height) {
    const Shape shape = shapeOf(suit);
    const int width = (height * shape.widthPercent + 50) / 100;
    Mask mask(width, height);
    // A pixel centre at column x lies (2x + 1 - width) / width of the half-width from the
    // middle; both axes are brought to the common denominator width * height.
    const std::int64_t scale = std::int64_t{width} * height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Point p{std::int64_t{2 * x + 1 - width} * 512 * height,
                          std::int64_t{2 * y + 1 - height} * 512 * width};
            bool ink = false;
            for (const Circle& circle : shape.circles) {
                ink = ink || insideCircle(circle, p, scale);
            }
            for (const auto& polygon : shape.convexPolygons) {
                ink = ink || insidePolygon(polygon, p, scale);
            }
            if (ink) {
                mask.set(x, y);
            }
        }
    }
    return mask;
}

}  // namespace cardgen
