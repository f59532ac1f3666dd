// The temporary folder, the program's folder and small file-system helpers.
#pragma once
#include <string>

#include "mystr.h"
#include "PathText.h"

// The folder of the running program's file, with one trailing backslash; empty until InitAppFolder.
extern std::string AppFolder;

// Default access mode for files created by the program's file routines: 0 read, 1 write,
// 2 read and write. Files are always shared with other readers and writers.
extern int FileMode;

// The temporary path the platform reports, or empty when it reports none or more than fits
// a buffer of 1024 characters.
std::string GetSystemTempPath();
// Creates every missing folder along the path, from the root down; false at the first failure.
bool ForceFolderPath(const std::string& path);
// The temporary folder with one trailing backslash ("C:\TMP\" when the platform names none);
// worked out afresh at each call and created when missing.
std::string GetTempFolder();
void InitAppFolder();
void SetFileModeReadWrite();

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Deletes a file, ignoring any failure.
void DeleteFileQuietly(const std::string& path);
