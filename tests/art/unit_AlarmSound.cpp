// The built-in alarm: the exact WAV header, its length, and a tone of about 445 Hz struck twice.
#include "art/Art.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 11025;

std::vector<double> samples() {
    const QByteArray wav = art::data(u"WAVE.1.wav");
    std::vector<double> out;
    for (qsizetype i = 44; i < wav.size(); ++i)
        out.push_back(static_cast<unsigned char>(wav[i]) - 128.0);
    return out;
}

// The strongest frequency between lo and hi Hz over samples [from, to), Hann windowed.
double peakFrequency(const std::vector<double>& s, int from, int to, double lo, double hi) {
    double best = 0, bestPower = -1;
    for (double f = lo; f <= hi; f += 0.25) {
        double re = 0, im = 0;
        for (int n = from; n < to; ++n) {
            const double w = 0.5 - 0.5 * std::cos(2 * M_PI * (n - from) / (to - from - 1));
            const double a = 2 * M_PI * f * n / kRate;
            re += w * s[n] * std::cos(a);
            im += w * s[n] * std::sin(a);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = f;
        }
    }
    return best;
}

double rms(const std::vector<double>& s, int from, int to) {
    double sum = 0;
    for (int n = from; n < to; ++n)
        sum += s[n] * s[n];
    return std::sqrt(sum / (to - from));
}

int ms(double t) {
    return int(t * kRate / 1000.0);
}

TEST(AlarmSound, HeaderIsMonoEightBitPcmAt11025) {
    const QByteArray wav = art::data(u"WAVE.1.wav");
    ASSERT_EQ(wav.size(), 5244);
    const unsigned char header[44] = {'R', 'I', 'F',  'F',  0x74, 0x14, 0,    0,    'W',  'A', 'V',
                                      'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                                      1,   0,   0x11, 0x2B, 0,    0,    0x11, 0x2B, 0,    0,   1,
                                      0,   8,   0,    'd',  'a',  't',  'a',  0x50, 0x14, 0,   0};
    for (int i = 0; i < 44; ++i)
        EXPECT_EQ(static_cast<unsigned char>(wav[i]), header[i]) << "byte " << i;
}

TEST(AlarmSound, ToneOfAbout445HzInBothStrikes) {
    const std::vector<double> s = samples();
    ASSERT_EQ(s.size(), 5200u);
    EXPECT_NEAR(peakFrequency(s, ms(6), ms(65), 300, 600), 445, 3);
    EXPECT_NEAR(peakFrequency(s, ms(140), ms(260), 300, 600), 445, 3);
    // Square-like: a strong third harmonic.
    EXPECT_NEAR(peakFrequency(s, ms(6), ms(65), 1200, 1500), 1335, 6);
}

TEST(AlarmSound, StruckTwiceThenSilent) {
    const std::vector<double> s = samples();
    ASSERT_EQ(s.size(), 5200u);
    EXPECT_EQ(rms(s, 0, 16), 0) << "silent for the first 1.5 ms";
    EXPECT_GT(rms(s, ms(10), ms(60)), 100) << "first strike at full, clipped level";
    EXPECT_LT(rms(s, ms(100), ms(104)), 3) << "silent between the strikes";
    EXPECT_GT(rms(s, ms(136), ms(150)), 90) << "second strike near full level";
    EXPECT_GT(rms(s, ms(136), ms(150)), 3 * rms(s, ms(300), ms(330))) << "second strike fades";
    EXPECT_EQ(rms(s, ms(432), 5200), 0) << "silence to the end";
}

} // namespace
