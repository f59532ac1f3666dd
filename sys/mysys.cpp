// Temporary folder, program folder and file-system helpers over kernel32.
#include "mysys.h"

#include <windows.h>

#include "PathText.h"

std::string AppFolder;
int FileMode = 2;

namespace {
constexpr DWORD kTempPathBufferSize = 1024;
const char kFallbackTempFolder[] = "C:\\TMP";
}  // namespace

std::string GetSystemTempPath() {
    char buffer[kTempPathBufferSize];
    const DWORD length = GetTempPathA(kTempPathBufferSize, buffer);
    // A length beyond the buffer is the size the path would need, not a path.
    if (length == 0 || length >= kTempPathBufferSize) return std::string();
    return std::string(buffer, length);
}

bool ForceFolderPath(const std::string& path) {
    // Empty, or a single backslash: nothing to create.
    if (path.empty() || path == "\\") return false;
    const std::string full = IncludeTrailingBackslash(path);
    for (std::string::size_type i = 0; i < full.size(); ++i) {
        if (full[i] != '\\') continue;
        const std::string prefix = full.substr(0, i + 1);
        if (!FolderExists(prefix) && !CreateDirectoryA(prefix.c_str(), nullptr)) return false;
    }
    return true;
}

std::string GetTempFolder() {
    std::string path = GetSystemTempPath();
    if (path.empty()) path = kFallbackTempFolder;
    if (!FolderExists(path)) ForceFolderPath(path);
    return WithTrailingBackslash(path);
}

std::string ProgramFilePath() {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

void InitAppFolder() { AppFolder = WithTrailingBackslash(ExtractFileFolder(ProgramFilePath())); }

std::string GetCurrentFolder() {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

void SetFileModeReadWrite() { FileMode = 2; }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteFileQuietly(const std::string& path) { DeleteFileA(path.c_str()); }
