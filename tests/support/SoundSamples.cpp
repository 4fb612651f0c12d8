#include "support/SoundSamples.h"

#include "art/Art.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <sndfile.h>

namespace testsupport::sound {

namespace {

void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}
void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

} // namespace

std::vector<float> tone(int rate, double hz, double seconds, double amplitude) {
    std::vector<float> samples(std::size_t(std::lround(rate * seconds)));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(amplitude * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    return samples;
}

bool writeTone(const QString& path, Container container, int rate, int channels, double hz,
               double seconds, double amplitude) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    switch (container) {
    case Container::Wav:
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        break;
    case Container::Flac:
        info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        break;
    case Container::Ogg:
        info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        break;
    case Container::Mp3:
        info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        break;
    }
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const std::vector<float> mono = tone(rate, hz, seconds, amplitude);
    std::vector<float> frames;
    frames.reserve(mono.size() * std::size_t(channels));
    for (const float s : mono)
        frames.insert(frames.end(), std::size_t(channels), s);
    const sf_count_t written = sf_writef_float(file, frames.data(), sf_count_t(mono.size()));
    sf_close(file);
    return written == sf_count_t(mono.size());
}

bool writeSparseWav(const QString& path, qint64 bytes) {
    const QString tonePath = path + QStringLiteral(".tone");
    if (!writeTone(tonePath, Container::Wav, 44100, 2, 440, 0.2))
        return false;
    QFile tone(tonePath);
    if (!tone.open(QIODevice::ReadOnly))
        return false;
    QByteArray header = tone.readAll();
    tone.remove();
    const qsizetype data = header.indexOf("data");
    if (data < 0 || bytes > 0xFFFFFFFFll || bytes < header.size())
        return false;
    const quint32 riffSize = quint32(bytes - 8);
    const quint32 dataSize = quint32(bytes - data - 8);
    for (int i = 0; i < 4; ++i) {
        header[4 + i] = char((riffSize >> (8 * i)) & 0xFF);
        header[data + 4 + i] = char((dataSize >> (8 * i)) & 0xFF);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.resize(bytes);
}

QByteArray alarmWav() {
    const QByteArray own = art::data(u"WAVE.1.wav");
    if (!own.isEmpty())
        return own;
    constexpr int rate = 11025;
    constexpr int count = 5200;
    QByteArray wav;
    wav.append("RIFF");
    put32(wav, 36 + count);
    wav.append("WAVEfmt ");
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, 1);
    put32(wav, rate);
    put32(wav, rate);
    put16(wav, 1);
    put16(wav, 8);
    wav.append("data");
    put32(wav, count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        double level = 0;
        if (t > 0.0015 && t < 0.1)
            level = t < 0.065 ? 1.0 : (0.1 - t) / 0.035;
        else if (t > 0.135 && t < 0.43)
            level = (0.43 - t) / 0.295;
        const double phase = std::sin(2 * std::numbers::pi * 445 * t);
        const double square = std::clamp(3 * phase, -1.0, 1.0);
        wav.append(char(std::clamp(int(std::lround(128 + 120 * level * square)), 0, 255)));
    }
    return wav;
}

std::vector<float> readCaptureLeft(const QString& path, std::vector<float>* right) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const std::size_t frames = std::size_t(bytes.size()) / (2 * sizeof(float));
    const float* data = reinterpret_cast<const float*>(bytes.constData());
    std::vector<float> left(frames);
    if (right)
        right->resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        left[i] = data[2 * i];
        if (right)
            (*right)[i] = data[2 * i + 1];
    }
    return left;
}

std::vector<Burst> bursts(const std::vector<float>& samples, int rate, double gapMs,
                          double threshold) {
    const std::size_t window = std::size_t(rate / 100);
    const std::size_t gapWindows = std::size_t(gapMs / 10);
    std::vector<Burst> found;
    std::size_t quiet = gapWindows;
    for (std::size_t w = 0; (w + 1) * window <= samples.size(); ++w) {
        double sum = 0;
        double peak = 0;
        for (std::size_t i = w * window; i < (w + 1) * window; ++i) {
            sum += double(samples[i]) * samples[i];
            peak = std::max(peak, double(std::fabs(samples[i])));
        }
        const double ms = double(w * window) * 1000.0 / rate;
        if (std::sqrt(sum / double(window)) < threshold) {
            ++quiet;
            continue;
        }
        if (quiet >= gapWindows || found.empty())
            found.push_back({ms, ms + 10, peak});
        found.back().endMs = ms + 10;
        found.back().peak = std::max(found.back().peak, peak);
        quiet = 0;
    }
    return found;
}

double powerAt(const std::vector<float>& samples, std::size_t from, std::size_t count, double hz,
               int rate) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / rate);
    double s1 = 0, s2 = 0;
    const std::size_t end = std::min(samples.size(), from + count);
    for (std::size_t i = from; i < end; ++i) {
        const double s0 = samples[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double n = double(std::max<std::size_t>(1, end - std::min(end, from)));
    return (s1 * s1 + s2 * s2 - coefficient * s1 * s2) / (n * n);
}

double dominantHz(const std::vector<float>& samples, std::size_t from, std::size_t count, int rate,
                  double lowHz, double highHz) {
    double best = 0;
    double bestHz = 0;
    for (double hz = lowHz; hz <= highHz; hz += 5) {
        const double p = powerAt(samples, from, count, hz, rate);
        if (p > best) {
            best = p;
            bestHz = hz;
        }
    }
    return bestHz;
}

} // namespace testsupport::sound
