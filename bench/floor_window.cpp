// The floor the benchmarks compare against: the least a Qt Widgets program with a clock does, one
// QLabel whose text changes once a second.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Floor"));
    label.resize(200, 60);
    label.setAlignment(Qt::AlignCenter);
    const auto update = [&label] {
        label.setText(QTime::currentTime().toString());
    };
    update();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, update);
    tick.start(1000);
    label.show();
    return app.exec();
}
