// Real input from outside the program: xdotool moves the X pointer and clicks, so the click
// arrives through the X server exactly as a user's does.
#pragma once
#include <windows.h>

// Starts xdotool to click the middle of the window with the left button; false when it could not
// be started. The click happens shortly after: wait for its effect.
bool RealClick(HWND window);
