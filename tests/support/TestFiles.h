// Whole-file reads and writes for tests, through the ANSI file functions (so that Cyrillic names
// work the way the viewer's own do).
#pragma once
#include <optional>
#include <string>

#include "tests/support/SonpixWriter.h"

// Reads a whole file, shared with readers, writers and deleters (a file the viewer holds open can
// still be read); std::nullopt when it cannot be opened.
std::optional<TBytes> ReadBytesFile(const std::string& path);
// Creates or replaces the file with these bytes; false on failure.
bool WriteBytesFile(const std::string& path, const TBytes& bytes);
// The path of a file that the build put beside the running test program (relative may name a
// sub-folder, with backslashes).
std::string FileBesideProgram(const std::string& relative);
