// TThreadedTimer: properties and their update rules, the tick, the hand-over and destruction.
#include "controls/ThreadedTimer.h"

#include "controls/TimerThread.h"

int PlatformThreadPriority(TThreadPriority priority) {
    switch (priority) {
        case tpIdle: return THREAD_PRIORITY_IDLE;
        case tpLowest: return THREAD_PRIORITY_LOWEST;
        case tpLower: return THREAD_PRIORITY_BELOW_NORMAL;
        case tpNormal: return THREAD_PRIORITY_NORMAL;
        case tpHigher: return THREAD_PRIORITY_ABOVE_NORMAL;
        case tpHighest: return THREAD_PRIORITY_HIGHEST;
        case tpTimeCritical: return THREAD_PRIORITY_TIME_CRITICAL;
    }
    return THREAD_PRIORITY_NORMAL;
}

// A new timer stays silent until a setter runs UpdateTimer (in practice: assigning OnTimer).
TThreadedTimer::TThreadedTimer(TComponent* owner) : TComponent(owner), m_thread(TTimerThread::Create(this)) {}

TThreadedTimer::~TThreadedTimer() {
    // From here on Tick calls nothing; then the worker is told to end. Terminate waits for a tick
    // in progress, so no handler runs once this destructor has returned.
    m_destroying = true;
    m_enabled = false;
    {
        TLock lock(m_handlerLock);
        m_onTimer = nullptr;
    }
    m_thread->Terminate();
}

void TThreadedTimer::SetEnabled(bool value) {
    if (value == m_enabled) return;
    m_enabled = value;
    UpdateTimer();
}

void TThreadedTimer::SetInterval(unsigned value) {
    if (value == m_interval) return;
    m_interval = value;
    UpdateTimer();
}

void TThreadedTimer::SetThreaded(bool value) {
    if (value == m_threaded) return;
    m_threaded = value;
    UpdateTimer();
}

void TThreadedTimer::SetThreadPriority(TThreadPriority value) {
    if (value == m_threadPriority) return;
    m_threadPriority = value;
    if (m_threaded) UpdateTimer();
}

TNotifyEvent TThreadedTimer::OnTimer() const {
    TLock lock(m_handlerLock);
    return m_onTimer;
}

void TThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    bool wasAssigned;
    {
        TLock lock(m_handlerLock);
        wasAssigned = static_cast<bool>(m_onTimer);
        m_onTimer = std::move(handler);
    }
    if (wasAssigned != static_cast<bool>(OnTimer())) UpdateTimer();
}

void TThreadedTimer::UpdateTimer() {
    if (!m_thread->Paused()) m_thread->Pause();
    if (!m_threaded) return;
    m_thread->SetInterval(m_interval);
    if (m_interval != 0 && m_enabled && OnTimer()) m_thread->Resume(PlatformThreadPriority(m_threadPriority));
}

void TThreadedTimer::Tick() {
    if (!m_enabled || m_destroying) return;
    const TNotifyEvent handler = OnTimer();
    if (handler) handler(this);
}

void TThreadedTimer::SynchronizeCall(const std::function<void()>& call) {
    // A call from the worker always goes to the interface thread, even when the timer was paused
    // during this tick: the calls handed over (the panel's stop) touch windows.
    if (m_thread->IsWorkerThread()) {
        m_thread->RunOnGuiThread(call);
        return;
    }
    if (m_thread->IsGuiThread() || m_thread->Paused() || m_thread->Terminated()) {
        call();
        return;
    }
    m_thread->RunOnGuiThread(call);
}
