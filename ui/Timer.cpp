// TTimer: SetTimer/KillTimer kept in step with Enabled and Interval; errors in OnTimer reported.
#include "ui/Timer.h"

#include <stdexcept>

#include "ui/ExceptionBoundary.h"

namespace {
const char kTimerClass[] = "TTimerWindow";
const UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), m_window(kTimerClass, WM_TIMER, [this](WPARAM, LPARAM) { Tick(); }) {
    if (!m_window) throw std::runtime_error("Error creating window TTimerWindow");
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

void TTimer::Tick() {
    if (m_enabled && OnTimer) GuardedRun([this] { OnTimer(this); });
}
