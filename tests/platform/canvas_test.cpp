#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPixmap>
#include <QTest>
#include <functional>

#include "platform/fixed_label.h"
#include "platform/image_canvas.h"

namespace {

using platform::Image;
using platform::ImageCanvas;
using platform::Picture;

Picture solid(int id, QSize size, Qt::GlobalColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return Picture{id, pixmap};
}

// Three overlapping images "A0", "A1", "A2" at x = 10, 30, 50 (40 x 40, A2 on top), one
// more "A3" apart and a label over empty background. Every click is logged as the image's
// name or "background".
class CanvasTest : public ::testing::Test {
public:
    void SetUp() override {
        canvas_.resize(200, 100);
        for (int i = 0; i < 3; ++i) {
            items_.push_back(&canvas_.addImage(QRect(10 + 20 * i, 10, 40, 40), i));
        }
        single_ = &canvas_.addImage(QRect(150, 10, 30, 30), 3);
        QObject::connect(&canvas_, &ImageCanvas::clicked, [this](const Image* image) {
            log_.push_back(image ? "A" + QString::number(image->key()) : "background");
        });
        new platform::FixedLabel("Selected Card", QRect(10, 60, 60, 20), &canvas_);
        canvas_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas_));
    }

    Image& item(int i) { return *items_[static_cast<std::size_t>(i)]; }
    // Input goes to the window, which routes it to the widget under the pointer as a real
    // click would; the canvas is the window's only content, so their coordinates agree.
    QWindow* window() { return canvas_.windowHandle(); }

    ImageCanvas canvas_;
    std::vector<Image*> items_;
    Image* single_ = nullptr;
    QStringList log_;
};

struct ClickCase {
    const char* name;
    std::function<void(CanvasTest&)> arrange;
    QPoint point;
    std::string expected;  // the raised clicks, comma-separated
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class ClickRoutingTest : public CanvasTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickRoutingTest, RaisesTheExpectedClick) {
    if (GetParam().arrange) {
        GetParam().arrange(*this);
    }
    QTest::mouseClick(window(), Qt::LeftButton, {}, GetParam().point);
    EXPECT_EQ(log_.join(",").toStdString(), GetParam().expected);
}

const ClickCase kClickCases[] = {
    {"TopmostItemTakesTheClick", {}, {55, 20}, "A2"},
    {"VisibleStripOfLowerItemTakesTheClick", {}, {35, 20}, "A1"},
    {"HiddenItemPassesTheClickToTheItemBelow",
     [](CanvasTest& t) { t.item(2).setVisible(false); },
     {55, 20},
     "A1"},
    {"HiddenItemPassesTheClickToTheBackground",
     [](CanvasTest& t) { t.item(2).setVisible(false); },
     {85, 20},
     "background"},
    {"ClickOnNoImageIsABackgroundClick", {}, {120, 90}, "background"},
    {"ImageApartReportsItsKey", {}, {160, 20}, "A3"},
    {"LabelSwallowsTheClick", {}, {20, 65}, ""},
    {"ImageTakesThePictureSizeAndKeepsItsCorner",
     [](CanvasTest& t) {
         t.item(2).setPicture(solid(1, {10, 10}, Qt::red));
     },
     {65, 20},
     "A1"},
    {"ImageGrowsToThePictureSize",
     [](CanvasTest& t) {
         t.item(2).setPicture(solid(1, {79, 97}, Qt::red));
     },
     {120, 45},
     "A2"},
    {"NullPictureKeepsTheDesignSize",
     [](CanvasTest& t) { t.item(2).setPicture(Picture{}); },
     {85, 45},
     "A2"},
};

INSTANTIATE_TEST_SUITE_P(Canvas, ClickRoutingTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasTest, PressOnOneImageAndReleaseOnAnotherRaisesNothing) {
    QTest::mousePress(window(), Qt::LeftButton, {}, {15, 20});
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {85, 20});
    QTest::mousePress(window(), Qt::LeftButton, {}, {85, 20});
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {120, 90});
    EXPECT_EQ(log_.join(",").toStdString(), "");
}

TEST_F(CanvasTest, DoubleClickIsOneClick) {
    QTest::mouseDClick(window(), Qt::LeftButton, {}, {55, 20});
    QTest::mouseDClick(window(), Qt::LeftButton, {}, {120, 90});
    EXPECT_EQ(log_.join(",").toStdString(), "A2,background");
    // A double-click does not swallow the next click.
    QTest::mouseClick(window(), Qt::LeftButton, {}, {55, 20}, 1000);
    EXPECT_EQ(log_.join(",").toStdString(), "A2,background,A2");
}

TEST_F(CanvasTest, RightButtonRaisesNothing) {
    QTest::mouseClick(window(), Qt::RightButton, {}, {55, 20});
    EXPECT_EQ(log_.join(",").toStdString(), "");
}

