// Reads every picture back from the program's resources (not from the files on disk) and checks
// the formats and the drawing rules the Board and the About windows rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <array>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "resources/pictures.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr int kWidth = 79;
constexpr int kHeight = 97;

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

QImage card(int id) {
    return QImage(resources::cardPicturePath(id)).convertToFormat(QImage::Format_RGB32);
}

// Colours other than white inside the outline, away from its rounded corners.
std::set<QRgb> inkColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 11; y <= 85; ++y) {
        for (int x = 1; x <= 76; ++x) {
            if (image.pixel(x, y) != kWhite) {
                colours.insert(image.pixel(x, y));
            }
        }
    }
    return colours;
}

// The band across the middle that holds the three suit symbols.
QImage symbolBand(const QImage& image) {
    return image.copy(1, 30, 76, 39);
}

// Tells the suit from the top row of the large middle symbol: two lobes for a heart, a point
// for a diamond or a spade, a rounded top for a club; the colour separates the rest.
Suit suitPictured(const QImage& image) {
    const QImage band = image.copy(24, 30, 30, 39);
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
        const bool pointed = ink.size() <= 2;
        if (red) {
            return split ? Suit::Hearts : pointed ? Suit::Diamonds : Suit::None;
        }
        return split ? Suit::None : pointed ? Suit::Spades : Suit::Clubs;
    }
    return Suit::None;
}

class CardPicture : public ::testing::TestWithParam<int> {};

TEST_P(CardPicture, IsAnUncompressed24BitBottomUpBitmapOf79By97) {
    expectPlainBmp(embeddedBytes(resources::cardPicturePath(GetParam())), kWidth, kHeight);
    QImageReader reader(resources::cardPicturePath(GetParam()));
    EXPECT_EQ(reader.size(), QSize(kWidth, kHeight));
}

TEST_P(CardPicture, UsesOnlyWhiteBlackAndPureRed) {
    const QImage image = card(GetParam());
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == kWhite || pixel == kBlack || pixel == kRed)
                << "pixel " << x << "," << y << " is " << std::hex << pixel;
        }
    }
}

TEST_P(CardPicture, HasTheRoundedOutlineWithWhiteCornersAndLastColumn) {
    const QImage image = card(GetParam());
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    for (int x = 12; x <= 65; ++x) {
        EXPECT_EQ(image.pixel(x, 0), kBlack) << "top row at " << x;
        EXPECT_EQ(image.pixel(x, kHeight - 1), kBlack) << "bottom row at " << x;
    }
    for (int y = 12; y <= 84; ++y) {
        EXPECT_EQ(image.pixel(0, y), kBlack) << "left column at " << y;
        EXPECT_EQ(image.pixel(kWidth - 2, y), kBlack) << "right outline at " << y;
    }
    for (int y = 0; y < kHeight; ++y) {
        EXPECT_EQ(image.pixel(kWidth - 1, y), kWhite) << "last column at " << y;
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(kWidth - 2, 0), QPoint(0, kHeight - 1),
                                QPoint(kWidth - 2, kHeight - 1)}) {
        EXPECT_EQ(image.pixel(corner), kWhite) << "corner " << corner.x() << "," << corner.y();
    }
}

TEST_P(CardPicture, InksInTheColourOfItsSuitOrNotAtAllWhenEmpty) {
    const Suit suit = suitOfId(GetParam());
    const std::set<QRgb> expected = suit == Suit::None ? std::set<QRgb>{}
                                    : (suit == Suit::Hearts || suit == Suit::Diamonds)
                                        ? std::set{kRed}
                                        : std::set{kBlack};
    EXPECT_EQ(inkColours(card(GetParam())), expected);
}

TEST_P(CardPicture, ShowsTheSymbolsOfItsOwnSuit) {
    EXPECT_EQ(suitPictured(card(GetParam())), suitOfId(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(AllIds, CardPicture, ::testing::Range(100, 153),
                         [](const auto& info) { return "Id" + std::to_string(info.param); });

TEST(CardPictures, AllFiftyTwoFacesDiffer) {
    std::set<QByteArray> faces;
    for (int id = 101; id <= 152; ++id) {
        const QImage image = card(id);
        faces.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(faces.size(), 52u);
}

struct Boundary {
    const char* name;
    int lastOfSuit;
    int firstOfNextSuit;
};

void PrintTo(const Boundary& boundary, std::ostream* out) {
    *out << boundary.name;
}

class SuitBoundary : public ::testing::TestWithParam<Boundary> {};

// The same symbol group runs through a whole suit and changes exactly at the boundary.
TEST_P(SuitBoundary, ChangesTheSymbolGroupExactlyThere) {
    const Boundary boundary = GetParam();
    const QImage last = symbolBand(card(boundary.lastOfSuit));
    EXPECT_EQ(last, symbolBand(card(boundary.lastOfSuit - 12)));
    EXPECT_NE(last, symbolBand(card(boundary.firstOfNextSuit)));
    EXPECT_EQ(symbolBand(card(boundary.firstOfNextSuit)),
              symbolBand(card(boundary.firstOfNextSuit + 12)));
}

INSTANTIATE_TEST_SUITE_P(Ids, SuitBoundary,
                         ::testing::Values(Boundary{"ClubsToHearts", 113, 114},
                                           Boundary{"HeartsToDiamonds", 126, 127},
                                           Boundary{"DiamondsToSpades", 139, 140}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PathRow {
    const char* name;
    int id;
    const char* path;
};

void PrintTo(const PathRow& row, std::ostream* out) {
    *out << row.name;
}

class PicturePath : public ::testing::TestWithParam<PathRow> {};

TEST_P(PicturePath, IsTheEmbeddedFileForCardIdsAndEmptyOtherwise) {
    EXPECT_EQ(resources::cardPicturePath(GetParam().id), QString(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Ids, PicturePath,
                         ::testing::Values(PathRow{"BelowTheEmptyStackPicture", 99, ""},
                                           PathRow{"EmptyStackPicture", 100, ":/cards/100.bmp"},
                                           PathRow{"AceOfDiamonds", 127, ":/cards/127.bmp"},
                                           PathRow{"KingOfSpades", 152, ":/cards/152.bmp"},
                                           PathRow{"AboveTheKingOfSpades", 153, ""},
                                           PathRow{"Negative", -100, ""}),
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
    QString (*path)();
    int side;
    int bytes;
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
                      AboutRow{"ProgramEmblem", resources::programEmblemPath, 32, 3126}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
