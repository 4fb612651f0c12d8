// What the five-second built-in alarm costs. A countdown of one second with "Sound alarm" ticked
// (the default) runs to its end, and the CPU time of the whole process is taken over the six
// seconds from the expiry (the first play). Beside it, in the same run, the same five plays with a
// wait that spins reading the tick counter (the way a message-pumping wait is often written).
// Then the wake-ups per second of the whole process (voluntary context switches of all its
// threads) once the sound is over, against the same figure before the alarm.
//   bench_alarm_cpu [runs] [ours]   (default 3 runs; "ours" leaves out the spinning wait, for
//   profiling; Qt's offscreen platform, SDL's disk audio driver)
#include "ProcessStats.h"

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "platform/SoundPlayer.h"
#include "platform/TickCounter.h"
#include "toolkit/Application.h"
#include "toolkit/TCheckBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int WindowMs = 6000;

// The program's own player, noting when the alarm starts.
class NotingPlayer : public platform::SoundPlayer {
public:
    std::function<void()> onPlay;
    void PlayBuiltIn() override {
        if (onPlay)
            onPlay();
        platform::SoundPlayer::PlayBuiltIn();
    }
};

struct Cost {
    double cpu = 0;
    double wall = 0;
    double percent() const { return wall > 0 ? 100.0 * cpu / wall : 0; }
};

// Ours: a countdown of 1 s, measured from the first play for six seconds.
Cost oursOnce(NotingPlayer& player) {
    Cost cost;
    bool done = false;
    double cpu0 = 0;
    QElapsedTimer wall;
    player.onPlay = [&] {
        player.onPlay = nullptr;
        cpu0 = bench::selfCpuSeconds();
        wall.start();
        QTimer::singleShot(WindowMs, Qt::PreciseTimer, [&] {
            cost = {bench::selfCpuSeconds() - cpu0, double(wall.nsecsElapsed()) / 1e9};
            done = true;
        });
    };
    Form1->Engine().SetTime(0, 0, 1);
    Form1->HoverImage6Click(Form1->HoverImage6);
    // A loop that sleeps until there is something to do, as the program's own does.
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done)
            loop.quit();
    });
    poll.start(100);
    loop.exec();
    return cost;
}

// The spinning wait: handle what is waiting, read the counter again, round and round; then the
// rest of the six seconds quietly.
Cost spinningOnce(platform::SoundPlayer& player) {
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = bench::selfCpuSeconds();
    platform::TickCounter counter;
    for (int play = 0; play < 5; ++play) {
        player.PlayBuiltIn();
        QCoreApplication::processEvents();
        const std::uint32_t start = counter.Now();
        while (platform::TickCounter::Elapsed(start, counter.Now()) < 1000)
            QCoreApplication::processEvents();
    }
    Delay(int(WindowMs - wall.elapsed()));
    return {bench::selfCpuSeconds() - cpu0, double(wall.nsecsElapsed()) / 1e9};
}

double wakeUpsPerSecond(int ms) {
    const long before = bench::wakeUps(getpid());
    Delay(ms);
    return double(bench::wakeUps(getpid()) - before) * 1000.0 / ms;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const bool withSpin = !(argc > 2 && std::string(argv[2]) == "ours");
    QTemporaryDir audio;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", audio.filePath("out.raw").toLocal8Bit());
    Application->Initialize(argv[0]);
    Application->CreateForm(Form1);
    Application->CreateForm(frmActions);
    Application->CreateForm(frmMsg);
    Form1->Show();
    frmActions->CheckBox1->SetChecked(true); // "Sound alarm", the built-in sound
    NotingPlayer player;
    Form1->SetSoundPlayer(&player);

    Delay(1500);
    const double idleBefore = wakeUpsPerSecond(5000);
    std::vector<Cost> ours, spin;
    for (int r = 0; r < runs; ++r) {
        ours.push_back(oursOnce(player));
        Delay(3000); // the sound device closes a little after the last sound
    }
    const double idleAfter = wakeUpsPerSecond(5000);
    for (int r = 0; withSpin && r < runs; ++r) {
        spin.push_back(spinningOnce(player));
        Delay(3000);
    }

    const auto row = [](const char* name, const std::vector<Cost>& c) {
        std::vector<double> cpu, pct;
        for (const Cost& x : c) {
            cpu.push_back(x.cpu);
            pct.push_back(x.percent());
        }
        const bench::Spread s = bench::spread(pct);
        std::printf("| %-30s | %4zu | %9.3f | %8.2f | %5.2f-%5.2f |\n", name, c.size(),
                    bench::spread(cpu).median, s.median, s.min, s.max);
    };
    std::printf("The five-second built-in alarm: CPU over the %d s from expiry (countdown of 1 s, "
                "5 plays 1000 ms apart)\n\n",
                WindowMs / 1000);
    std::printf(
        "| wait                           | runs | CPU s med | %% core med | min-max %%   |\n");
    std::printf(
        "|--------------------------------|------|-----------|------------|-------------|\n");
    row("ours (sleeps between events)", ours);
    if (withSpin)
        row("spinning wait (same run)", spin);
    std::printf("\nWake-ups per second of the whole process, idle: %.2f before the alarm, %.2f "
                "after it\n",
                idleBefore, idleAfter);
    // Leave the way the program does: Run's end destroys the forms before the Qt application.
    std::fflush(stdout);
    QTimer::singleShot(0, [] { Application->Terminate(); });
    return Application->Run();
}
