// The Windows half of the authoring file access: the wide calls, so that a UTF-8 path works
// whatever the ANSI code page can spell.
#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "authoring/FileAccess.h"
#include "authoring/FileAccessPlatform.h"
#include "authoring/Utf16.h"
#include "sys/FileSizeLimit.h"
#include "sys/UniqueHandle.h"

namespace {

// The system's text for an error code, as UTF-8 without its closing full stop.
std::string SystemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = length ? Utf16ToUtf8(text, length) : "system error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}
std::string LastReason() { return SystemReason(GetLastError()); }

}  // namespace

unsigned long ProcessNumber() { return GetCurrentProcessId(); }

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    bytes.clear();
    UniqueHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return error = LastReason(), false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) return error = LastReason(), false;
    if (static_cast<std::uint64_t>(size.QuadPart) >= kMaxWholeFileSize) return error = kTooLargeReason, false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return error = LastReason(), false;
        if (got == 0) return bytes.clear(), error = kShrankReason, false;
        done += got;
    }
    return true;
}

bool ReadFilePieces(const std::string& path, std::size_t pieceSize, const TPieceTaker& take, std::string& error) {
    UniqueHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return error = LastReason(), false;
    std::vector<std::uint8_t> piece(pieceSize);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), piece.data(), static_cast<DWORD>(piece.size()), &got, nullptr))
            return error = LastReason(), false;
        if (got == 0 || !take(piece.data(), got)) return true;
    }
}

bool PathExists(const std::string& path) { return GetFileAttributesW(Utf8ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameFile(const std::string& a, const std::string& b) {
    const auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        UniqueHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return file.Valid() && GetFileInformationByHandle(file.Get(), &info);
    };
    BY_HANDLE_FILE_INFORMATION first, second;
    return identify(a, first) && identify(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

TPendingFile::~TPendingFile() {
    if (!m_committed && !m_temporary.empty()) DeleteFileW(Utf8ToUtf16(m_temporary).c_str());
}

bool TPendingFile::Write(const std::vector<TByteSpan>& pieces, std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryNameFor(m_final);
        UniqueHandle file(CreateFileW(Utf8ToUtf16(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return error = LastReason(), false;
        }
        m_temporary = candidate;
        for (const TByteSpan& piece : pieces) {
            std::size_t done = 0;
            while (done < piece.size) {
                DWORD put = 0;
                const DWORD want = static_cast<DWORD>(std::min<std::size_t>(piece.size - done, 1u << 26));
                if (!WriteFile(file.Get(), piece.data + done, want, &put, nullptr) || put == 0)
                    return error = LastReason(), false;
                done += put;
            }
        }
        if (!file.Close()) return error = LastReason(), false;
        return true;
    }
    error = "no free temporary name";
    return false;
}

bool FlushFileToDisk(const std::string& path, std::string& error) {
    UniqueHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || !FlushFileBuffers(file.Get())) return error = LastReason(), false;
    if (!file.Close()) return error = LastReason(), false;
    return true;
}

bool RenameTemporary(const std::string& temporary, const std::string& final, bool replace, std::string& error) {
    if (MoveFileExW(Utf8ToUtf16(temporary).c_str(), Utf8ToUtf16(final).c_str(),
                    MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0)))
        return true;
    const DWORD code = GetLastError();
    error = code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS ? "the file exists" : SystemReason(code);
    return false;
}
#endif
