// Reads every picture back from the program's resources (not from the files on disk) and checks
// the formats and the drawing rules the Board and the About windows rely on, for the pictures of
// normal size and those of double size alike.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "resources/pictures.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr int kWidth = 79;
constexpr int kHeight = 97;
// Shares in percent, for the double-size pictures scaled down to the normal size.
constexpr int kMinimumAgreement = 95;
constexpr int kMinimumInkAgreement = 85;

enum class Suit { None, Clubs, Hearts, Diamonds, Spades };

// Ids 101..113 clubs, 114..126 hearts, 127..139 diamonds, 140..152 spades.
Suit suitOfId(int id) {
    if (id <= 100) {
        return Suit::None;
    }
    return std::array{Suit::Clubs, Suit::Hearts, Suit::Diamonds, Suit::Spades}[(id - 101) / 13];
}

QByteArray embeddedBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t littleEndian(const QByteArray& bytes, int offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

// The header fields of a BMP file that the pictures must have: 24 bits, uncompressed,
// bottom-up (positive height), 96 dots per inch, no colour table.
void expectPlainBmp(const QByteArray& bytes, int width, int height) {
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(littleEndian(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(littleEndian(bytes, 10, 4), 54u);
    EXPECT_EQ(littleEndian(bytes, 14, 4), 40u);
    EXPECT_EQ(littleEndian(bytes, 18, 4), static_cast<std::uint32_t>(width));
    EXPECT_EQ(littleEndian(bytes, 22, 4), static_cast<std::uint32_t>(height));
    EXPECT_EQ(littleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(littleEndian(bytes, 30, 4), 0u);
    EXPECT_EQ(littleEndian(bytes, 38, 4), 3780u);
    EXPECT_EQ(littleEndian(bytes, 42, 4), 3780u);
    EXPECT_EQ(littleEndian(bytes, 46, 4), 0u);
    EXPECT_EQ(bytes.size(), 54 + (width * 3 + 3) / 4 * 4 * height);
}

// Scale 1 is the normal size, 2 the double size ("@2x").
QString cardPath(int id, int scale) {
    const QString path = resources::cardPicturePath(id);
    return scale == 1 ? path : resources::doubleSizePath(path);
}

QImage card(int id, int scale = 1) {
    return QImage(cardPath(id, scale)).convertToFormat(QImage::Format_RGB32);
}

// A rectangle given in pixels of normal size, on a picture of the given scale.
QRect scaled(const QRect& rect, int scale) {
    return {rect.topLeft() * scale, rect.size() * scale};
}

// Colours other than white inside the outline, away from its rounded corners.
std::set<QRgb> inkColours(const QImage& image, int scale) {
    const QRect inside = scaled(QRect(QPoint(1, 11), QPoint(76, 85)), scale);
    std::set<QRgb> colours;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixel(x, y) != kWhite) {
                colours.insert(image.pixel(x, y));
            }
        }
    }
    return colours;
}

// The band across the middle that holds the three suit symbols.
QImage symbolBand(const QImage& image, int scale) {
    return image.copy(scaled(QRect(1, 30, 76, 39), scale));
}

// Tells the suit from the top row of the large middle symbol: two lobes for a heart, a point
// for a diamond or a spade, a rounded top for a club; the colour separates the rest.
Suit suitPictured(const QImage& image, int scale) {
    const QImage band = image.copy(scaled(QRect(24, 30, 30, 39), scale));
    for (int y = 0; y < band.height(); ++y) {
        std::vector<int> ink;
        for (int x = 0; x < band.width(); ++x) {
            if (band.pixel(x, y) != kWhite) {
                ink.push_back(x);
            }
        }
        if (ink.empty()) {
            continue;
        }
        const bool red = band.pixel(ink.front(), y) == kRed;
        const bool split = ink.back() - ink.front() + 1 != static_cast<int>(ink.size());
        const bool pointed = static_cast<int>(ink.size()) <= 2 * scale;
        if (red) {
            return split ? Suit::Hearts : pointed ? Suit::Diamonds : Suit::None;
        }
        return split ? Suit::None : pointed ? Suit::Spades : Suit::Clubs;
    }
    return Suit::None;
}

// Every card picture at both sizes: the id and the scale.
class CardPicture : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    int id() const { return std::get<0>(GetParam()); }
    int scale() const { return std::get<1>(GetParam()); }
    QImage image() const { return card(id(), scale()); }
};

