// A message-only window that forwards one message to a handler.
#include "sys/MessageWindow.h"

#include "sys/WindowClass.h"

TMessageWindow::TMessageWindow(const char* className, UINT message, THandler handler)
    : m_message(message), m_handler(std::move(handler)) {
    TWindowClass windowClass;
    windowClass.Name = className;
    windowClass.Procedure = &TMessageWindow::WindowProc;
    if (!EnsureWindowClass(windowClass)) return;
    m_window.Reset(CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), this));
}

LRESULT CALLBACK TMessageWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (self && message == self->m_message && self->m_handler) {
        self->m_handler(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
