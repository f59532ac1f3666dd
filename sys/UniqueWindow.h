// Move-only owner of a window handle, destroyed with DestroyWindow.
#pragma once
#include <windows.h>

#include <utility>

class UniqueWindow {
public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) : m_window(window) {}
    ~UniqueWindow() { Reset(); }
    UniqueWindow(UniqueWindow&& other) noexcept : m_window(other.Release()) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;

    HWND Get() const { return m_window; }
    explicit operator bool() const { return m_window != nullptr; }
    // Gives up ownership without destroying: for a window that is already being destroyed
    // (WM_NCDESTROY) or that another owner destroys.
    HWND Release() { return std::exchange(m_window, nullptr); }
    // Destroys the window held, then holds the new one. The old handle stays readable while
    // DestroyWindow runs, since its window procedure still gets messages meanwhile.
    void Reset(HWND window = nullptr) {
        if (m_window && m_window != window) DestroyWindow(m_window);
        m_window = window;
    }

private:
    HWND m_window = nullptr;  // owned
};
