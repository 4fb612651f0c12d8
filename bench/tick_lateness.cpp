// How late each tick of a 1000 ms timer comes, against start + k x 1000 ms on the monotonic
// clock: our TTimer beside a default QTimer, both running in the same event loop at once.
//   bench_tick_lateness [ticks]   (default 60)
#include "toolkit/TTimer.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

void print(const char* name, const std::vector<double>& late) {
    const double mean = std::accumulate(late.begin(), late.end(), 0.0) / double(late.size());
    const double max = *std::max_element(late.begin(), late.end());
    std::printf("| %-22s | %5zu | %9.2f | %8.2f | %10.2f |\n", name, late.size(), mean, max,
                late.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

    std::vector<double> ours;
    std::vector<double> qt;
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    QTimer plain;
    plain.setInterval(1000);

    const double start = nowMs();
    timer.OnTimer = [&](QObject*) {
        ours.push_back(nowMs() - (start + 1000.0 * double(ours.size() + 1)));
        if (int(ours.size()) == ticks)
            timer.SetEnabled(false);
    };
    QObject::connect(&plain, &QTimer::timeout, [&] {
        qt.push_back(nowMs() - (start + 1000.0 * double(qt.size() + 1)));
        if (int(qt.size()) == ticks)
            plain.stop();
    });
    QObject::connect(&plain, &QTimer::timeout, [&] {
        if (int(ours.size()) >= ticks && int(qt.size()) >= ticks)
            app.quit();
    });
    timer.OnTimer = [&, inner = timer.OnTimer](QObject* s) {
        inner(s);
        if (int(ours.size()) >= ticks && int(qt.size()) >= ticks)
            app.quit();
    };
    timer.SetEnabled(true);
    plain.start();
    app.exec();

    std::printf("Lateness of %d ticks of a 1000 ms timer, ms after start + k x 1000 ms\n\n", ticks);
    std::printf("| %-22s | %5s | %9s | %8s | %10s |\n", "timer", "ticks", "mean", "max",
                "last tick");
    std::printf("|------------------------|-------|-----------|----------|------------|\n");
    print("TTimer (ours)", ours);
    print("QTimer (default coarse)", qt);
    return 0;
}
