// The sound player against SDL's disk driver: what the device was given is captured in a file
// (float32, stereo, 48 kHz) and analysed for the tones the test expects.
#include "platform/SoundDecoder.h"
#include "platform/SoundPlayer.h"
#include "platform/SoundTheme.h"
#include "support/ScopedEnv.h"
#include "support/SoundSamples.h"
#include "support/Wait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using platform::SoundPlayer;
namespace sound = testsupport::sound;
using testsupport::runEventsFor;
using testsupport::ScopedEnv;
using testsupport::waitUntil;

namespace {

qint64 timed(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.elapsed();
}

int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).count()) - 2;
}

// Each test captures into its own file; the disk driver opens it when the device opens.
class SoundPlayerDisk : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        useCapture(QStringLiteral("capture.raw"));
    }

    void useCapture(const QString& name) {
        m_capture = m_dir.filePath(name);
        m_captureEnv.emplace("SDL_DISKAUDIOFILE", QFile::encodeName(m_capture));
    }

    // The capture is complete once the player has closed its device.
    std::vector<float> captureOf(SoundPlayer& player) {
        EXPECT_TRUE(waitUntil([&] { return !player.DeviceOpen(); }, 20000));
        return sound::readCaptureLeft(m_capture);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_capture;
    ScopedEnv m_driver{"SDL_AUDIODRIVER", "disk"};
    std::optional<ScopedEnv> m_captureEnv;
};

double durationMs(const sound::Burst& burst) {
    return burst.endMs - burst.startMs;
}

std::size_t frameAt(double ms) {
    return std::size_t(ms * 48);
}

} // namespace

// The alarm: five plays one second apart give five bursts of the 445 Hz tone, each whole.
//
// A paused SDL device keeps writing silence at the driver's pace, and the player keeps its device
// open between plays this close together, so the capture is one continuous file whose positions
// follow the clock. The spacing seen in it is the spacing of the plays, give or take the driver's
// own pace: it sleeps a fixed time per 1024-frame buffer, so on a busy machine the file runs
// behind the clock (bursts look closer) and late timers here move plays later (bursts look
// further apart). A wide band around 1000 ms holds either way; a player that queued plays back to
// back, or dropped one, would be far outside it.
TEST_F(SoundPlayerDisk, AlarmGivesFiveBurstsOneSecondApart) {
    const int threadsBefore = threadCount();
    SoundPlayer player;
    player.SetBuiltInSound(sound::alarmWav());
    for (int i = 0; i < 5; ++i) {
        EXPECT_LT(timed([&] { player.PlayBuiltIn(); }), 500);
        EXPECT_TRUE(player.Playing());
        runEventsFor(1000);
    }
    const std::vector<float> left = captureOf(player);
    EXPECT_EQ(threadCount(), threadsBefore); // idle again: no audio thread left behind

    const auto found = sound::bursts(left);
    ASSERT_EQ(found.size(), 5u);
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(durationMs(found[i]), 300);
        EXPECT_LT(durationMs(found[i]), 520);
        EXPECT_NEAR(sound::dominantHz(left, frameAt(found[i].startMs) + 96, 2400), 445, 15);
        if (i > 0) {
            const double spacing = found[i].startMs - found[i - 1].startMs;
            EXPECT_GT(spacing, 700);
            EXPECT_LT(spacing, 1400);
        }
    }
}

