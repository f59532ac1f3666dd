// TTimer: a message timer (SetTimer on a message-only window of its own); OnTimer runs on the
// thread that made it, through the message loop.
#pragma once
#include <windows.h>

#include "sys/UniqueWindow.h"
#include "ui/Classes.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    bool Running() const { return m_running; }
    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    static LRESULT CALLBACK TimerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    unsigned m_interval = 1000;
    bool m_enabled = true;
    bool m_running = false;   // SetTimer is in force
    UniqueWindow m_window;  // message-only window that receives WM_TIMER
};
