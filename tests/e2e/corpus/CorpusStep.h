// One step of a corpus run: a message sent to the program under test with a time limit, while
// this thread answers what the program raises meanwhile.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "tests/win/e2e/ViewerProcess.h"

// A step that has not returned after this long counts as a hang.
constexpr DWORD kHangMs = 15000;
// A hung program gets this much longer to come back before it is ended and started anew.
constexpr int kRecoveryMs = 60000;

struct TStepResult {
    DWORD ms = 0;
    bool crashed = false, hung = false;
};

// Answers the program's boxes and dialogs until done turns true or limitMs has passed; counted
// says whether what it answers belongs to the step (not while a hung program recovers).
using TAnswerer = std::function<void(const std::atomic<bool>& done, DWORD limitMs, bool counted)>;

// Sends message to target from another thread (it returns once the program has handled it), while
// answer runs here. A program that does not answer window within the recovery time is ended.
inline TStepResult SendStep(TViewerProcess& program, HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                            HWND window, const TAnswerer& answer) {
    TStepResult result;
    std::atomic<bool> done{false}, returned{false};
    const DWORD start = GetTickCount();
    std::thread sender([&] {
        DWORD_PTR ignored = 0;
        returned = SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, kHangMs, &ignored) != 0;
        done = true;
    });
    answer(done, kHangMs + 5000, true);
    sender.join();
    result.ms = GetTickCount() - start;
    if (!program.Running()) {
        result.crashed = true;
        return result;
    }
    if (returned) return result;
    result.hung = true;
    // Time to come back, answering meanwhile; a dead-locked program is ended.
    std::atomic<bool> back{false};
    std::thread prober([&] {
        DWORD_PTR ignored = 0;
        back = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kRecoveryMs, &ignored) != 0;
    });
    answer(back, kRecoveryMs + 2000, false);
    prober.join();
    if (!back) program.Kill();
    return result;
}
