// Driving the viewer's main window the way a person does: real clicks on list entries and
// controls, and waiting for what the clicks lead to.
#pragma once
#include <windows.h>

#include <string>

// Clicks the list entry with this index (scrolled into view by the list itself) with the real
// mouse; false when the click could not be made.
bool ClickListEntry(HWND list, int index);
// Clicks the middle of a control with the real mouse.
bool ClickControl(HWND control);
// Waits until the list's selection is index.
bool WaitForSelection(HWND list, int index, int timeoutMs = 5000);
// The first visible top-level window of the process with this class, waited for; null at the deadline.
HWND WaitForVisibleWindow(DWORD processId, const std::string& className, int timeoutMs = 5000);
// A screen point on the caption's close box of a top-level window, found by asking the window
// what lies under the points of its caption; {-1, -1} when none answers HTCLOSE.
POINT CloseBoxPoint(HWND window);
// Drags a top-level window by its caption with the real mouse, by dx and dy pixels; false when
// no caption point was found or the window did not move.
bool DragByCaption(HWND window, int dx, int dy);
