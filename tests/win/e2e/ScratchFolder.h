// Fresh folders of the test's own, and the fixed temporary files the viewer shares with the tests.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

// A new empty folder under the temporary folder, removed with everything in it on destruction.
using TScratchFolder = TTestFolder;

// The temporary folder exactly as GetTempPathA reports it (the tests and the viewer run in the
// same prefix with the same environment, so this is the viewer's temporary folder too).
std::string TempFolder();
std::string TempFile(const std::string& name);


// Copies the program under test to path; false on failure.
bool CopyViewerTo(const std::string& path);

// The last-write time of a file; std::nullopt when there is none.
std::optional<FILETIME> LastWriteTime(const std::string& path);
bool SameTime(const FILETIME& a, const FILETIME& b);
bool PathExists(const std::string& path);
void RemoveFile(const std::string& path);
