// TMessageWindow: a hidden message-only window that hands one kind of message to a handler.
#pragma once
#include <windows.h>

#include <functional>

#include "sys/UniqueWindow.h"

// Owns a window under HWND_MESSAGE: invisible, never among the top-level windows others
// enumerate, and fed by the message loop of the thread that made it. Every message of the one
// kind it listens for goes to the handler; all others get the default handling. The handler
// runs inside a window procedure, so it must not let an exception out.
class TMessageWindow {
public:
    using THandler = std::function<void(WPARAM wParam, LPARAM lParam)>;

    // Registers className once per process. Check the result with operator bool: the platform
    // may refuse the class or the window.
    TMessageWindow(const char* className, UINT message, THandler handler);
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    HWND Get() const { return m_window.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_window); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_message;
    THandler m_handler;
    UniqueWindow m_window;  // destroyed first, while the handler still exists
};