TEST_P(CardPicture, IsAnUncompressed24BitBottomUpBitmapOfItsScaledSize) {
    const QSize size(kWidth * scale(), kHeight * scale());
    expectPlainBmp(embeddedBytes(cardPath(id(), scale())), size.width(), size.height());
    QImageReader reader(cardPath(id(), scale()));
    EXPECT_EQ(reader.size(), size);
}

TEST_P(CardPicture, UsesOnlyWhiteBlackAndPureRed) {
    const QImage image = this->image();
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight) * scale());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == kWhite || pixel == kBlack || pixel == kRed)
                << "pixel " << x << "," << y << " is " << std::hex << pixel;
        }
    }
}

// The outline is scale pixels wide: black along the straight runs, white on both sides of it,
// and the last columns (one per scale) white all the way down.
TEST_P(CardPicture, HasTheRoundedOutlineWithWhiteCornersAndLastColumn) {
    const int s = scale();
    const QImage image = this->image();
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight) * s);
    const int right = (kWidth - 1) * s - 1;  // the outline's outermost column on the right
    const int bottom = image.height() - 1;
    for (int x = 12 * s; x < 66 * s; ++x) {
        for (int d = 0; d < s; ++d) {
            EXPECT_EQ(image.pixel(x, d), kBlack) << "top row " << d << " at " << x;
            EXPECT_EQ(image.pixel(x, bottom - d), kBlack) << "bottom row " << d << " at " << x;
        }
        EXPECT_EQ(image.pixel(x, s), kWhite) << "below the top row at " << x;
        EXPECT_EQ(image.pixel(x, bottom - s), kWhite) << "above the bottom row at " << x;
    }
    for (int y = 12 * s; y < 85 * s; ++y) {
        for (int d = 0; d < s; ++d) {
            EXPECT_EQ(image.pixel(d, y), kBlack) << "left column " << d << " at " << y;
            EXPECT_EQ(image.pixel(right - d, y), kBlack) << "right column " << d << " at " << y;
        }
        EXPECT_EQ(image.pixel(s, y), kWhite) << "inside the left column at " << y;
        EXPECT_EQ(image.pixel(right - s, y), kWhite) << "inside the right column at " << y;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = right + 1; x < image.width(); ++x) {
            EXPECT_EQ(image.pixel(x, y), kWhite) << "last columns at " << x << "," << y;
        }
    }
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(image.pixel(corner), kWhite) << "corner " << corner.x() << "," << corner.y();
    }
}

TEST_P(CardPicture, InksInTheColourOfItsSuitOrNotAtAllWhenEmpty) {
    const Suit suit = suitOfId(id());
    const std::set<QRgb> expected = suit == Suit::None ? std::set<QRgb>{}
                                    : (suit == Suit::Hearts || suit == Suit::Diamonds)
                                        ? std::set{kRed}
                                        : std::set{kBlack};
    EXPECT_EQ(inkColours(image(), scale()), expected);
}

TEST_P(CardPicture, ShowsTheSymbolsOfItsOwnSuit) {
    EXPECT_EQ(suitPictured(image(), scale()), suitOfId(id()));
}

std::string cardName(const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
    const int scale = std::get<1>(info.param);
    return "Id" + std::to_string(std::get<0>(info.param)) + (scale == 1 ? "" : "At2x");
}

INSTANTIATE_TEST_SUITE_P(AllIds, CardPicture,
                         ::testing::Combine(::testing::Range(100, 153), ::testing::Values(1, 2)),
                         cardName);

class CardPictures : public ::testing::TestWithParam<int> {};

