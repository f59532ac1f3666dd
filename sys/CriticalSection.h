// A Win32 critical section with a scoped lock, and a condition variable that waits on it.
#pragma once
#include <windows.h>

// A recursive lock of one process: the same thread may take it again while it holds it.
class TCriticalSection {
public:
    TCriticalSection() { InitializeCriticalSection(&m_section); }
    ~TCriticalSection() { DeleteCriticalSection(&m_section); }
    TCriticalSection(const TCriticalSection&) = delete;
    TCriticalSection& operator=(const TCriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&m_section); }
    void Leave() { LeaveCriticalSection(&m_section); }
    CRITICAL_SECTION* Native() { return &m_section; }

private:
    CRITICAL_SECTION m_section;
};

// Holds a critical section from construction to destruction.
class TLock {
public:
    explicit TLock(TCriticalSection& section) : m_section(section) { m_section.Enter(); }
    ~TLock() { m_section.Leave(); }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

private:
    TCriticalSection& m_section;
};

// Threads waiting, inside a critical section they hold, for another thread to change something.
class TConditionVariable {
public:
    TConditionVariable() { InitializeConditionVariable(&m_variable); }
    TConditionVariable(const TConditionVariable&) = delete;
    TConditionVariable& operator=(const TConditionVariable&) = delete;

    // Leaves the section, waits for a wake-up or the time-out, takes the section again.
    void Wait(TCriticalSection& section, DWORD milliseconds = INFINITE) {
        SleepConditionVariableCS(&m_variable, section.Native(), milliseconds);
    }
    void WakeAll() { WakeAllConditionVariable(&m_variable); }

private:
    CONDITION_VARIABLE m_variable;
};
