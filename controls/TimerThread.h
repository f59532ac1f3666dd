// TTimerThread: the worker thread of a threaded timer. It sleeps the interval, then ticks the
// timer, on its own thread or handed to the user-interface thread; it frees itself when it ends.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "sys/CriticalSection.h"
#include "sys/UniqueHandle.h"

class TThreadedTimer;

class TTimerThread {
public:
    // Starts the worker, paused, for timer; it lives until it has been told to end and its loop
    // has seen it. Throws with the platform's message when the thread cannot be made.
    static std::shared_ptr<TTimerThread> Create(TThreadedTimer* timer);
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    // User-interface thread. Pausing never waits for a tick in progress (it may be waiting for
    // this very thread); no tick starts while paused. Both pausing and resuming start the pause
    // between ticks afresh.
    void Pause();
    void Resume(int platformPriority);
    void SetInterval(DWORD milliseconds);
    DWORD Interval() const;
    bool Paused() const;
    bool Terminated() const;
    // Tells the worker to end and detaches it from its timer. Returns once no tick of the timer is
    // running, except when called from inside one of this worker's own hand-overs (that tick
    // cannot end before the caller returns): then it returns at once, and the worker, which only
    // touches this object after the hand-over, ends by itself.
    void Terminate();

    // True on the worker thread itself; true on the thread that made the timer.
    bool IsWorkerThread() const { return GetCurrentThreadId() == m_threadId; }
    bool IsGuiThread() const { return GetCurrentThreadId() == m_guiThreadId; }
    // The platform priority of the worker thread.
    int Priority() const { return GetThreadPriority(m_thread.Get()); }

    // Runs call on the user-interface thread and waits for it; an exception of the call comes back
    // here. When the timer has gone meanwhile the call is dropped and EAbort is thrown.
    void RunOnGuiThread(const std::function<void()>& call);

private:
    explicit TTimerThread(TThreadedTimer* timer);
    static DWORD WINAPI ThreadProc(void* parameter);
    void Execute();
    // Sleeps the interval; false when the sleep ended for a pause, a restart or the end.
    bool SleepInterval();
    bool Closed() const;
    void RunTick(TThreadedTimer* timer, bool onGuiThread);
    void Report(const std::exception& error);

    mutable TCriticalSection m_lock;  // guards every field below
    TConditionVariable m_wake;        // pause, resume, interval and end reach the worker through it
    TThreadedTimer* m_timer;          // not owned; null once the timer has gone
    DWORD m_interval = 1000;
    bool m_running = false;           // let run (not paused)
    bool m_terminated = false;        // told to end
    unsigned m_runNumber = 0;         // changes with every pause and resume
    bool m_inTick = false;            // a tick runs (on either thread)
    int m_guiCalls = 0;               // hand-overs of this worker running on the interface thread now
    UniqueHandle m_idle;              // manual-reset event: set while no tick runs
    UniqueHandle m_thread;            // owned handle of the worker thread
    DWORD m_threadId = 0;
    DWORD m_guiThreadId;
    std::shared_ptr<TTimerThread> m_self;  // the worker's own reference, taken over when it starts
};
