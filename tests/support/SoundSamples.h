#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace testsupport {

// Sounds written for tests, and the analysis of what the player sent to SDL's disk driver.
namespace sound {

enum class Container { Wav, Flac, Ogg, Mp3 };

// A sine tone of the given length, written with libsndfile; false when it could not be written.
bool writeTone(const QString& path, Container container, int rate, int channels, double hz,
               double seconds, double amplitude = 0.5);
// A WAV file of the given size (a gigabyte, say) whose header claims it all as samples: a short
// 440 Hz tone, then a sparse stretch of silence that takes no disk space.
bool writeSparseWav(const QString& path, qint64 bytes);
// A tone as 32-bit float samples in memory (mono), for checking conversions against the ideal.
std::vector<float> tone(int rate, double hz, double seconds, double amplitude = 0.5);

// The built-in alarm's WAV: the program's own when it carries one, else a stand-in of the same
// form (PCM mono 11025 Hz 8-bit unsigned, 5,200 samples) sounding a 445 Hz square-ish tone twice.
QByteArray alarmWav();

// The disk driver's capture: interleaved float32 stereo at 48 kHz. Returns the left channel.
std::vector<float> readCaptureLeft(const QString& path, std::vector<float>* right = nullptr);

struct Burst {
    double startMs;
    double endMs;
    double peak;
};
// Stretches of sound separated by at least gapMs of silence (10 ms windows, RMS threshold).
std::vector<Burst> bursts(const std::vector<float>& samples, int rate = 48000, double gapMs = 200,
                          double threshold = 0.02);
// The strongest frequency between lowHz and highHz (5 Hz steps) in samples[from, from + count).
double dominantHz(const std::vector<float>& samples, std::size_t from, std::size_t count,
                  int rate = 48000, double lowHz = 100, double highHz = 2000);
// The power at one frequency (Goertzel), per sample.
double powerAt(const std::vector<float>& samples, std::size_t from, std::size_t count, double hz,
               int rate = 48000);

} // namespace sound

} // namespace testsupport