// A chosen file of the kinds people keep sounds in plays once, whole, at its pitch,
// whatever its rate and channels.
TEST_F(SoundPlayerDisk, SoundFilesPlayOnce) {
    const struct {
        const char* name;
        sound::Container container;
        int rate;
        int channels;
        double hz;
    } cases[] = {
        {"tone.wav", sound::Container::Wav, 44100, 1, 660},
        {"tone.flac", sound::Container::Flac, 48000, 2, 550},
        {"tone.ogg", sound::Container::Ogg, 22050, 1, 770},
        {"tone.mp3", sound::Container::Mp3, 44100, 2, 880},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(c.name);
        ASSERT_TRUE(sound::writeTone(file, c.container, c.rate, c.channels, c.hz, 0.6));
        useCapture(QString::fromUtf8(c.name) + ".raw");
        SoundPlayer player;
        player.SetLingerMs(200);
        EXPECT_LT(timed([&] { player.PlayNamed(file); }), 500);
        EXPECT_EQ(player.LastSource(), file);
        const std::vector<float> left = captureOf(player);
        const auto found = sound::bursts(left);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_NEAR(durationMs(found[0]), 600, 40);
        EXPECT_NEAR(sound::dominantHz(left, frameAt(found[0].startMs) + 2400, 9600), c.hz, 10);
    }
}

// A new play cuts off the one still sounding: a three-second tone stopped by the alarm after half
// a second leaves half a second of tone, then the alarm, then nothing.
TEST_F(SoundPlayerDisk, NewPlayCutsOffTheOld) {
    const QString file = path("long.wav");
    ASSERT_TRUE(sound::writeTone(file, sound::Container::Wav, 44100, 2, 660, 3.0));
    SoundPlayer player;
    player.SetBuiltInSound(sound::alarmWav());
    player.SetLingerMs(200);
    player.PlayNamed(file);
    runEventsFor(500);
    player.PlayBuiltIn();
    const std::vector<float> left = captureOf(player);

    const auto found = sound::bursts(left);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_GT(durationMs(found[0]), 700);
    EXPECT_LT(durationMs(found[0]), 1400);
    const std::size_t start = frameAt(found[0].startMs);
    const std::size_t end = frameAt(found[0].endMs);
    EXPECT_NEAR(sound::dominantHz(left, start + 4800, 9600), 660, 10);
    // Where the tone stops, in 25 ms steps: about half a second in, and the alarm sounds after it.
    const double tone = sound::powerAt(left, start + 4800, 2400, 660);
    std::size_t toneEnd = start;
    for (std::size_t at = start; at + 2400 <= end; at += 1200) {
        if (sound::powerAt(left, at, 2400, 660) > tone / 10)
            toneEnd = at + 2400;
    }
    EXPECT_NEAR(double(toneEnd - start) / 48, 500, 200);
    EXPECT_GT(double(end - toneEnd) / 48, 300);
    EXPECT_NEAR(sound::dominantHz(left, toneEnd + 480, 2400), 445, 15);
}

// What cannot be played plays the desktop's bell; a theme name plays the theme's sound.
TEST_F(SoundPlayerDisk, UnplayableNamesPlayTheBellAndThemeNamesTheirSound) {
    const QString bell = platform::SoundTheme().Find(QStringLiteral("bell"));
    if (bell.isEmpty())
        GTEST_SKIP() << "no freedesktop sound theme installed";
    const QString alarm = platform::SoundTheme().Find(QStringLiteral("alarm-clock-elapsed"));
    const QString fifo = path("fifo.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString text = path("notes.wav");
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a sound\n");
    }
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        {path("missing.wav"), bell},
        {QString(), bell},
        {text, bell},
        {fifo, bell},
        {m_dir.path(), bell},
        {QStringLiteral("alarm-clock-elapsed"), alarm},
        {QStringLiteral("alarm-clock-elapsed-for-tea"), alarm},
    };
    SoundPlayer player;
    player.SetLingerMs(200);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_LT(timed([&] { player.PlayNamed(c.name); }), 500);
        EXPECT_EQ(player.LastSource().toStdString(), c.expected.toStdString());
        EXPECT_TRUE(player.Playing());
    }
    player.Stop();
    EXPECT_TRUE(waitUntil([&] { return !player.DeviceOpen(); }, 5000));

    // The bell is heard, whole: as long as the theme's file.
    useCapture(QStringLiteral("bell.raw"));
    SoundPlayer fresh;
    fresh.SetLingerMs(200);
    fresh.PlayNamed(path("missing.wav"));
    const std::vector<float> left = captureOf(fresh);
    auto decoded = platform::SoundDecoder::OpenFile(bell);
    ASSERT_TRUE(decoded);
    const double bellMs = double(decoded->DecodeAll().size() / 2) / 48.0;
    const auto found = sound::bursts(left, 48000, 200, 0.005);
    ASSERT_FALSE(found.empty());
    EXPECT_LE(found.back().endMs - found.front().startMs, bellMs + 20);
    EXPECT_GT(found.back().endMs - found.front().startMs, bellMs / 3);
}

