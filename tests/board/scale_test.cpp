// Run once for each display scale (QT_SCALE_FACTOR 1, 1.5 and 2, see CMakeLists.txt): the
// Board keeps its layout in logical pixels and draws each card from the picture that fits
// the ratio.
#include <QPushButton>
#include <cmath>

#include "board_fixture.h"
#include "resources/pictures.h"

namespace {

class ScaleTest : public BoardWindowTest {
protected:
    ScaleTest() {
        window->newButton().click();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        ratio = cardArea().devicePixelRatioF();
        shot = cardArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The top card of side stack 1, shown whole, in device pixels of the shot.
    QImage topCardOfStack1() {
        const QRect logical = sideItem(1, 5).geometry();
        QImage card = shot.copy(
            QRect(QPoint(std::lround(logical.x() * ratio), std::lround(logical.y() * ratio)),
                  (QSizeF(logical.size()) * ratio).toSize()));
        card.setDevicePixelRatio(1);
        return card;
    }
    int topCardPicture() { return sideItem(1, 5).picture().id; }

    static QImage picture(const QString& path) {
        QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        return image;
    }

    qreal ratio = 1;
    QImage shot;
};

// How many pixels two images of one size differ in; -1 if their sizes differ.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

TEST_F(ScaleTest, LayoutAndClicksStayInLogicalPixels) {
    EXPECT_NEAR(shot.width(), 1016 * ratio, 1.0);
    EXPECT_NEAR(shot.height(), 525 * ratio, 1.0);
    EXPECT_EQ(sideItem(1, 5).geometry(), QRect(672, 136, 79, 97));
    EXPECT_EQ(sideItem(5, 5).geometry(), QRect(288, 136, 79, 97));
    // The 24-pixel strip of a lower card still belongs to it.
    clickAt(sideItem(1, 4).geometry().topLeft() + QPoint(10, 40));
    EXPECT_EQ(state.selectedCard, kNoCard);
    clickAt(sideItem(1, 5).geometry().center());
    EXPECT_EQ(state.selectedCard, state.sideStacks[1][5]);
}

TEST_F(ScaleTest, CardsAreDrawnFromThePictureThatFitsTheRatio) {
    const QImage card = topCardOfStack1();
    // The card of the row below covers the bottom line.
    const QRect uncovered(0, 0, card.width(), card.height() - static_cast<int>(std::ceil(ratio)));
    if (ratio == 1.0) {
        EXPECT_EQ(
            differingPixels(card.copy(uncovered),
                            picture(resources::cardPicturePath(topCardPicture())).copy(uncovered)),
            0);
    } else if (ratio == 2.0) {
        EXPECT_EQ(
            differingPixels(
                card.copy(uncovered),
                picture(resources::doubleSizePath(resources::cardPicturePath(topCardPicture())))
                    .copy(uncovered)),
            0);
    } else {
        const QImage scaled =
            picture(resources::doubleSizePath(resources::cardPicturePath(topCardPicture())))
                .scaled(card.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(differingPixels(card.copy(uncovered), scaled.copy(uncovered)), 0);
    }
}

// How much ink a column (or row) of the card's edge holds, over `depth` device pixels in from
// the edge: 1.0 is one device pixel of full black.
double inkAcross(const QImage& card, QPoint from, QPoint step, int depth) {
    double ink = 0;
    for (int i = 0; i < depth; ++i) {
        ink += 1.0 - qGray(card.pixel(from + step * i)) / 255.0;
    }
    return ink;
}

// Scaled to any ratio the outline is as wide on the right as on the left, and at the bottom
// as at the top, all along the straight edges: never one pixel here and two pixels there.
TEST_F(ScaleTest, OutlinesAreEvenAtEveryRatio) {
    const QImage card = topCardOfStack1();
    const double width = ratio;  // the outline is one logical pixel wide
    const int depth = static_cast<int>(std::ceil(2 * ratio)) + 1;
    const int corner = static_cast<int>(std::ceil(12 * ratio));
    // The right outline is the second column from the right; the last one is white.
    const int right = card.width() - 1 - static_cast<int>(std::floor(ratio));
    for (int y = corner; y < card.height() - corner; ++y) {
        const double left = inkAcross(card, {0, y}, {1, 0}, depth);
        const double onRight = inkAcross(card, {right, y}, {-1, 0}, depth);
        ASSERT_NEAR(left, width, 0.15) << "row " << y;
        ASSERT_NEAR(onRight, width, 0.15) << "row " << y;
    }
    for (int x = corner; x < card.width() - corner; ++x) {
        ASSERT_NEAR(inkAcross(card, {x, 0}, {0, 1}, depth), width, 0.15) << "column " << x;
        ASSERT_NEAR(inkAcross(card, {x, card.height() - 1}, {0, -1}, depth), width, 0.15)
            << "column " << x;
    }
}

}  // namespace
