// Fresh folders of the test's own, and the fixed temporary files the viewer shares with the tests.
#include "tests/win/e2e/ScratchFolder.h"


#include "sys/UniqueHandle.h"
#include "tests/win/e2e/ViewerProcess.h"

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    return std::string(path, length);
}

std::string TempFile(const std::string& name) { return TempFolder() + name; }

bool CopyViewerTo(const std::string& path) { return CopyFileA(ViewerExePath().c_str(), path.c_str(), FALSE) != 0; }

std::optional<FILETIME> LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFile(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}
