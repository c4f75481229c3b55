// The committed pictures must be exactly what the generator draws, and the program must carry
// exactly the committed files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList pictureFiles() {
    QStringList files{"icon/ketterline.ico", "about/dravonne.bmp", "about/ketterline.bmp"};
    for (int id = 100; id <= 152; ++id) {
        files << QStringLiteral("cards/%1.bmp").arg(id);
    }
    return files;
}

TEST(Generator, RedrawsTheCommittedAndEmbeddedPicturesByteForByte) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    ASSERT_EQ(QProcess::execute(KETTERLINE_CARDGEN, {output.path()}), 0);
    const QDir committed(KETTERLINE_COMMITTED_RESOURCES);
    for (const QString& file : pictureFiles()) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray drawn = fileBytes(QDir(output.path()).filePath(file));
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_TRUE(drawn == fileBytes(committed.filePath(file)));
        EXPECT_TRUE(drawn == fileBytes(":/" + file));
    }
}

}  // namespace
