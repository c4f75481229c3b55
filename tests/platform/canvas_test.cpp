#include <gtest/gtest.h>

#include <QPixmap>
#include <QTest>
#include <functional>

#include "platform/controls.h"
#include "platform/imagecanvas.h"

namespace {

using platform::Image;
using platform::ImageCanvas;
using platform::Picture;

Picture solid(int id, QSize size, Qt::GlobalColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return Picture{id, pixmap};
}

// Three overlapping items of array "A" at x = 10, 30, 50 (40 x 40, item 2 on top), a single
// image, a label over empty background and a picture box over item 2. Every raised click is
// logged as "A<index>", "background" or "box".
class CanvasTest : public ::testing::Test {
public:
    void SetUp() override {
        canvas_.resize(200, 100);
        array_ =
            &canvas_.addArray("A", 3, [](int16_t i) { return QRect(10 + 20 * i, 10, 40, 40); });
        array_->Click = [this](int16_t i) { log_.push_back("A" + QString::number(i)); };
        single_ = &canvas_.addImage("S", QRect(150, 10, 30, 30));
        canvas_.BackgroundClick = [this] { log_.push_back("background"); };
        new platform::Label(&canvas_, "Selected Card", QRect(10, 60, 60, 20));
        box_ = new platform::PictureBox(&canvas_, solid(7, {10, 10}, Qt::blue), {70, 30, 10, 10});
        box_->Click = [this] { log_.push_back("box"); };
        canvas_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas_));
    }

    Image& item(int16_t i) { return array_->item(i); }
    // Input goes to the window, which routes it to the widget under the pointer as a real
    // click would; the canvas is the window's only content, so their coordinates agree.
    QWindow* window() { return canvas_.windowHandle(); }

    ImageCanvas canvas_;
    platform::ImageArray* array_ = nullptr;
    Image* single_ = nullptr;
    platform::PictureBox* box_ = nullptr;
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
    {"SingleImageSwallowsTheClick", {}, {160, 20}, ""},
    {"LabelSwallowsTheClick", {}, {20, 65}, ""},
    {"VisiblePictureBoxTakesItsClick", {}, {75, 35}, "box"},
    {"HiddenPictureBoxPassesTheClickBelow", [](CanvasTest& t) { t.box_->hide(); }, {75, 35}, "A2"},
    {"DrawingOrderDecidesWhichItemTakesTheClick",
     [](CanvasTest& t) {
         t.canvas_.setDrawingOrder({&t.item(2), &t.item(1), &t.item(0)});
     },
     {55, 20},
     "A1"},
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

TEST_F(CanvasTest, RightButtonRaisesNothing) {
    QTest::mouseClick(window(), Qt::RightButton, {}, {55, 20});
    EXPECT_EQ(log_.join(",").toStdString(), "");
}

TEST_F(CanvasTest, PaintsVisiblePicturesInDrawingOrderAndNothingElse) {
    box_->hide();
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

    canvas_.setDrawingOrder({&item(1), &item(0)});
    shot = canvas_.grab().toImage();
    EXPECT_EQ(shot.pixel(45, 15), QColor(Qt::red).rgb());

    // A region of two rectangles goes through the canvas's buffered path: the same pixels
    // inside it, nothing painted outside it.
    QImage split(canvas_.size(), QImage::Format_ARGB32_Premultiplied);
    split.fill(Qt::magenta);
    // render() puts the region's bounding corner at the offset given.
    canvas_.render(&split, {10, 10}, QRegion(10, 10, 40, 10) + QRegion(150, 10, 30, 10));
    EXPECT_EQ(split.pixel(45, 15), QColor(Qt::red).rgb());
    EXPECT_EQ(split.pixel(15, 15), QColor(Qt::red).rgb());
    EXPECT_EQ(split.pixel(160, 15), QColor(Qt::yellow).rgb());
    EXPECT_EQ(split.pixel(45, 25), QColor(Qt::magenta).rgb());
    EXPECT_EQ(split.pixel(100, 15), QColor(Qt::magenta).rgb());
}

TEST_F(CanvasTest, ImagesKeepTheirIdentity) {
    EXPECT_EQ(array_->count(), 3);
    EXPECT_EQ(item(1).index(), 1);
    EXPECT_EQ(item(1).array(), array_);
    EXPECT_EQ(single_->index(), -1);
    EXPECT_EQ(&canvas_.array("A"), array_);
    EXPECT_EQ(&canvas_.image("S"), single_);
    EXPECT_EQ(canvas_.imageAt({55, 20}), &item(2));
    EXPECT_EQ(item(0).geometry(), QRect(10, 10, 40, 40));
}

TEST_F(CanvasTest, ItemOutOfRangeEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(array_->item(3), "out of range");
    EXPECT_DEATH(array_->item(-1), "out of range");
}

}  // namespace

namespace {

// Labels fitted to their room: a text that fits keeps the inherited font, one that does not
// shrinks until it fits its rectangle, the client area and the label below it.
TEST(LabelFitting, ShrinksOnlyTextsThatDoNotFitTheirRoom) {
    QWidget window;
    const QString longText = QStringLiteral(
        "A rather long sentence that needs several lines at the default size of the font");
    auto* fitting = new platform::Label(&window, QStringLiteral("Short"), {0, 0, 200, 20});
    auto* crowded = new platform::Label(&window, longText, {0, 30, 200, 60});
    auto* below = new platform::Label(&window, QStringLiteral("Below"), {0, 70, 200, 20});
    auto* atTheEdge =
        new platform::Label(&window, QStringLiteral("Sorry, Game Over"), {150, 100, 200, 100});
    const qreal inherited = window.font().pointSizeF();
    ASSERT_FALSE(crowded->fits(crowded->font(), {200, 40})) << "the case needs a long text";
    ASSERT_FALSE(atTheEdge->fits(atTheEdge->font(), {90, 100})) << "the case needs a wide text";

    platform::fitLabels(window, {240, 200});  // 90 pixels left right of atTheEdge

    EXPECT_EQ(fitting->font().pointSizeF(), inherited);
    EXPECT_EQ(below->font().pointSizeF(), inherited);
    EXPECT_LT(crowded->font().pointSizeF(), inherited);
    EXPECT_GE(crowded->font().pointSizeF(), platform::Label::kSmallestPointSize);
    EXPECT_TRUE(crowded->fits(crowded->font(), {200, 40})) << "runs into the label below";
    EXPECT_TRUE(atTheEdge->fits(atTheEdge->font(), {90, 100})) << "runs off the window";
}

}  // namespace
