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

std::optional<TBytes> ReadFileBytes(const std::string& path) {
    // Shared with readers and writers, so that a file the viewer holds open can still be read.
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    TBytes bytes;
    unsigned char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const TBytes& bytes) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                           written != bytes.size()))
        return false;
    return file.Close();
}

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
