// Real input for the black-box tests: clicks through SendInput, which reach the window under the
// pointer the way the user's own mouse does, and clicks through xdotool, which arrive through the
// X server exactly as a user's do.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Moves the pointer to a screen point and clicks the left button (clicks times in a row).
void ClickAt(POINT screen, int clicks = 1);
// The centre of a window on the screen.
POINT CentreOf(HWND window);

// Clicks the middle of the window with the left button through xdotool, as RealClickAt does.
bool RealClick(HWND window);

// The same through xdotool, waiting until xdotool has sent the input; false when it failed.
bool RealClickAt(POINT screen);
// Moves the pointer there with the real mouse, without a click.
bool RealMoveTo(POINT screen);
// Presses a key or chord the way xdotool names them ("Down", "alt+F4", "alt+space").
bool RealKey(const std::string& keys);
// Types the text (Windows-1251, no single quote) as key strokes on the focused window.
bool RealType(const std::string& text);
// Types the text and waits until arrived() holds. A letter that the display's key map lacks is
// mapped to a spare key for the moment of its stroke, and Wine now and then misses such a stroke;
// so when nothing has arrived after a while the text is typed once more. False when it never arrives.
bool RealTypeUntil(const std::string& text, const std::function<bool()>& arrived, int timeoutMs);
