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

}  // namespace
