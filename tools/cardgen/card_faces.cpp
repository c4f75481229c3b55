#include "tools/cardgen/card_faces.h"

#include <array>
#include <string_view>

#include "tools/cardgen/index_font.h"
#include "tools/cardgen/raster.h"
#include "tools/cardgen/suit_shapes.h"

namespace cardgen {

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);

// The outline runs in the second column from the right; the last column stays white.
constexpr QRect kOutline{0, 0, kCardWidth - 1, kCardHeight};
constexpr int kCornerRadius = 10;
constexpr int kIndexInset = 10;

constexpr int kSymbolTop = 35;
constexpr int kLargeSymbolHeight = 29;
constexpr int kMediumSymbolHeight = 19;
constexpr int kSmallSymbolHeight = 13;
constexpr int kSmallSymbolGap = 3;

constexpr std::array<std::string_view, 13> kRanks{"A", "2", "3",  "4", "5", "6", "7",
                                                  "8", "9", "10", "J", "Q", "K"};

struct Placed {
    Mask mask;
    QPoint origin;

    bool at(int x, int y) const { return mask.at(x - origin.x(), y - origin.y()); }
};

// Some pixel is ink in both.
bool overlaps(const Placed& a, const Placed& b) {
    for (int y = 0; y < a.mask.height(); ++y) {
        for (int x = 0; x < a.mask.width(); ++x) {
            if (a.mask.at(x, y) && b.at(a.origin.x() + x, a.origin.y() + y)) {
                return true;
            }
        }
    }
    return false;
}

// Some ink pixel of a has ink of b directly to its right, above or below it.
bool touches(const Placed& a, const Placed& b) {
    for (int y = 0; y < a.mask.height(); ++y) {
        for (int x = 0; x < a.mask.width(); ++x) {
            const int cx = a.origin.x() + x;
            const int cy = a.origin.y() + y;
            if (a.mask.at(x, y) && (b.at(cx + 1, cy) || b.at(cx, cy - 1) || b.at(cx, cy + 1))) {
                return true;
            }
        }
    }
    return false;
}

// The large symbol centred on the card, the medium one slid in from the left until it first
// touches the large one, the small one a clear gap to the right. At scale 2 the large symbol
// sits exactly where the one of scale 1 does, and the others are placed by the same rules at
// the finer resolution.
std::array<Placed, 3> symbolGroup(Suit suit, int scale) {
    Placed large{suitSymbol(suit, kLargeSymbolHeight, scale), {}};
    large.origin = QPoint{(kOutline.width() - large.mask.width() / scale) / 2, kSymbolTop} * scale;

    Placed medium{suitSymbol(suit, kMediumSymbolHeight, scale), {}};
    medium.origin = {large.origin.x() - medium.mask.width() - 2,
                     (kSymbolTop + (kLargeSymbolHeight - kMediumSymbolHeight) / 2) * scale};
    while (!touches(medium, large) && !overlaps(medium, large)) {
        medium.origin.rx() += 1;
    }

    Placed small{suitSymbol(suit, kSmallSymbolHeight, scale), {}};
    small.origin = {large.origin.x() + large.mask.inkColumns().second + 1 +
                        kSmallSymbolGap * scale - small.mask.inkColumns().first,
                    (kSymbolTop + (kLargeSymbolHeight - kSmallSymbolHeight) / 2) * scale};
    return {std::move(medium), std::move(large), std::move(small)};
}

QImage blankCard(int scale) {
    QImage card = makeCanvas(kCardWidth * scale, kCardHeight * scale, kWhite);
    drawRoundedOutline(card, kOutline, kCornerRadius, kBlack, scale);
    return card;
}

}  // namespace

QImage cardPicture(int id, int scale) {
    if (id < kEmptyStackId || id > kLastCardId) {
        return {};
    }
    QImage card = blankCard(scale);
    if (id == kEmptyStackId) {
        return card;
    }
    const int number = id - kEmptyStackId;  // 1..52
    const auto suit = static_cast<Suit>((number - 1) / 13);
    const int value = number - static_cast<int>(suit) * 13;
    const QRgb colour = (suit == Suit::Hearts || suit == Suit::Diamonds) ? kRed : kBlack;

    // The bottom-right index ends kIndexInset pixels (at scale 1) inside the outline's last
    // column and row.
    const Mask index = indexText(kRanks[static_cast<std::size_t>(value - 1)], scale);
    const QPoint farCorner =
        (kOutline.bottomRight() - QPoint(kIndexInset, kIndexInset)) * scale + QPoint(scale, scale);
    stamp(card, index, QPoint(kIndexInset, kIndexInset) * scale, colour);
    stamp(card, index, farCorner - QPoint(index.width(), index.height()), colour);
    for (const Placed& symbol : symbolGroup(suit, scale)) {
        stamp(card, symbol.mask, symbol.origin, colour);
    }
    return card;
}

}  // namespace cardgen
