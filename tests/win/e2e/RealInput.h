// Real mouse input for the black-box tests: clicks injected through SendInput, which reach the
// window under the pointer the way the user's own mouse does.
#pragma once
#include <windows.h>

// Moves the pointer to a screen point and clicks the left button (clicks times in a row).
void ClickAt(POINT screen, int clicks = 1);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
