// TErrorModeGuard: sets the process error mode for one scope and puts the previous mode back on
// every way out of it, an exception included.
#pragma once
#include <windows.h>

class TErrorModeGuard {
public:
    explicit TErrorModeGuard(UINT mode) : m_previous(SetErrorMode(mode)) {}
    ~TErrorModeGuard() { SetErrorMode(m_previous); }
    TErrorModeGuard(const TErrorModeGuard&) = delete;
    TErrorModeGuard& operator=(const TErrorModeGuard&) = delete;

private:
    UINT m_previous;  // the mode in force before this scope
};
