// Finding other running copies of the viewer by the title of their application window.
#pragma once
#include <windows.h>

#include <string>

// The number of unowned top-level windows, other than ownApplicationWindow, whose title read
// into 128 characters equals viewerTitle in any letter case.
int CountViewerInstances(HWND ownApplicationWindow, const std::string& viewerTitle);
// The other running copies of this program: windows titled as this copy's application window
// (Sonpixviewer for SonpixViewer.exe). A copy started from a program file of another name has
// another title, so it neither counts the SonpixViewer.exe copies nor is counted by them.
int CountViewerInstances();
