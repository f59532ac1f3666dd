// What the platform halves of the authoring file access give the shared half, and the rules both keep.
#pragma once
#include <string>

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
#else
constexpr char kPathSeparator = '/';
inline bool IsPathSeparator(char c) { return c == '/'; }
#endif

// The running process's number, for temporary names.
unsigned long ProcessNumber();
// A name beside the final one that no other writer uses: "." + name + ".part-PROCESS-N".
std::string TemporaryNameFor(const std::string& finalPath);

// Forces a closed file's contents out to the disk; false with a reason.
bool FlushFileToDisk(const std::string& path, std::string& error);
// Gives a complete file its final name; without replace, refuses atomically ("the file exists")
// when the name is taken.
bool RenameTemporary(const std::string& temporary, const std::string& final, bool replace, std::string& error);

// The reasons both halves give for the same refusals.
constexpr char kTooLargeReason[] = "the file is 2 GB or larger";
// A file that shrinks after its size was taken: what is left would be a different file, so it
// is an error, as in the viewer, never a silently shorter copy.
constexpr char kShrankReason[] = "the file shrank while it was read";