TEST_P(CardPictures, AllFiftyTwoFacesDiffer) {
    std::set<QByteArray> faces;
    for (int id = 101; id <= 152; ++id) {
        const QImage image = card(id, GetParam());
        faces.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(faces.size(), 52u);
}

INSTANTIATE_TEST_SUITE_P(Scales, CardPictures, ::testing::Values(1, 2),
                         [](const auto& info) { return "Scale" + std::to_string(info.param); });

struct Boundary {
    const char* name;
    int lastOfSuit;
    int firstOfNextSuit;
};

void PrintTo(const Boundary& boundary, std::ostream* out) {
    *out << boundary.name;
}

class SuitBoundary : public ::testing::TestWithParam<std::tuple<Boundary, int>> {};

// The same symbol group runs through a whole suit and changes exactly at the boundary.
TEST_P(SuitBoundary, ChangesTheSymbolGroupExactlyThere) {
    const auto [boundary, scale] = GetParam();
    const auto band = [scale = scale](int id) { return symbolBand(card(id, scale), scale); };
    const QImage last = band(boundary.lastOfSuit);
    EXPECT_EQ(last, band(boundary.lastOfSuit - 12));
    EXPECT_NE(last, band(boundary.firstOfNextSuit));
    EXPECT_EQ(band(boundary.firstOfNextSuit), band(boundary.firstOfNextSuit + 12));
}

std::string boundaryName(const ::testing::TestParamInfo<std::tuple<Boundary, int>>& info) {
    const int scale = std::get<1>(info.param);
    return std::string(std::get<0>(info.param).name) + (scale == 1 ? "" : "At2x");
}

INSTANTIATE_TEST_SUITE_P(
    Ids, SuitBoundary,
    ::testing::Combine(::testing::Values(Boundary{"ClubsToHearts", 113, 114},
                                         Boundary{"HeartsToDiamonds", 126, 127},
                                         Boundary{"DiamondsToSpades", 139, 140}),
                       ::testing::Values(1, 2)),
    boundaryName);

struct PathRow {
    const char* name;
    int id;
    const char* path;
    const char* path2x;
};

void PrintTo(const PathRow& row, std::ostream* out) {
    *out << row.name;
}

class PicturePath : public ::testing::TestWithParam<PathRow> {};

TEST_P(PicturePath, IsTheEmbeddedFileForCardIdsAndEmptyOtherwise) {
    EXPECT_EQ(resources::cardPicturePath(GetParam().id), QString(GetParam().path));
    EXPECT_EQ(resources::doubleSizePath(resources::cardPicturePath(GetParam().id)),
              QString(GetParam().path2x));
}

INSTANTIATE_TEST_SUITE_P(
    Ids, PicturePath,
    ::testing::Values(PathRow{"BelowTheEmptyStackPicture", 99, "", ""},
                      PathRow{"EmptyStackPicture", 100, ":/cards/100.bmp", ":/cards/100@2x.bmp"},
                      PathRow{"AceOfDiamonds", 127, ":/cards/127.bmp", ":/cards/127@2x.bmp"},
                      PathRow{"KingOfSpades", 152, ":/cards/152.bmp", ":/cards/152@2x.bmp"},
                      PathRow{"AboveTheKingOfSpades", 153, "", ""},
                      PathRow{"Negative", -100, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The standard 16-colour VGA palette as a bitmap stores it: blue, green, red, zero.
constexpr char kVgaPaletteBgr0[] =
    "00000000000080000080000000808000800000008000800080800000c0c0c000"
    "808080000000ff0000ff000000ffff00ff000000ff00ff00ffff0000ffffff00";

TEST(ProgramIcon, HoldsTwoAndSixteenColourImagesWithTransparentSurroundings) {
    const QByteArray bytes = embeddedBytes(resources::iconPath());
    ASSERT_GE(bytes.size(), 6 + 3 * 16);
    ASSERT_EQ(littleEndian(bytes, 4, 2), 3u);
    const std::array<std::pair<int, std::uint32_t>, 3> expected{{{32, 1}, {32, 4}, {16, 4}}};
    QImageReader reader(resources::iconPath());
    ASSERT_EQ(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i;
        EXPECT_EQ(littleEndian(bytes, entry, 1), static_cast<std::uint32_t>(expected[i].first));
        EXPECT_EQ(littleEndian(bytes, entry + 6, 2), expected[i].second);
        const int image = static_cast<int>(littleEndian(bytes, entry + 12, 4));
        ASSERT_LT(image + 40, bytes.size());
        EXPECT_EQ(littleEndian(bytes, image + 14, 2), expected[i].second);
        if (expected[i].second == 4) {
            EXPECT_EQ(bytes.mid(image + 40, 64), QByteArray::fromHex(kVgaPaletteBgr0));
        }
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage decoded = reader.read();
        EXPECT_EQ(decoded.size(), QSize(expected[i].first, expected[i].first));
        EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 0);
        EXPECT_EQ(decoded.pixelColor(expected[i].first / 2, expected[i].first / 2).rgb(), kWhite);
    }
}

struct AboutRow {
    const char* name;
    QString (*normalPath)();
    int side;
    int bytes;
    bool doubleSize = false;

    QString path() const {
        return doubleSize ? resources::doubleSizePath(normalPath()) : normalPath();
    }
};

void PrintTo(const AboutRow& row, std::ostream* out) {
    *out << row.name;
}

class AboutPicture : public ::testing::TestWithParam<AboutRow> {};

TEST_P(AboutPicture, IsAPlain24BitBitmapOfItsBoxSize) {
    const AboutRow row = GetParam();
    const QByteArray file = embeddedBytes(row.path());
    EXPECT_EQ(file.size(), row.bytes);
    expectPlainBmp(file, row.side, row.side);
    EXPECT_EQ(QImage(row.path()).size(), QSize(row.side, row.side));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, AboutPicture,
    ::testing::Values(AboutRow{"MakerLogo", resources::makerLogoPath, 48, 6966},
                      AboutRow{"ProgramEmblem", resources::programEmblemPath, 32, 3126},
                      AboutRow{"MakerLogo2x", resources::makerLogoPath, 96, 27702, true},
                      AboutRow{"ProgramEmblem2x", resources::programEmblemPath, 64, 12342, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A picture of normal size and its double-size counterpart.
struct SizePair {
    std::string name;
    QString normal;
    QString doubled = {};
};

void PrintTo(const SizePair& pair, std::ostream* out) {
    *out << pair.name;
}

std::vector<SizePair> sizePairs() {
    std::vector<SizePair> pairs{{"MakerLogo", resources::makerLogoPath()},
                                {"ProgramEmblem", resources::programEmblemPath()}};
    for (int id = resources::kEmptyStackPicture; id <= resources::kLastCardPicture; ++id) {
        pairs.push_back({"Card" + std::to_string(id), resources::cardPicturePath(id)});
    }
    for (SizePair& pair : pairs) {
        pair.doubled = resources::doubleSizePath(pair.normal);
    }
    return pairs;
}

// The colour of the palette nearest to pixel.
QRgb nearest(QRgb pixel, const std::set<QRgb>& palette) {
    const auto distance = [pixel](QRgb colour) {
        const int r = qRed(pixel) - qRed(colour);
        const int g = qGreen(pixel) - qGreen(colour);
        const int b = qBlue(pixel) - qBlue(colour);
        return r * r + g * g + b * b;
    };
    return *std::min_element(palette.begin(), palette.end(),
                             [&](QRgb a, QRgb b) { return distance(a) < distance(b); });
}

class DoubleSize : public ::testing::TestWithParam<SizePair> {
protected:
    static QImage read(const QString& path) {
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }
};

// Qt reads a file named "...@2x" as a picture of device pixel ratio 2, so that it is drawn at
// the size of the normal picture.
TEST_P(DoubleSize, IsTwiceTheSizeAndReadsAsDevicePixelRatioTwo) {
    const QImage normal(GetParam().normal);
    const QImage doubled(GetParam().doubled);
    EXPECT_EQ(doubled.size(), normal.size() * 2);
    EXPECT_EQ(normal.devicePixelRatio(), 1.0);
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), normal.deviceIndependentSize());
}

// Scaled down smoothly to the normal size and snapped to the normal picture's colours, the
// double-size picture shows what the normal one shows: nearly every pixel agrees, and so does
// the great majority of the pixels that are not white in either.
TEST_P(DoubleSize, ScaledDownSmoothlyResemblesTheNormalPicture) {
    const QImage normal = read(GetParam().normal);
    const QImage doubled = read(GetParam().doubled);
    ASSERT_EQ(doubled.size(), normal.size() * 2);
    const QImage down =
        doubled.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::set<QRgb> palette;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            palette.insert(normal.pixel(x, y));
        }
    }
    int agree = 0;
    int ink = 0;
    int inkAgree = 0;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb want = normal.pixel(x, y);
            const QRgb got = nearest(down.pixel(x, y), palette);
            agree += got == want ? 1 : 0;
            if (want != kWhite || got != kWhite) {
                ++ink;
                inkAgree += got == want ? 1 : 0;
            }
        }
    }
    const int pixels = normal.width() * normal.height();
    EXPECT_GE(agree * 100, pixels * kMinimumAgreement) << agree << " of " << pixels;
    EXPECT_GE(inkAgree * 100, ink * kMinimumInkAgreement) << inkAgree << " of " << ink;
}

// Drawn anew at the double size, not the normal picture with every pixel doubled.
TEST_P(DoubleSize, IsNotThePixelDoubledNormalPicture) {
    const QImage normal = read(GetParam().normal);
    EXPECT_NE(read(GetParam().doubled),
              normal.scaled(normal.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

INSTANTIATE_TEST_SUITE_P(Pictures, DoubleSize, ::testing::ValuesIn(sizePairs()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
