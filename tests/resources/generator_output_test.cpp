// The committed pictures must be exactly what the generator draws, and the program must carry
// exactly the committed files.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every picture at normal size and, beside each bitmap, its double-size "@2x" counterpart.
QStringList pictureFiles() {
    QStringList files{"icon/ketterline.ico"};
    for (const QString suffix : {"", "@2x"}) {
        files << "about/dravonne" + suffix + ".bmp"
              << "about/ketterline" + suffix + ".bmp";
        for (int id = 100; id <= 152; ++id) {
            files << QStringLiteral("cards/%1%2.bmp").arg(id).arg(suffix);
        }
    }
    files.sort();
    return files;
}

// The program icons for the desktop's icon theme, installed from resources/icon/ and not built
// into the program.
QStringList desktopIconFiles() {
    return {"icon/ketterline-128.png", "icon/ketterline-16.png", "icon/ketterline-256.png",
            "icon/ketterline-32.png", "icon/ketterline-64.png"};
}

// The files below root, as paths relative to it, sorted.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(root).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

TEST(Generator, RedrawsTheCommittedAndEmbeddedPicturesByteForByte) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    ASSERT_EQ(QProcess::execute(KETTERLINE_CARDGEN, {output.path()}), 0);
    QStringList expected = pictureFiles() + desktopIconFiles();
    expected.sort();
    EXPECT_EQ(filesBelow(output.path()).join('\n').toStdString(),
              expected.join('\n').toStdString());
    const QDir committed(KETTERLINE_COMMITTED_RESOURCES);
    for (const QString& file : pictureFiles()) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray drawn = fileBytes(QDir(output.path()).filePath(file));
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_TRUE(drawn == fileBytes(committed.filePath(file)));
        EXPECT_TRUE(drawn == fileBytes(":/" + file));
    }
}

TEST(Generator, RedrawsTheCommittedDesktopIconsByteForByte) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    ASSERT_EQ(QProcess::execute(KETTERLINE_CARDGEN, {output.path()}), 0);
    for (const int side : {16, 32, 64, 128, 256}) {
        const QString file = QStringLiteral("icon/ketterline-%1.png").arg(side);
        SCOPED_TRACE(file.toStdString());
        const QByteArray drawn = fileBytes(QDir(output.path()).filePath(file));
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_TRUE(drawn == fileBytes(QDir(KETTERLINE_COMMITTED_RESOURCES).filePath(file)));
        const QImage image = QImage::fromData(drawn, "PNG");
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

// At 16 and 32 pixels the desktop shows the 16-colour pictures of the program's icon file.
TEST(Generator, DrawsTheSmallDesktopIconsAsTheIconFileShowsThem) {
    QImageReader reader(QDir(KETTERLINE_COMMITTED_RESOURCES).filePath("icon/ketterline.ico"));
    for (const auto& [side, picture] : {std::pair{32, 1}, std::pair{16, 2}}) {
        SCOPED_TRACE(side);
        ASSERT_TRUE(reader.jumpToImage(picture));
        const QImage desktop(QDir(KETTERLINE_COMMITTED_RESOURCES)
                                 .filePath(QStringLiteral("icon/ketterline-%1.png").arg(side)));
        EXPECT_EQ(desktop.convertToFormat(QImage::Format_ARGB32),
                  reader.read().convertToFormat(QImage::Format_ARGB32));
    }
}

// The desktop icons show the window of the 32-pixel, 16-colour icon, drawn anew at their size:
// the centre of each of their 32 x 32 cells has the colour of that pixel, while the frame, one
// pixel wide at 32, stays thinner than a cell.
TEST(Generator, DrawsTheDesktopIconsAsTheSmallIcon) {
    QImageReader reader(QDir(KETTERLINE_COMMITTED_RESOURCES).filePath("icon/ketterline.ico"));
    ASSERT_TRUE(reader.jumpToImage(1));
    const QImage small = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(32, 32));
    for (const int side : {64, 128, 256}) {
        SCOPED_TRACE(side);
        const QImage large(QDir(KETTERLINE_COMMITTED_RESOURCES)
                               .filePath(QStringLiteral("icon/ketterline-%1.png").arg(side)));
        ASSERT_EQ(large.size(), QSize(side, side));
        const int cell = side / 32;
        int mismatches = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                mismatches +=
                    large.pixel(x * cell + cell / 2, y * cell + cell / 2) != small.pixel(x, y);
            }
        }
        EXPECT_EQ(mismatches, 0);
        // The left frame along the middle row: black pixels from the window's left edge.
        const int row = side / 2;
        int frame = 0;
        while (frame < side / 2 && qGray(large.pixel(2 * cell + frame, row)) == 0) {
            ++frame;
        }
        EXPECT_GE(frame, 1);
        EXPECT_TRUE(side == 64 || frame < cell) << "frame " << frame << " pixels";
    }
}

}  // namespace
