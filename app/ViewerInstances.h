// Finding other running copies of the viewer by the title of their application window.
#pragma once
#include <windows.h>

// The number of unowned top-level windows, other than ownApplicationWindow, whose title read
// into 128 characters is SONPIXVIEWER in any letter case.
int CountViewerInstances(HWND ownApplicationWindow);
// The same for this copy's application window.
int CountViewerInstances();
