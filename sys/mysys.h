// The module of system helpers: temporary folder, program folder, file-system helpers. Program
// launch, file-type registration and the path and text helpers have headers of their own.
#pragma once
#include <string>

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
// The full path of the running program's file, as the platform reports it.
std::string ProgramFilePath();
void InitAppFolder();
// The process's current folder as the platform reports it (no trailing backslash but at a drive root).
std::string GetCurrentFolder();
void SetFileModeReadWrite();

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Deletes a file, ignoring any failure.
void DeleteFileQuietly(const std::string& path);
