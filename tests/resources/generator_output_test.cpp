// The committed pictures must be exactly what the generator draws, and the program must carry
// exactly the committed files.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

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
    EXPECT_EQ(filesBelow(output.path()).join('\n').toStdString(),
              pictureFiles().join('\n').toStdString());
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