TEST_F(CanvasTest, PaintsVisiblePicturesInOrderAndNothingElse) {
    item(0).setPicture(solid(1, {40, 40}, Qt::red));
    item(1).setPicture(solid(2, {40, 40}, Qt::green));
    item(2).setPicture(solid(3, {40, 40}, Qt::blue));
    item(2).setVisible(false);
    single_->setPicture(solid(4, {30, 30}, Qt::yellow));
    const QRgb background = canvas_.palette().color(QPalette::Window).rgb();

    QImage shot = canvas_.grab().toImage();
    EXPECT_EQ(shot.pixel(15, 15), QColor(Qt::red).rgb());
    EXPECT_EQ(shot.pixel(45, 15), QColor(Qt::green).rgb());  // item 1 over item 0
    EXPECT_EQ(shot.pixel(75, 15), background);               // hidden item 2
    EXPECT_EQ(shot.pixel(160, 20), QColor(Qt::yellow).rgb());
    EXPECT_EQ(shot.pixel(5, 5), background);

    // A region of two rectangles goes through the canvas's buffered path: the same pixels
    // inside it, nothing painted outside it.
    QImage split(canvas_.size(), QImage::Format_ARGB32_Premultiplied);
    split.fill(Qt::magenta);
    // render() puts the region's bounding corner at the offset given.
    canvas_.render(&split, {10, 10}, QRegion(10, 10, 40, 10) + QRegion(150, 10, 30, 10));
    EXPECT_EQ(split.pixel(45, 15), QColor(Qt::green).rgb());
    EXPECT_EQ(split.pixel(15, 15), QColor(Qt::red).rgb());
    EXPECT_EQ(split.pixel(160, 15), QColor(Qt::yellow).rgb());
    EXPECT_EQ(split.pixel(45, 25), QColor(Qt::magenta).rgb());
    EXPECT_EQ(split.pixel(100, 15), QColor(Qt::magenta).rgb());
}

TEST_F(CanvasTest, ImageAtFindsTheTopmostVisibleImage) {
    EXPECT_EQ(canvas_.imageAt({55, 20}), &item(2));
    EXPECT_EQ(canvas_.imageAt({35, 20}), &item(1));
    item(2).setVisible(false);
    EXPECT_EQ(canvas_.imageAt({55, 20}), &item(1));
    EXPECT_EQ(canvas_.imageAt({120, 90}), nullptr);
    EXPECT_EQ(item(0).geometry(), QRect(10, 10, 40, 40));
}

}  // namespace

namespace {

// Whether the label's text, wrapped at its width in its font, fits `room`.
bool fitsIn(const QLabel& label, QSize room) {
    const QRect needed =
        QFontMetrics(label.font())
            .boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
                          static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    return needed.right() < room.width() && needed.bottom() < room.height();
}

// Labels fitted to their room: when one text does not fit its rectangle, the client area and
// the label below it, every label of the window takes the largest size at which all fit.
TEST(LabelFitting, OneWindowOneSizeAtWhichEveryTextFits) {
    using platform::FixedLabel;
    QWidget window;
    const QString longText = QStringLiteral(
        "A rather long sentence that needs several lines at the default size of the font");
    auto* fitting = new FixedLabel(QStringLiteral("Short"), {0, 0, 200, 20}, &window);
    auto* crowded = new FixedLabel(longText, {0, 30, 200, 60}, &window);
    auto* below = new FixedLabel(QStringLiteral("Below"), {0, 70, 200, 20}, &window);
    auto* atTheEdge =
        new FixedLabel(QStringLiteral("Sorry, Game Over"), {150, 100, 200, 100}, &window);
    const qreal inherited = window.font().pointSizeF();
    ASSERT_FALSE(fitsIn(*crowded, {200, 40})) << "the case needs a long text";
    ASSERT_FALSE(fitsIn(*atTheEdge, {90, 100})) << "the case needs a wide text";

    // 90 pixels are left to the right of atTheEdge.
    platform::fitTextsToRoom(window.findChildren<FixedLabel*>(), {240, 200});

    const qreal fitted = crowded->font().pointSizeF();
    EXPECT_LT(fitted, inherited);
    EXPECT_GE(fitted, 7.0);
    for (const FixedLabel* label : {fitting, below, atTheEdge}) {
        EXPECT_EQ(label->font().pointSizeF(), fitted) << label->text().toStdString();
    }
    EXPECT_TRUE(fitsIn(*crowded, {200, 40})) << "runs into the label below";
    EXPECT_TRUE(fitsIn(*atTheEdge, {90, 100})) << "runs off the window";
    QFont larger = crowded->font();
    larger.setPointSizeF(fitted + 0.5);
    crowded->setFont(larger);
    atTheEdge->setFont(larger);
    EXPECT_FALSE(fitsIn(*crowded, {200, 40}) && fitsIn(*atTheEdge, {90, 100}))
        << "half a point larger would have fitted as well";
}

TEST(LabelFitting, TextsThatFitKeepTheInheritedFont) {
    QWidget window;
    const qreal inherited = window.font().pointSizeF();
    auto* label = new platform::FixedLabel(QStringLiteral("Short"), {0, 0, 200, 20}, &window);
    platform::fitTextsToRoom({label}, {200, 20});
    EXPECT_EQ(label->font().pointSizeF(), inherited);
}

}  // namespace
