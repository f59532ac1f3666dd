// Window-class registration for the layer's own classes and copies of standard ones.
#include "sys/WindowClass.h"

namespace {
bool Registered(HINSTANCE instance, const char* name) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    return GetClassInfoExA(instance, name, &existing) != FALSE;
}

bool Register(WNDCLASSEXA& wc) {
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

HCURSOR ArrowCursor() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)); }

bool EnsureWindowClass(const TWindowClass& windowClass) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (Registered(instance, windowClass.Name)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.Style;
    wc.lpfnWndProc = windowClass.Procedure;
    wc.hInstance = instance;
    wc.hCursor = windowClass.Cursor;
    wc.hIcon = windowClass.Icon;
    wc.hbrBackground = windowClass.Background;
    wc.lpszClassName = windowClass.Name;
    return Register(wc);
}

bool EnsureWindowClassCopy(const char* name, const char* baseClass) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (Registered(instance, name)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, baseClass, &wc)) return false;
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return Register(wc);
}
