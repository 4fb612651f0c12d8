#pragma once

#include <QObject>
#include <functional>

// Event types of the components. Handlers are bound with member-function pointers, so the
// compiler checks every binding:  Timer1->OnTimer = Bind(this, &TForm1::Timer1Timer);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool doubleClick = false;
};

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

template <class C> TNotifyEvent Bind(C* self, void (C::*handler)(QObject*)) {
    return [self, handler](QObject* sender) {
        (self->*handler)(sender);
    };
}

template <class C>
TMouseEvent Bind(C* self, void (C::*handler)(QObject*, TMouseButton, TShiftState, int, int)) {
    return [self, handler](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        (self->*handler)(sender, button, shift, x, y);
    };
}
