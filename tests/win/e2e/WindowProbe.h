// Reading the windows of another process from outside: finding them, their bounds, texts and states.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowLayout.h"

// All top-level windows (visible or not) that belong to the process, in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The first top-level window of the process with this class name (and this owner, when owner
// is not null); null when there is none.
HWND FindTopLevelWindow(DWORD processId, const std::string& className);

std::string ClassNameOf(HWND window);
// The window text through WM_GETTEXT (so that the owning process answers), ANSI code page.
std::string TextOf(HWND window);
// The title as the window manager holds it, without asking the owning process.
std::string TitleOf(HWND window);
// The items of a list box of another process, in list order, in the ANSI code page.
std::vector<std::string> ListBoxItems(HWND listBox);
int ListBoxSelection(HWND listBox);  // LB_GETCURSEL: -1 when nothing is selected
bool IsChecked(HWND button);         // BM_GETCHECK == BST_CHECKED

// The window's own WS_VISIBLE flag (IsWindowVisible also asks the parents).
bool HasVisibleStyle(HWND window);

// One line per top-level window of the process (class, title, visible, owner), for failure messages.
std::string DescribeTopLevelWindows(DWORD processId);

// The window that has the keyboard focus in the GUI thread that owns window.
HWND FocusOfThreadOf(HWND window);
