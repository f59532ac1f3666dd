// Move-only owners of GDI objects and guards for device contexts and selections.
#pragma once
#include <windows.h>

#include <utility>

// Owns one GDI object (bitmap, font, brush, pen) and deletes it on destruction.
template <class THandle>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(THandle handle) : m_handle(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    THandle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(THandle handle = nullptr) {
        if (m_handle) DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    THandle m_handle = nullptr;  // owned
};

using TBitmapHandle = TGdiObject<HBITMAP>;
using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;

// Width and height of a bitmap in pixels (0 x 0 for none); top-down DIBs count positive.
inline SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

// BeginPaint/EndPaint for one WM_PAINT.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    ~TPaintDC() { EndPaint(m_window, &m_paint); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;  // released by EndPaint
};

// GetDC/ReleaseDC of a window's client area (or of the screen for a null window).
class TClientDC {
public:
    explicit TClientDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~TClientDC() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;  // owned
};

// A memory DC compatible with another DC, deleted on destruction.
class TMemDC {
public:
    explicit TMemDC(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    ~TMemDC() {
        if (m_dc) DeleteDC(m_dc);
    }
    TMemDC(const TMemDC&) = delete;
    TMemDC& operator=(const TMemDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;  // owned
};

// Selects an object into a DC and puts the previous one back on destruction.
class TSelectGuard {
public:
    TSelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~TSelectGuard() {
        if (m_old && m_old != HGDI_ERROR) SelectObject(m_dc, m_old);
    }
    TSelectGuard(const TSelectGuard&) = delete;
    TSelectGuard& operator=(const TSelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;  // not owned: belongs to the DC's owner
};

// Saves the whole state of a DC handed in by someone else (selected objects, colours, modes)
// and puts it back on destruction.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~TSavedDCState() {
        if (m_saved) RestoreDC(m_dc, m_saved);
    }
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;

private:
    HDC m_dc;
    int m_saved;  // the SaveDC level, 0 when saving failed
};
