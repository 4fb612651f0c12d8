// How far a countdown's expiry lands from where it is due. A countdown of N seconds started at t
// shows its message at t + (N + 1) s: the first second passes before the display moves. The
// message window's show event marks the expiry, on the monotonic clock.
//   bench_expiry [seconds] [runs]   (default 10 s, 5 runs; Qt's offscreen platform)
#include "ProcessStats.h"

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "toolkit/Application.h"
#include "toolkit/TCheckBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Notes the moment the message window is shown.
class ShowWatch : public QObject {
public:
    double shownAt = -1;
    std::function<void()> onShow;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show && shownAt < 0) {
            shownAt = nowMs();
            if (onShow)
                onShow();
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application->Initialize(argv[0]);
    Application->CreateForm(Form1);
    Application->CreateForm(frmActions);
    Application->CreateForm(frmMsg);
    Form1->Show();
    frmActions->CheckBox1->SetChecked(false); // no sound
    frmActions->CheckBox2->SetChecked(true);  // "Show Message"
    ShowWatch watch;
    frmMsg->installEventFilter(&watch);
    Delay(500);

    std::vector<double> late;
    for (int r = 0; r < runs; ++r) {
        watch.shownAt = -1;
        Form1->Engine().SetTime(0, 0, std::uint16_t(seconds));
        const double start = nowMs();
        Form1->HoverImage6Click(Form1->HoverImage6);
        // Sleep until the message shows: a spinning wait here would change what is measured.
        QEventLoop loop;
        watch.onShow = [&loop] {
            loop.quit();
        };
        QTimer::singleShot(1000 * (seconds + 10), &loop, &QEventLoop::quit);
        loop.exec();
        watch.onShow = nullptr;
        if (watch.shownAt < 0) {
            std::printf("run %d: no message within %d s\n", r + 1, seconds + 10);
            return 1;
        }
        late.push_back(watch.shownAt - (start + 1000.0 * (seconds + 1)));
        frmMsg->Close();
        Delay(300);
    }
    const bench::Spread s = bench::spread(late);
    std::printf("expiry of a %d s countdown, ms after start + %d s, %d runs: median_ms=%.2f "
                "min_ms=%.2f max_ms=%.2f\n",
                seconds, seconds + 1, runs, s.median, s.min, s.max);
    // Leave the way the program does: Run's end destroys the forms before the Qt application.
    std::fflush(stdout);
    QTimer::singleShot(0, [] { Application->Terminate(); });
    return Application->Run();
}
