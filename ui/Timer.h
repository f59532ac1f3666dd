// TTimer: a message timer (SetTimer on a message-only window of its own); OnTimer runs on the
// thread that made it, through the message loop.
#pragma once
#include <windows.h>

#include "sys/MessageWindow.h"
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
    void Tick();

    unsigned m_interval = 1000;
    bool m_enabled = true;
    bool m_running = false;   // SetTimer is in force
    TMessageWindow m_window;  // receives WM_TIMER
};
