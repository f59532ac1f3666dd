// Move-only owner of a kernel handle (file, process, thread, event), closed on destruction.
#pragma once
#include <windows.h>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Release() {
        HANDLE handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(HANDLE handle = nullptr) {
        if (Valid()) CloseHandle(m_handle);
        m_handle = handle;
    }
    // Closes the handle now and reports whether the platform accepted it.
    bool Close() {
        const bool ok = !Valid() || CloseHandle(m_handle);
        m_handle = nullptr;
        return ok;
    }

private:
    HANDLE m_handle = nullptr;  // owned
};
