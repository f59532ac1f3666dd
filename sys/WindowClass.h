// Registration of the program's window classes, once per process and class name.
#pragma once
#include <windows.h>

struct TWindowClass {
    const char* Name = nullptr;
    WNDPROC Procedure = nullptr;
    UINT Style = 0;
    HCURSOR Cursor = nullptr;  // none: the class sets no cursor
    HICON Icon = nullptr;
    HBRUSH Background = nullptr;
};

// Registers the class unless the program already has one of that name. False when the
// platform refuses it.
bool EnsureWindowClass(const TWindowClass& windowClass);
// Registers Name as a copy of the standard class BaseClass (its procedure, style and brush),
// unless already registered. False when the base class is unknown or the platform refuses it.
bool EnsureWindowClassCopy(const char* name, const char* baseClass);
// The standard arrow cursor, shared by the system (not owned).
HCURSOR ArrowCursor();
