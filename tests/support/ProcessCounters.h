// Counting what this process holds, for leak tests: live GDI objects and private memory.
#pragma once
#include <windows.h>

#include <cstddef>

// Live GDI objects of this process. Wine's GetGuiResources always answers 0, so the count is
// read from the process's GDI handle table where the platform does not give one.
DWORD GdiObjectCount();
// Committed private memory in bytes (Wine reports no PrivateUsage).
std::size_t PrivateBytes();
