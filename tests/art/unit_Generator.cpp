// The generator is deterministic: drawing the artwork again gives the very bytes the build
// embedded.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Generator, DrawsTheSameBytesEveryTime) {
    const QString binary = QStringLiteral(TAVORINE_BINARY_DIR "/src/art");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString again = dir.filePath("again.cpp");
    QProcess artgen;
    artgen.start(binary + "/artgen", {"--embed", again});
    ASSERT_TRUE(artgen.waitForFinished(60000));
    ASSERT_EQ(artgen.exitCode(), 0);
    QFile built(binary + "/ArtEmbedded.cpp"), redrawn(again);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    ASSERT_TRUE(redrawn.open(QIODevice::ReadOnly));
    EXPECT_TRUE(built.readAll() == redrawn.readAll());
}
