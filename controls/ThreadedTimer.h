// TThreadedTimer: a timer whose pauses are slept by a worker thread of its own, so that ticks go
// on while the user-interface thread is busy. Each tick runs on the worker or, with SyncEvent,
// is handed to the interface thread while the worker waits.
#pragma once
#include <atomic>
#include <functional>
#include <memory>

#include "sys/CriticalSection.h"
#include "ui/Classes.h"

class TTimerThread;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
// The platform's thread priority for each TThreadPriority.
int PlatformThreadPriority(TThreadPriority priority);

class TThreadedTimer : public TComponent {
public:
    explicit TThreadedTimer(TComponent* owner);
    ~TThreadedTimer() override;

    // Ticks are delivered only while true.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    // Milliseconds slept after each tick; 0 stops the ticks.
    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned value);
    // True: ticks run on the interface thread. A plain value, read at every tick.
    bool SyncEvent() const { return m_syncEvent; }
    void SetSyncEvent(bool value) { m_syncEvent = value; }
    // False pauses the worker and leaves the timer without ticks.
    bool Threaded() const { return m_threaded; }
    void SetThreaded(bool value);
    TThreadPriority ThreadPriority() const { return m_threadPriority; }
    void SetThreadPriority(TThreadPriority value);
    // The tick handler, called with the timer as sender. Replacing one handler by another does
    // not disturb the worker; only assigning the first or removing the last does.
    TNotifyEvent OnTimer() const;
    void SetOnTimer(TNotifyEvent handler);

    // Runs call on the interface thread and returns when it has finished; its exception passes
    // on to the caller. Runs at once on the calling thread when that is the interface thread, or
    // when the worker is paused or ending and the caller is not the worker itself.
    void SynchronizeCall(const std::function<void()>& call);

    // The worker thread, for its state and priority.
    const TTimerThread& Thread() const { return *m_thread; }

protected:
    friend class TTimerThread;
    // One tick: calls OnTimer when enabled, not being destroyed, and assigned.
    virtual void Tick();

private:
    void UpdateTimer();

    std::atomic<bool> m_enabled{true};
    unsigned m_interval = 1000;
    std::atomic<bool> m_syncEvent{true};
    bool m_threaded = true;
    TThreadPriority m_threadPriority = tpNormal;
    std::atomic<bool> m_destroying{false};
    mutable TCriticalSection m_handlerLock;  // the handler is read by ticks on the worker
    TNotifyEvent m_onTimer;
    std::shared_ptr<TTimerThread> m_thread;  // shared with the worker, which ends on its own
};
