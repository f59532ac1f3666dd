// TTimerThread: the sleep-and-tick loop, the hand-over to the user-interface thread, and an end
// that never waits for a tick which itself waits for the interface thread.
#include "controls/TimerThread.h"

#include <exception>
#include <stdexcept>

#include "controls/ThreadedTimer.h"
#include "sys/SysError.h"
#include "ui/Abort.h"
#include "ui/Application.h"

std::shared_ptr<TTimerThread> TTimerThread::Create(TThreadedTimer* timer) {
    std::shared_ptr<TTimerThread> thread(new TTimerThread(timer));
    thread->m_idle.Reset(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    if (!thread->m_idle.Valid()) throw std::runtime_error(SysErrorMessage(GetLastError()));
    thread->m_self = thread;
    DWORD id = 0;
    HANDLE handle = CreateThread(nullptr, 0, &ThreadProc, thread.get(), 0, &id);
    if (!handle) {
        const DWORD error = GetLastError();
        thread->m_self.reset();
        throw std::runtime_error(SysErrorMessage(error));
    }
    thread->m_thread.Reset(handle);
    thread->m_threadId = id;
    return thread;
}

TTimerThread::TTimerThread(TThreadedTimer* timer) : m_timer(timer), m_guiThreadId(GetCurrentThreadId()) {}

TTimerThread::~TTimerThread() = default;

DWORD WINAPI TTimerThread::ThreadProc(void* parameter) {
    auto* raw = static_cast<TTimerThread*>(parameter);
    // The worker holds itself alive until its loop ends; the object may go with this reference.
    std::shared_ptr<TTimerThread> self;
    {
        TLock lock(raw->m_lock);
        self = std::move(raw->m_self);
    }
    self->Execute();
    return 0;
}

void TTimerThread::Pause() {
    TLock lock(m_lock);
    m_running = false;
    ++m_runNumber;
    m_wake.WakeAll();
}

void TTimerThread::Resume(int platformPriority) {
    SetThreadPriority(m_thread.Get(), platformPriority);
    TLock lock(m_lock);
    m_running = true;
    ++m_runNumber;
    m_wake.WakeAll();
}

void TTimerThread::SetInterval(DWORD milliseconds) {
    TLock lock(m_lock);
    m_interval = milliseconds;
}

DWORD TTimerThread::Interval() const {
    TLock lock(m_lock);
    return m_interval;
}

bool TTimerThread::Paused() const {
    TLock lock(m_lock);
    return !m_running;
}

bool TTimerThread::Terminated() const {
    TLock lock(m_lock);
    return m_terminated;
}

void TTimerThread::Terminate() {
    bool wait;
    {
        TLock lock(m_lock);
        m_terminated = true;
        m_running = false;
        m_timer = nullptr;
        m_wake.WakeAll();
        wait = m_inTick && m_guiCalls == 0 && !IsWorkerThread();
    }
    if (!wait) return;
    // A tick may be waiting for this thread to run its hand-over: sent messages are let in while
    // waiting, and the hand-over, finding the timer gone, drops its call and lets the tick end.
    HANDLE idle = m_idle.Get();
    while (MsgWaitForMultipleObjects(1, &idle, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool TTimerThread::Closed() const {
    return m_terminated || !m_timer || (Application && Application->Terminated());
}

namespace {
// Milliseconds on the performance counter: the tick count may move in steps of 16 ms.
double MillisecondsNow() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

bool TTimerThread::SleepInterval() {
    const unsigned runNumber = m_runNumber;
    const double end = MillisecondsNow() + m_interval;
    for (;;) {
        if (m_terminated || m_runNumber != runNumber) return false;
        const double left = end - MillisecondsNow();
        if (left <= 0) return true;
        m_wake.Wait(m_lock, static_cast<DWORD>(left) + 1);
    }
}

void TTimerThread::Execute() {
    m_lock.Enter();
    for (;;) {
        while (!m_terminated && !m_running) m_wake.Wait(m_lock);
        if (m_terminated) break;
        // The pause after each tick. It ends early only to pause, restart or end, never to tick,
        // so ticks neither overlap nor queue up: a slow tick stretches the period.
        if (!SleepInterval()) continue;
        if (Closed() || !m_timer->Enabled()) continue;
        TThreadedTimer* timer = m_timer;
        const bool onGuiThread = timer->SyncEvent();
        m_inTick = true;
        ResetEvent(m_idle.Get());
        m_lock.Leave();
        RunTick(timer, onGuiThread);
        m_lock.Enter();
        m_inTick = false;
        SetEvent(m_idle.Get());
    }
    m_timer = nullptr;
    m_lock.Leave();
}

void TTimerThread::RunTick(TThreadedTimer* timer, bool onGuiThread) {
    // The timer lives until this tick ends: its destructor waits for it (see Terminate).
    try {
        if (onGuiThread) RunOnGuiThread([timer] { timer->Tick(); });
        else timer->Tick();
    } catch (const EAbort&) {
        // the silent exception
    } catch (const std::exception& error) {
        Report(error);
    } catch (...) {
        Report(std::runtime_error("Unknown error"));
    }
}

void TTimerThread::Report(const std::exception& error) {
    // The report goes through the interface thread's error handling; this thread waits until the
    // box is closed, so a failing timer shows one box per failing tick.
    try {
        RunOnGuiThread([&error] { TApplication::ReportException(error); });
    } catch (...) {
        // the timer has gone meanwhile: nobody is left to tell
    }
}

void TTimerThread::RunOnGuiThread(const std::function<void()>& call) {
    bool dropped = false;
    std::exception_ptr error;
    const std::function<void()> handOver = [&] {
        {
            TLock lock(m_lock);
            if (m_terminated) {
                dropped = true;
                return;
            }
            ++m_guiCalls;
        }
        try {
            call();
        } catch (...) {
            error = std::current_exception();
        }
        TLock lock(m_lock);
        --m_guiCalls;
    };
    if (Application) Application->Synchronize(handOver);
    else handOver();
    if (dropped) throw EAbort();
    if (error) std::rethrow_exception(error);
}
