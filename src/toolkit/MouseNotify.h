#pragma once

#include <QPoint>

// Pointer enter and leave, as the program's controls expect them: one tracker for the whole
// application looks up the component under the pointer whenever the event loop is about to wait
// and after every mouse event. When that component changes, the old one hears CMMouseLeave()
// before the new one hears CMMouseEnter(). While a mouse button is held on a component, only
// that component hears either.
//
// Qt's own enter and leave events are not used: Qt holds them back during a press and drops them
// for windows blocked by a modal dialog, and it gives no order between leave and enter across
// windows.
class TMouseNotify {
public:
    virtual ~TMouseNotify() = default;

    virtual void CMMouseEnter() {}
    virtual void CMMouseLeave() {}

    // Starts the tracker if it is not running yet. Components call this when they are made.
    static void InstallTracker();
    // Looks up the component under the pointer now and delivers what changed. The tracker does
    // this by itself; tests call it after moving the virtual pointer.
    static void UpdateTracker();
    // Where on the screen the last mouse button went down: a move started from a press handler
    // follows the pointer from there, however far the pointer has gone since.
    static QPoint LastPressPos();
};