// With no sound theme at all, the built-in alarm stands in for the bell.
TEST_F(SoundPlayerDisk, WithoutAThemeTheBuiltInSoundStandsIn) {
    QDir().mkpath(path("data-home"));
    QDir().mkpath(path("data-dirs"));
    ScopedEnv home("XDG_DATA_HOME", QFile::encodeName(path("data-home")));
    ScopedEnv dirs("XDG_DATA_DIRS", QFile::encodeName(path("data-dirs")));
    SoundPlayer player;
    player.SetBuiltInSound(sound::alarmWav());
    player.SetLingerMs(200);
    player.PlayNamed(path("missing.wav"));
    EXPECT_EQ(player.LastSource(), QString());
    const std::vector<float> left = captureOf(player);
    const auto found = sound::bursts(left);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(sound::dominantHz(left, frameAt(found[0].startMs) + 96, 2400), 445, 15);
}

// A file announcing hours of sound (a sparse gigabyte) starts at once and is decoded as it plays;
// the next play cuts it off.
TEST_F(SoundPlayerDisk, HugeFileNeverBlocks) {
    const QString huge = path("huge.wav");
    ASSERT_TRUE(sound::writeSparseWav(huge, qint64(1) << 30));
    SoundPlayer player;
    player.SetBuiltInSound(sound::alarmWav());
    player.SetLingerMs(200);
    EXPECT_LT(timed([&] { player.PlayNamed(huge); }), 500);
    EXPECT_EQ(player.LastSource(), huge);
    // Still going after a second (decoding silence); an event loop that had been held up by the
    // whole gigabyte would have returned late.
    EXPECT_LT(timed([] { runEventsFor(1000); }), 1500);
    EXPECT_TRUE(player.Playing());
    player.PlayBuiltIn();
    const std::vector<float> left = captureOf(player);
    const auto found = sound::bursts(left);
    ASSERT_EQ(found.size(), 2u); // the file's tone, then the alarm after about a second
    EXPECT_NEAR(sound::dominantHz(left, frameAt(found[1].startMs) + 96, 2400), 445, 15);
}

// No audio device: every play is silent and returns at once, and a later play, once a device is
// there, is heard.
TEST_F(SoundPlayerDisk, NoDeviceIsSilentAndTheNextPlayTriesAgain) {
    SoundPlayer player;
    player.SetBuiltInSound(sound::alarmWav());
    player.SetLingerMs(200);
    const QString file = path("tone.wav");
    ASSERT_TRUE(sound::writeTone(file, sound::Container::Wav, 44100, 1, 660, 0.3));
    {
        ScopedEnv none("SDL_AUDIODRIVER", "nonexistent");
        EXPECT_LT(timed([&] { player.PlayBuiltIn(); }), 500);
        EXPECT_FALSE(player.DeviceOpen());
        EXPECT_FALSE(player.Playing());
        EXPECT_LT(timed([&] { player.PlayNamed(file); }), 500);
        EXPECT_FALSE(player.DeviceOpen());
        EXPECT_FALSE(player.Playing());
        runEventsFor(300);
    }
    player.PlayBuiltIn();
    EXPECT_TRUE(player.DeviceOpen());
    const std::vector<float> left = captureOf(player);
    const auto found = sound::bursts(left);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(sound::dominantHz(left, frameAt(found[0].startMs) + 96, 2400), 445, 15);
}
