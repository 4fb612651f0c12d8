// The application-wide enter/leave tracker and what counts as a click.
#include "support/Wait.h"
#include "toolkit/TGraphicControl.h"

#include <QCursor>
#include <QStyleHints>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<std::string> events;

struct Recorder : TGraphicControl {
    Recorder(QWidget* parent, const char* name, QRect bounds)
        : TGraphicControl(parent, name) {
        setGeometry(bounds);
        OnClick = [this](QObject*) {
            events.push_back(objectName().toStdString() + " click");
        };
        OnMouseDown = [this](QObject*, TMouseButton b, TShiftState s, int, int) {
            const char* names[] = {"left", "right", "middle"};
            events.push_back(objectName().toStdString() + " down " + names[int(b)] +
                             (s.doubleClick ? " double" : ""));
        };
    }
    void CMMouseEnter() override { events.push_back(objectName().toStdString() + " enter"); }
    void CMMouseLeave() override { events.push_back(objectName().toStdString() + " leave"); }
};

QPoint centre(QWidget* w) {
    return w->mapToGlobal(w->rect().center());
}

void pointTo(QPoint global) {
    QCursor::setPos(global);
    TMouseNotify::UpdateTracker();
}

// Two windows side by side; the first holds A and B with a gap between them, the second holds C.
class TrackerTest : public testing::Test {
protected:
    void SetUp() override {
        events.clear();
        left = std::make_unique<QWidget>();
        left->setGeometry(100, 100, 200, 100);
        a = new Recorder(left.get(), "A", {10, 10, 40, 40});
        b = new Recorder(left.get(), "B", {100, 10, 40, 40});
        right = std::make_unique<QWidget>();
        right->setGeometry(400, 100, 100, 100);
        c = new Recorder(right.get(), "C", {10, 10, 40, 40});
        left->show();
        right->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(left.get()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(right.get()));
        pointTo({3000, 3000});
        events.clear();
    }
    void TearDown() override { pointTo({3000, 3000}); }

    std::unique_ptr<QWidget> left, right;
    Recorder *a = nullptr, *b = nullptr, *c = nullptr;
};

using Events = std::vector<std::string>;

} // namespace

TEST_F(TrackerTest, LeaveOfTheOldComesBeforeEnterOfTheNewAcrossWindows) {
    pointTo(centre(a));
    pointTo(centre(b));
    pointTo(centre(c));
    pointTo(left->mapToGlobal(QPoint(70, 80))); // the bare window: no component
    EXPECT_EQ(events, (Events{"A enter", "A leave", "B enter", "B leave", "C enter", "C leave"}));
}

TEST_F(TrackerTest, NothingIsRepeatedWhileThePointerStays) {
    pointTo(centre(a));
    pointTo(centre(a) + QPoint(3, 3));
    TMouseNotify::UpdateTracker();
    EXPECT_EQ(events, (Events{"A enter"}));
}

TEST_F(TrackerTest, TheTrackerRunsByItselfWhenTheLoopGoesIdle) {
    QCursor::setPos(centre(b));
    ASSERT_TRUE(testsupport::waitUntil([] { return !events.empty(); }, 2000));
    EXPECT_EQ(events, (Events{"B enter"}));
}

TEST_F(TrackerTest, WhileAButtonIsHeldOnlyThePressedComponentHearsAnything) {
    QWindow* win = left->windowHandle();
    pointTo(centre(a));
    QTest::mousePress(win, Qt::LeftButton, {}, a->geometry().center());
    pointTo(centre(b)); // A hears its leave, B hears nothing
    pointTo(centre(a)); // A hears its enter again
    pointTo(centre(b));
    QTest::mouseRelease(win, Qt::LeftButton, {}, b->geometry().center());
    TMouseNotify::UpdateTracker(); // released: B is under the pointer now
    EXPECT_EQ(events,
              (Events{"A enter", "A down left", "A leave", "A enter", "A leave", "B enter"}));
}

TEST_F(TrackerTest, ClicksPressesAndDoubleClicks) {
    struct Case {
        const char* what;
        std::function<void(QWindow*, QPoint, QPoint)> act;
        Events expected;
    };
    const Case cases[] = {
        {"left click",
         [](QWindow* w, QPoint pa, QPoint) { QTest::mouseClick(w, Qt::LeftButton, {}, pa); },
         {"A down left", "A click"}},
        {"right click",
         [](QWindow* w, QPoint pa, QPoint) { QTest::mouseClick(w, Qt::RightButton, {}, pa); },
         {"A down right"}},
        {"middle click",
         [](QWindow* w, QPoint pa, QPoint) { QTest::mouseClick(w, Qt::MiddleButton, {}, pa); },
         {"A down middle"}},
        {"released elsewhere",
         [](QWindow* w, QPoint pa, QPoint pb) {
             QTest::mousePress(w, Qt::LeftButton, {}, pa);
             QTest::mouseRelease(w, Qt::LeftButton, {}, pb);
         },
         {"A down left"}},
        {"double click",
         [](QWindow* w, QPoint pa, QPoint) { QTest::mouseDClick(w, Qt::LeftButton, {}, pa); },
         {"A down left", "A click", "A down left double"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        c.act(left->windowHandle(), a->geometry().center(), b->geometry().center());
        EXPECT_EQ(events, c.expected);
        // Let the next case's first press not count as a double click of this one.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    }
}
