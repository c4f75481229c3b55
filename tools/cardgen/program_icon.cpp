#include "tools/cardgen/program_icon.h"

#include <QImage>
#include <QRgb>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace cardgen {

namespace {

// Palette indexes of the standard 16-colour VGA palette used here.
constexpr int kBlack = 0;
constexpr int kNavy = 4;
constexpr int kSilver = 7;
constexpr int kGrey = 8;
constexpr int kWhite = 15;
constexpr int kTransparent = -1;

constexpr std::array<QRgb, 16> kVgaPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
constexpr std::array<QRgb, 2> kMonochromePalette{qRgb(0, 0, 0), qRgb(255, 255, 255)};

// A square of palette indexes, kTransparent where the desktop shows through.
struct IconPicture {
    explicit IconPicture(int side)
        : size(side), pixels(static_cast<std::size_t>(side * side), kTransparent) {}

    int& at(int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; }
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
    void fill(int left, int top, int right, int bottom, int colour) {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                at(x, y) = colour;
            }
        }
    }

    int size;
    std::vector<int> pixels;
};

struct WindowLayout {
    int left, top, right, bottom;  // the window's black frame
    int titleBottom;               // last row of the title bar
    int shadow;                    // offset of the drop shadow
};
// The windows of the 32 and the 16 pixel pictures.
constexpr WindowLayout kLargeLayout{2, 4, 26, 26, 9, 3};
constexpr WindowLayout kSmallLayout{1, 2, 12, 12, 4, 2};

IconPicture drawWindow(int side, const WindowLayout& w, bool monochrome) {
    IconPicture icon(side);
    icon.fill(w.left + w.shadow, w.top + w.shadow, w.right + w.shadow, w.bottom + w.shadow,
              monochrome ? kBlack : kGrey);
    icon.fill(w.left, w.top, w.right, w.bottom, kBlack);
    icon.fill(w.left + 1, w.top + 1, w.right - 1, w.bottom - 1, kWhite);
    icon.fill(w.left + 1, w.top + 1, w.right - 1, w.titleBottom, monochrome ? kBlack : kNavy);
    // A close box at the right end of the title bar.
    const int box = w.titleBottom - w.top - 2;
    if (box >= 2) {
        icon.fill(w.right - 2 - box, w.top + 2, w.right - 3, w.titleBottom - 1,
                  monochrome ? kWhite : kSilver);
    }
    return icon;
}

// The same window drawn for a desktop icon of side pixels (64 and up): every edge of the 32-pixel
// picture (drawWindow with the large layout) measured afresh at this size, a frame that grows more
// slowly than the window so that it stays a line, and from 128 pixels a raised close box (light
// top and left edges, dark bottom and right). Seen at the centre of each of its 32 x 32 cells, it
// is the 16-colour 32-pixel picture.
IconPicture drawDesktopWindow(int side) {
    // The first pixel at or after the edge that lies before pixel `at32` of the 32-pixel picture.
    const auto edge = [side](int at32) { return (at32 * side + 16) / 32; };
    const int frame = std::max(1, (side + 20) / 40);
    const int left = edge(2);
    const int top = edge(4);
    const int right = edge(27) - 1;
    const int bottom = edge(27) - 1;
    const int shadow = edge(3);

    IconPicture icon(side);
    icon.fill(left + shadow, top + shadow, right + shadow, bottom + shadow, kGrey);
    icon.fill(left, top, right, bottom, kBlack);
    icon.fill(left + frame, top + frame, right - frame, bottom - frame, kWhite);
    icon.fill(left + frame, top + frame, right - frame, edge(10) - 1, kNavy);

    const int boxLeft = edge(21);
    const int boxTop = edge(6);
    const int boxRight = edge(24) - 1;
    const int boxBottom = edge(9) - 1;
    // The raised edges need a box of 12 pixels or more; below that the box stays flat.
    const int box = boxRight - boxLeft + 1;
    const int bevel = box >= 12 ? box / 8 : 0;
    icon.fill(boxLeft, boxTop, boxRight, boxBottom, kGrey);
    icon.fill(boxLeft, boxTop, boxRight - bevel, boxBottom - bevel, kWhite);
    icon.fill(boxLeft + bevel, boxTop + bevel, boxRight - bevel, boxBottom - bevel, kSilver);
    return icon;
}

