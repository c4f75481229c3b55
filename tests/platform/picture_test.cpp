#include "platform/picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/twips.h"

namespace {

using platform::PictureCache;

static_assert(platform::twipsRect(8280, 2040, 975, 1215) == QRect(552, 136, 65, 81));
static_assert(platform::twipsRect(6120 - 360 * 17, 0, 0, 0).left() == 0);
static_assert(platform::twipsSize(15240, 7875) == QSize(1016, 525));
static_assert(platform::twipsToPixels(-360) == -24 && platform::twipsToPixels(7) == 0 &&
              platform::twipsToPixels(8) == 1);

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QImage image(3, 2, QImage::Format_RGB888);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(dir_.filePath("101.bmp"), "BMP"));
        QFile garbage(dir_.filePath("102.bmp"));
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a bitmap");
    }

    QString pathFor(int id) {
        ++lookups_;
        return id == 101 || id == 102 ? dir_.filePath(QString::number(id) + ".bmp") : QString();
    }

    QTemporaryDir dir_;
    int lookups_ = 0;
    PictureCache cache_{[this](int id) { return pathFor(id); }};
};

TEST_F(PictureCacheTest, DecodesEachIdOnceAndHandsOutTheSamePixels) {
    const platform::Picture& first = cache_.load(101);
    EXPECT_EQ(first.id, 101);
    EXPECT_EQ(first.pixmap.size(), QSize(3, 2));
    EXPECT_EQ(first.pixmap.toImage().pixel(1, 1), QColor(Qt::red).rgb());
    const platform::Picture& second = cache_.load(101);
    EXPECT_EQ(second.pixmap.cacheKey(), first.pixmap.cacheKey());
    EXPECT_EQ(lookups_, 1);
}

TEST_F(PictureCacheTest, IdWithoutPathGivesTheNullPictureOnce) {
    EXPECT_TRUE(cache_.load(999).isNull());
    EXPECT_EQ(cache_.load(999).id, 0);
    EXPECT_EQ(lookups_, 1);
}

TEST_F(PictureCacheTest, UnreadableFileGivesTheNullPicture) {
    const platform::Picture& picture = cache_.load(102);
    EXPECT_TRUE(picture.isNull());
    EXPECT_EQ(picture.id, 0);
    EXPECT_FALSE(cache_.load(101).isNull());
}

// A picture of 4 x 2 with its double of 8 x 4, each black on its left half and white on its
// right half.
class SharperPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        normal_ = halves(QSize(4, 2));
        ASSERT_TRUE(halves(QSize(8, 4)).save(dir_.filePath("twice.bmp"), "BMP"));
    }

    static QPixmap halves(QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width() / 2; ++x) {
                image.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        return QPixmap::fromImage(image);
    }

    QTemporaryDir dir_;
    QPixmap normal_;
};

TEST_F(SharperPictureTest, EachRatioGetsItsOwnPixelsAtTheSameLogicalSize) {
    const platform::Picture picture(7, normal_, dir_.filePath("twice.bmp"));
    EXPECT_EQ(picture.forRatio(1.0).cacheKey(), normal_.cacheKey());

    const QPixmap twice = picture.forRatio(2.0);
    EXPECT_EQ(twice.size(), QSize(8, 4));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.forRatio(2.0).cacheKey(), twice.cacheKey()) << "decoded again";

    const QPixmap between = picture.forRatio(1.5);
    EXPECT_EQ(between.size(), QSize(6, 3));
    EXPECT_EQ(between.devicePixelRatio(), 1.5);
    EXPECT_EQ(between.deviceIndependentSize(), QSizeF(4, 2));
    const QImage pixels = between.toImage();
    EXPECT_EQ(qGray(pixels.pixel(0, 1)), 0);
    EXPECT_EQ(qGray(pixels.pixel(5, 1)), 255);

    const platform::Picture copy = picture;
    EXPECT_EQ(copy.forRatio(1.5).cacheKey(), between.cacheKey()) << "copies share the scaling";
}

TEST_F(SharperPictureTest, WithoutADoubleThePictureItselfIsDrawn) {
    const platform::Picture alone(7, normal_);
    EXPECT_EQ(alone.forRatio(1.5).cacheKey(), normal_.cacheKey());
    const platform::Picture missing(7, normal_, dir_.filePath("missing.bmp"));
    EXPECT_EQ(missing.forRatio(2.0).cacheKey(), normal_.cacheKey());
    EXPECT_EQ(missing.forRatio(1.5).cacheKey(), normal_.cacheKey());
}

TEST_F(PictureCacheTest, TheDoubleSizePathIsLookedUpFromThePicturesPath) {
    const QString own = dir_.filePath("101.bmp");
    PictureCache cache([this](int id) { return pathFor(id); },
                       [own](const QString& path) { return path == own ? own : QString(); });
    const platform::Picture& picture = cache.load(101);
    EXPECT_EQ(picture.forRatio(2.0).devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.forRatio(2.0).size(), QSize(3, 2));
}

}  // namespace
