// A drop of shell items made inside the test process, as the shell hands it to a window.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A WM_DROPFILES block (ANSI names) for these paths; the window that receives it frees it.
HDROP MakeDrop(const std::vector<std::string>& paths);
