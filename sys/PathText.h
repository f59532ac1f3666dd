// Text helpers for backslash paths; pure string work, no file system access.
#pragma once
#include <string>

std::string StripTrailingBackslashes(const std::string& s);
// Empty stays empty; otherwise exactly one trailing backslash.
std::string WithTrailingBackslash(const std::string& s);
// Empty stays empty; otherwise a backslash is appended unless the text already ends in one.
// The join of a folder text with a name below it.
std::string IncludeTrailingBackslash(const std::string& s);
// The extension of the last path element: from its last full stop to the end, or empty.
// A full stop before the last backslash or colon belongs to a folder or drive, not to the name.
std::string ExtractFileExt(const std::string& path);
// The name without folder and extension: C:\a\b.c.sonpix gives b.c.
std::string FileNameWithoutExt(const std::string& path);
// The folder of a file path, cut before its last backslash or colon; the backslash of a
// drive root (C:\x gives C:\) and the colon of a bare drive (C:x gives C:) are kept.
std::string ExtractFileFolder(const std::string& path);
// Everything up to and including the last backslash or colon; empty when there is neither.
std::string ExtractFilePath(const std::string& path);
