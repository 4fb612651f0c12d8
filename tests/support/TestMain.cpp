// Test entry point: a Qt application object for the whole run, so timers and event loops work.
// Widget tests (offscreen platform) get a QApplication and the virtual pointer parked far away
// before each test, so that a new window does not receive an enter.
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ParkCursor : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { QCursor::setPos(3000, 3000); }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        app = std::make_unique<QApplication>(argc, argv);
        testing::UnitTest::GetInstance()->listeners().Append(new ParkCursor);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
