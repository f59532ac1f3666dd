// Polling with a deadline.
#include "tests/win/e2e/Deadline.h"

#include <windows.h>

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        Sleep(pollMs);
    }
    return condition();
}

void PauseMs(int ms) { Sleep(ms); }
