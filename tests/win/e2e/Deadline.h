// Polling with a deadline: every wait of the black-box tests ends after a bounded time.
#pragma once
#include <chrono>
#include <functional>

// Default bounds for the waits of the tests (the machine is shared, so they are generous).
constexpr int kWindowTimeoutMs = 15000;
constexpr int kExitTimeoutMs = 15000;

// Calls condition every pollMs until it gives true or timeoutMs have passed; the result is the
// last answer of condition, which is asked one final time at the deadline.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs = 15);

// Lets the other process run for a while (a fixed pause, used only where the absence of an event
// has to be observed).
void PauseMs(int ms);
