#pragma once

namespace engine {

// The one-second tick source the engine switches on and off. Switching on a source that is off
// starts a fresh period; switching on one that is on changes nothing; switching off cancels the
// tick that is due.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual void setOn(bool on) = 0;
    virtual bool isOn() const = 0;
};

} // namespace engine