// count is at most 4.
void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

int rowStride(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The picture as an icon resource: a 40-byte bitmap header of twice the height (colour rows
// and mask rows), the palette, then both bitmaps bottom-up.
QByteArray encodeImage(const IconPicture& icon, int bitsPerPixel, const QRgb* palette,
                       int paletteSize) {
    const int side = icon.size;
    const int colourStride = rowStride(side, bitsPerPixel);
    const int maskStride = rowStride(side, 1);
    QByteArray bytes;
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(side), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(2 * side), 4);
    appendLittleEndian(bytes, 1, 2);  // planes
    appendLittleEndian(bytes, static_cast<std::uint32_t>(bitsPerPixel), 2);
    appendLittleEndian(bytes, 0, 4);  // uncompressed
    appendLittleEndian(bytes, static_cast<std::uint32_t>((colourStride + maskStride) * side), 4);
    bytes.append(16, '\0');  // resolution and colour counts unused
    for (int i = 0; i < paletteSize; ++i) {
        bytes.append(static_cast<char>(qBlue(palette[i])));
        bytes.append(static_cast<char>(qGreen(palette[i])));
        bytes.append(static_cast<char>(qRed(palette[i])));
        bytes.append('\0');
    }
    const int perByte = 8 / bitsPerPixel;
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < side; ++x) {
            int index = icon.at(x, y) == kTransparent ? 0 : icon.at(x, y);
            if (bitsPerPixel == 1) {
                index = index == kWhite ? 1 : 0;
            }
            const int shift = (perByte - 1 - x % perByte) * bitsPerPixel;
            row[x / perByte] = static_cast<char>(row[x / perByte] | (index << shift));
        }
        bytes.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < side; ++x) {
            if (icon.at(x, y) == kTransparent) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bytes.append(row);
    }
    return bytes;
}

}  // namespace

QImage desktopIcon(int side) {
    const IconPicture icon = side == 16   ? drawWindow(16, kSmallLayout, false)
                             : side == 32 ? drawWindow(32, kLargeLayout, false)
                                          : drawDesktopWindow(side);
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int index = icon.at(x, y);
            image.setPixel(x, y,
                           index == kTransparent ? qRgba(0, 0, 0, 0)
                                                 : kVgaPalette[static_cast<std::size_t>(index)]);
        }
    }
    // 96 dots per inch, as the other pictures state.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

QByteArray programIconFile() {
    struct Entry {
        IconPicture picture;
        int bitsPerPixel;
    };
    const std::array<Entry, 3> entries{Entry{drawWindow(32, kLargeLayout, true), 1},
                                       Entry{drawWindow(32, kLargeLayout, false), 4},
                                       Entry{drawWindow(16, kSmallLayout, false), 4}};

    QByteArray directory;
    appendLittleEndian(directory, 0, 2);  // reserved
    appendLittleEndian(directory, 1, 2);  // icon, not cursor
    appendLittleEndian(directory, entries.size(), 2);
    QByteArray images;
    const int firstImageOffset = 6 + 16 * static_cast<int>(entries.size());
    for (const Entry& entry : entries) {
        const bool monochrome = entry.bitsPerPixel == 1;
        const QByteArray image = encodeImage(
            entry.picture, entry.bitsPerPixel,
            monochrome ? kMonochromePalette.data() : kVgaPalette.data(), monochrome ? 2 : 16);
        directory.append(static_cast<char>(entry.picture.size));
        directory.append(static_cast<char>(entry.picture.size));
        directory.append(static_cast<char>(monochrome ? 2 : 16));
        directory.append('\0');
        appendLittleEndian(directory, 1, 2);  // planes
        appendLittleEndian(directory, static_cast<std::uint32_t>(entry.bitsPerPixel), 2);
        appendLittleEndian(directory, static_cast<std::uint32_t>(image.size()), 4);
        appendLittleEndian(directory, static_cast<std::uint32_t>(firstImageOffset + images.size()),
                           4);
        images.append(image);
    }
    return directory + images;
}

}  // namespace cardgen
