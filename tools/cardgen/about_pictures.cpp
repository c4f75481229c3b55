#include "tools/cardgen/about_pictures.h"

#include <array>
#include <cstdlib>

#include "tools/cardgen/index_font.h"
#include "tools/cardgen/raster.h"

namespace cardgen {

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

}  // namespace

QImage makerLogo(int scale) {
    const int side = 48 * scale;
    const int reach = 40 * scale;  // half the pinwheel's width, in half pixels
    const int gap = 3 * scale;     // the white cross between the blades, in half pixels
    // Clockwise from the top right.
    constexpr std::array<QRgb, 4> kBlades{qRgb(237, 28, 36), qRgb(255, 196, 0), qRgb(0, 166, 81),
                                          qRgb(0, 114, 206)};
    QImage logo = makeCanvas(side, side, kWhite);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Offsets from the centre in half pixels: odd numbers, symmetric both ways.
            const int a = 2 * x + 1 - side;
            const int b = 2 * y + 1 - side;
            const int along = std::abs(a);
            const int across = std::abs(b);
            if (along > reach || across > reach || along < gap || across < gap) {
                continue;
            }
            const bool right = a > 0;
            const bool below = b > 0;
            const int quadrant = right ? (below ? 1 : 0) : (below ? 2 : 3);
            // Each blade hugs the axis that the quarter turn before it ends on, which makes
            // the four of them turn like a windmill.
            const bool hugsHorizontal = quadrant % 2 == 0;
            const bool inBlade = hugsHorizontal ? across <= along : along <= across;
            if (inBlade) {
                logo.setPixel(x, y, kBlades[static_cast<std::size_t>(quadrant)]);
            }
        }
    }
    return logo;
}

QImage programEmblem(int scale) {
    const int side = 32 * scale;
    QImage emblem = makeCanvas(side, side, kWhite);
    drawRoundedOutline(emblem, QRect(5, 1, 22, 30), 4, kBlack, scale);
    drawRoundedOutline(emblem, QRect(7, 3, 18, 26), 2, kBlack, scale);
    const Mask monogram = indexText("K", scale);
    stamp(emblem, monogram, {(side - monogram.width()) / 2, (side - monogram.height()) / 2},
          kBlack);
    return emblem;
}

}  // namespace cardgen
