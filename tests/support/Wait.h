#pragma once

#include <functional>

namespace testsupport {

// Runs the event loop until the condition holds or the deadline passes; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// Runs the event loop for the given time (for tests that must show something does NOT happen).
void runEventsFor(int ms);

} // namespace testsupport
