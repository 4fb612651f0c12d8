#include "AlarmSound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

constexpr int kRate = 11025;
constexpr int kSamples = 5200;
constexpr double kTone = 445.0;

// Loudness at time t (seconds), 1 = full scale.
double envelope(double t) {
    auto ramp = [](double t, double from, double to) {
        return std::clamp((t - from) / (to - from), 0.0, 1.0);
    };
    if (t < 0.1000) {
        // First strike: on at 1.5 ms, full by 5.5 ms, held until 65 ms, gone by 100 ms.
        if (t < 0.0650)
            return ramp(t, 0.0015, 0.0055);
        const double fall = 1.0 - ramp(t, 0.0650, 0.1000);
        return fall * fall;
    }
    if (t < 0.1350) {
        // A quiet swell between the strikes.
        const double swell = ramp(t, 0.1050, 0.1350);
        return 0.18 * swell * swell;
    }
    // Second strike: in near full level at 135 ms, faded out by 430 ms.
    const double fall = 1.0 - ramp(t, 0.1350, 0.4300);
    return 0.92 * fall * fall;
}

void put16(QByteArray& out, std::uint16_t v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

} // namespace

QByteArray alarmWave() {
    QByteArray wav;
    wav.append("RIFF");
    put32(wav, 36 + kSamples);
    wav.append("WAVE");
    wav.append("fmt ");
    put32(wav, 16);
    put16(wav, 1);     // PCM
    put16(wav, 1);     // mono
    put32(wav, kRate); // samples per second
    put32(wav, kRate); // bytes per second
    put16(wav, 1);     // block size
    put16(wav, 8);     // bits per sample
    wav.append("data");
    put32(wav, kSamples);
    for (int n = 0; n < kSamples; ++n) {
        const double t = double(n) / kRate;
        // An overdriven sine clips into a square-like buzz with strong odd harmonics.
        const double raw = 3.0 * std::sin(2.0 * M_PI * kTone * t);
        const double wave = std::clamp(raw, -1.0, 1.0);
        const int value = 128 + int(std::lround(127.0 * envelope(t) * wave));
        wav.append(char(std::clamp(value, 0, 255)));
    }
    return wav;
}

} // namespace artgen
