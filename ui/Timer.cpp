// TTimer: SetTimer/KillTimer kept in step with Enabled and Interval; errors in OnTimer reported.
#include "ui/Timer.h"

#include <stdexcept>

#include "ui/Application.h"

namespace {
const char kTimerClass[] = "TTimerWindow";
const UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, kTimerClass, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &TimerWndProc;
        wc.hInstance = instance;
        wc.lpszClassName = kTimerClass;
        RegisterClassExA(&wc);
    }
    m_window = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!m_window) throw std::runtime_error("Error creating window TTimerWindow");
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateTimer();
}

TTimer::~TTimer() {
    if (m_running) KillTimer(m_window, kTimerId);
    DestroyWindow(m_window);
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
    if (m_running) KillTimer(m_window, kTimerId);
    m_running = false;
    if (m_enabled && m_interval > 0) m_running = SetTimer(m_window, kTimerId, m_interval, nullptr) != 0;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcA(window, message, wParam, lParam);
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        if (self && self->m_enabled && self->OnTimer) self->OnTimer(self);
    } catch (const std::exception& error) {
        TApplication::ReportException(error);
    } catch (...) {
        TApplication::ReportException(std::runtime_error("Unknown error"));
    }
    return 0;
}
