// TTimer: SetTimer/KillTimer kept in step with Enabled and Interval; errors in OnTimer reported.
#include "ui/Timer.h"

#include <stdexcept>

#include "ui/ExceptionBoundary.h"
#include "ui/WindowClass.h"

namespace {
const char kTimerClass[] = "TTimerWindow";
const UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    TWindowClass timerClass;
    timerClass.Name = kTimerClass;
    timerClass.Procedure = &TimerWndProc;
    EnsureWindowClass(timerClass);
    m_window.Reset(CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr));
    if (!m_window) throw std::runtime_error("Error creating window TTimerWindow");
    SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateTimer();
}

TTimer::~TTimer() {
    if (m_running) KillTimer(m_window.Get(), kTimerId);
}

void TTimer::SetInterval(unsigned value) {
    if (value == m_interval) return;
    m_interval = value;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
    if (value == m_enabled) return;
    m_enabled = value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (m_running) KillTimer(m_window.Get(), kTimerId);
    m_running = false;
    if (m_enabled && m_interval > 0) m_running = SetTimer(m_window.Get(), kTimerId, m_interval, nullptr) != 0;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcA(window, message, wParam, lParam);
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->m_enabled && self->OnTimer) GuardedRun([self] { self->OnTimer(self); });
    return 0;
}
