// The sound player's pieces that need no audio device: finding theme sounds, and decoding and
// converting files piece by piece.
#include "platform/SoundDecoder.h"
#include "platform/SoundTheme.h"
#include "support/ScopedEnv.h"
#include "support/SoundSamples.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using platform::SoundDecoder;
using platform::SoundTheme;
namespace sound = testsupport::sound;
using testsupport::ScopedEnv;

namespace {

void touch(const QString& path, const QByteArray& content = "x") {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

// A private set of data folders: a user theme inheriting from a system one (and back again, a
// loop that must end), the freedesktop theme as the last resort, and a user copy of a system sound.
TEST(SoundTheme, FindsNamesThroughInheritancePartsAndFallback) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = dir.filePath("home"), system = dir.filePath("system");
    touch(home + "/sounds/mine/index.theme", "[Sound Theme]\nName=Mine\nInherits=parent\n");
    touch(system + "/sounds/parent/index.theme", "[Sound Theme]\nName=Parent\nInherits=mine\n");
    touch(system + "/sounds/parent/stereo/dialog-warning.oga");
    touch(system + "/sounds/mine/stereo/complete.wav");
    touch(system + "/sounds/freedesktop/stereo/bell.oga");
    touch(home + "/sounds/freedesktop/stereo/bell.ogg");
    touch(system + "/sounds/freedesktop/stereo/message.wav");
    QDir().mkpath(system + "/sounds/freedesktop/stereo/folder.oga");
    ScopedEnv dataHome("XDG_DATA_HOME", home.toUtf8());
    ScopedEnv dataDirs("XDG_DATA_DIRS", system.toUtf8());

    const struct {
        const char* name;
        QString expected;
    } cases[] = {
        {"dialog-warning", system + "/sounds/parent/stereo/dialog-warning.oga"},
        {"dialog-warning-disk-full-now", system + "/sounds/parent/stereo/dialog-warning.oga"},
        {"complete", system + "/sounds/mine/stereo/complete.wav"},
        {"bell", home + "/sounds/freedesktop/stereo/bell.ogg"}, // the user's data comes first
        {"message-new-instant", system + "/sounds/freedesktop/stereo/message.wav"},
        {"folder", {}}, // not a file
        {"nothing-like-it", {}},
        {"", {}},
        {"../parent/stereo/dialog-warning", {}},
        {"-warning", {}},
        {".hidden", {}},
        {"dialog warning", {}},
        {"dialog-warning.oga/..", {}},
    };
    const SoundTheme theme(QStringLiteral("mine"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(theme.Find(QString::fromUtf8(c.name)).toStdString(), c.expected.toStdString());
    }
    // A theme that does not exist still reaches freedesktop; a bad theme name is taken as none.
    EXPECT_EQ(SoundTheme("absent").Find("bell").toStdString(),
              (home + "/sounds/freedesktop/stereo/bell.ogg").toStdString());
    EXPECT_EQ(SoundTheme("../system/sounds/parent").Find("dialog-warning").toStdString(), "");
}

// Each piece is converted with its neighbours' frames around it, so the joins do not show: a sine
// decoded piece by piece matches the ideal sine at 48 kHz all the way through, for rates that
// need resampling (up and down) and for one that does not.
TEST(SoundDecoder, PiecewiseConversionMatchesTheIdealTone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        int rate;
        int channels;
    } cases[] = {{11025, 1}, {22050, 2}, {44100, 1}, {8000, 1}, {96000, 2}, {48000, 2}, {32000, 1}};
    const double hz = 440, seconds = 1.5, amplitude = 0.5;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        const QString path = dir.filePath(QStringLiteral("tone-%1.wav").arg(c.rate));
        ASSERT_TRUE(sound::writeTone(path, sound::Container::Wav, c.rate, c.channels, hz, seconds,
                                     amplitude));
        auto decoder = SoundDecoder::OpenFile(path);
        ASSERT_TRUE(decoder);
        EXPECT_EQ(decoder->SourceRate(), c.rate);

        std::vector<float> out;
        int pieces = 0;
        std::size_t largest = 0;
        for (std::vector<float> piece; decoder->Decode(piece); piece.clear()) {
            ++pieces;
            largest = std::max(largest, piece.size());
            out.insert(out.end(), piece.begin(), piece.end());
        }
        EXPECT_TRUE(decoder->Finished());
        EXPECT_GE(pieces, 5); // a quarter of a second or so at a time
        EXPECT_LE(largest, std::size_t(48000 * 2 * 0.3));

        const std::size_t frames = out.size() / 2;
        EXPECT_NEAR(double(frames), 48000 * seconds, 2);
        // 16-bit quantisation and SDL's short filter allow a little; a dent at a join is far more.
        double worst = 0;
        std::size_t worstAt = 0;
        for (std::size_t i = 200; i + 200 < frames; ++i) {
            const double ideal =
                amplitude * std::sin(2 * std::numbers::pi * hz * double(i) / 48000);
            for (int channel = 0; channel < 2; ++channel) {
                const double error = std::fabs(out[2 * i + channel] - ideal);
                if (error > worst) {
                    worst = error;
                    worstAt = i;
                }
            }
        }
        EXPECT_LT(worst, 0.02) << "at frame " << worstAt;
    }
}

// Only regular files are opened, and opening never waits: not for a FIFO without a writer, not
// on a device, and not on a huge file.
TEST(SoundDecoder, RefusesWhatIsNotARegularSoundFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("fifo.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString text = dir.filePath("notes.wav");
    touch(text, "these are not samples\n");
    const QString empty = dir.filePath("empty.wav");
    touch(empty, "");
    const QString zeros = dir.filePath("zeros.wav");
    {
        QFile file(zeros);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(1) << 30)); // sparse: a gigabyte of nothing
    }
    for (const QString& path : {fifo, dir.path(), QStringLiteral("/dev/zero"), text, empty, zeros,
                                dir.filePath("missing.wav"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(SoundDecoder::OpenFile(path));
        EXPECT_LT(clock.elapsed(), 500);
    }
}

// A file announcing hours of sound opens at once and hands out one bounded piece at a time.
TEST(SoundDecoder, HugeFileIsDecodedAPieceAtATime) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("long.wav");
    ASSERT_TRUE(sound::writeSparseWav(path, qint64(1) << 30));
    QElapsedTimer clock;
    clock.start();
    auto decoder = SoundDecoder::OpenFile(path);
    ASSERT_TRUE(decoder);
    std::vector<float> piece;
    ASSERT_TRUE(decoder->Decode(piece));
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_GT(piece.size(), 0u);
    EXPECT_LE(piece.size(), std::size_t(48000 * 2 * 0.3));
    EXPECT_FALSE(decoder->Finished());
}

// The built-in alarm decodes from memory: 5,200 samples at 11025 Hz are 0.472 s at 48 kHz.
TEST(SoundDecoder, BuiltInAlarmDecodesFromMemory) {
    auto decoder = SoundDecoder::OpenMemory(sound::alarmWav());
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->SourceRate(), 11025);
    EXPECT_EQ(decoder->SourceChannels(), 1);
    const std::vector<float> samples = decoder->DecodeAll();
    EXPECT_NEAR(double(samples.size() / 2), 5200.0 * 48000 / 11025, 2);
    std::vector<float> left(samples.size() / 2);
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = samples[2 * i];
    EXPECT_NEAR(sound::dominantHz(left, 480, 2400), 445, 15);

    EXPECT_FALSE(SoundDecoder::OpenMemory({}));
    EXPECT_FALSE(SoundDecoder::OpenMemory(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)));
}
