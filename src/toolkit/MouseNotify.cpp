#include "toolkit/MouseNotify.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

QPoint lastPress;

// The nearest widget at or above w that takes part in enter and leave.
QWidget* componentOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (dynamic_cast<TMouseNotify*>(w))
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

class Tracker : public QObject {
public:
    Tracker() {
        if (auto* dispatcher = QAbstractEventDispatcher::instance(qApp->thread()))
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Tracker::idle);
        qApp->installEventFilter(this);
    }

    // Asking the X server where the pointer is costs a round trip, which wakes this thread and
    // Qt's reader thread: done on every pass of the loop it would wake an idle program some
    // fifteen times a second. What is under a pointer can change only with pointer, window or
    // widget events, so the idle check looks again only after one of those.
    void idle() {
        if (m_dirty)
            update();
    }

    void update() {
        m_pending = false;
        m_dirty = false;
        QWidget* under = componentOf(QApplication::widgetAt(QCursor::pos()));
        if (under && !under->isVisible())
            under = nullptr;
        if (m_pressed && QGuiApplication::mouseButtons() == Qt::NoButton) {
            // The release went somewhere we did not see (another client's grab).
            m_pressed = false;
            m_captured = nullptr;
        }
        if (m_pressed)
            under = (under == m_captured.data()) ? under : nullptr;
        if (under == m_current.data())
            return;
        QPointer<QWidget> old = m_current;
        m_current = under;
        if (old) {
            if (auto* n = dynamic_cast<TMouseNotify*>(old.data()))
                n->CMMouseLeave();
        }
        // The leave handler may have run events of its own; enter only what is still current.
        if (m_current && m_current.data() == under) {
            if (auto* n = dynamic_cast<TMouseNotify*>(under))
                n->CMMouseEnter();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ZOrderChange:
        case QEvent::WindowStateChange:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::ParentChange:
        case QEvent::Wheel:
        case QEvent::DragMove:
            m_dirty = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_dirty = true;
            lastPress = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (watched->isWidgetType() && !m_pressed) {
                m_pressed = true;
                m_captured = componentOf(static_cast<QWidget*>(watched));
            }
            schedule();
            break;
        case QEvent::MouseButtonRelease:
            m_dirty = true;
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                m_pressed = false;
                m_captured = nullptr;
            }
            schedule();
            break;
        case QEvent::MouseMove:
            m_dirty = true;
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                m_pressed = false;
                m_captured = nullptr;
            }
            schedule();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // After the mouse event has been handled, not before.
    void schedule() {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(this, &Tracker::update, Qt::QueuedConnection);
    }

    QPointer<QWidget> m_current;
    QPointer<QWidget> m_captured;
    bool m_pressed = false;
    bool m_pending = false;
    bool m_dirty = true;
};

Tracker* tracker = nullptr;

} // namespace

QPoint TMouseNotify::LastPressPos() {
    return lastPress;
}

void TMouseNotify::InstallTracker() {
    if (tracker || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    tracker = new Tracker;
    // The tracker lives as long as the application object.
    tracker->setParent(qApp);
    QObject::connect(tracker, &QObject::destroyed, [] { tracker = nullptr; });
}

void TMouseNotify::UpdateTracker() {
    InstallTracker();
    if (tracker)
        tracker->update();
}
