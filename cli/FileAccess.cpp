// Whole-file reading, path pieces and complete-or-nothing file writing, for Linux and Windows.
// Paths are UTF-8 on both; Windows gets them as UTF-16 through the wide calls, so that any name
// works whatever the ANSI code page.
#include "cli/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <windows.h>

#include "cli/Utf16.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

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

class TFileHandle {
public:
    explicit TFileHandle(HANDLE handle) : m_handle(handle) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close() {
        if (!Valid()) return true;
        const bool ok = CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;  // owned
};
#else
constexpr char kSeparator = '/';
bool IsSeparator(char c) { return c == '/'; }
std::string SystemReason(int code) { return std::strerror(code); }

class TFileHandle {
public:
    explicit TFileHandle(int fd) : m_fd(fd) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    bool Valid() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    bool Close() {
        if (!Valid()) return true;
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;  // owned
};
#endif

std::string TemporaryNameFor(const std::string& finalPath) {
    static int counter = 0;  // makes the temporary names of one process distinct
#ifdef _WIN32
    const unsigned long pid = GetCurrentProcessId();
#else
    const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
    return JoinPath(FolderPart(finalPath), "." + FileNamePart(finalPath) + ".part-" + std::to_string(pid) + "-" +
                                               std::to_string(++counter));
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    bytes.clear();
#ifdef _WIN32
    TFileHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return error = SystemReason(GetLastError()), false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) return error = SystemReason(GetLastError()), false;
    if (size.QuadPart >= 0x80000000LL) return error = "the file is 2 GB or larger", false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return error = SystemReason(GetLastError()), false;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
#else
    TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return error = SystemReason(errno), false;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0) return error = SystemReason(errno), false;
    if (S_ISDIR(info.st_mode)) return error = "it is a folder", false;
    // Positions are 32-bit in the viewer, so larger files are outside what it reads.
    if (info.st_size >= 0x80000000LL) return error = "the file is 2 GB or larger", false;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return error = SystemReason(errno), false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);  // a file that shrank meanwhile
#endif
    return true;
}

bool PathExists(const std::string& path) {
#ifdef _WIN32
    return GetFileAttributesW(Utf8ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
#endif
}

bool IsFolder(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(Utf8ToUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

std::string FileNamePart(const std::string& path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
    return path.substr(cut);
}

std::string FolderPart(const std::string& path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
    if (cut == 0) return ".";
    return path.substr(0, cut);  // keeps the separator, so "/" stays the root
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (IsSeparator(folder.back())) return folder + name;
    return folder + kSeparator + name;
}

bool SameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
    const auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        TFileHandle file(CreateFileW(Utf8ToUtf16(path).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return file.Valid() && GetFileInformationByHandle(file.Get(), &info);
    };
    BY_HANDLE_FILE_INFORMATION first, second;
    return identify(a, first) && identify(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
#else
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
#endif
}

TPendingFile::TPendingFile(const std::string& finalPath) : m_final(finalPath) {}

TPendingFile::~TPendingFile() {
    if (m_committed || m_temporary.empty()) return;
#ifdef _WIN32
    DeleteFileW(Utf8ToUtf16(m_temporary).c_str());
#else
    ::unlink(m_temporary.c_str());
#endif
}

bool TPendingFile::Write(const std::vector<std::uint8_t>& bytes, std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryNameFor(m_final);
#ifdef _WIN32
        TFileHandle file(CreateFileW(Utf8ToUtf16(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return error = SystemReason(GetLastError()), false;
        }
        m_temporary = candidate;
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD put = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 26));
            if (!WriteFile(file.Get(), bytes.data() + done, want, &put, nullptr) || put == 0)
                return error = SystemReason(GetLastError()), false;
            done += put;
        }
        if (!FlushFileBuffers(file.Get())) return error = SystemReason(GetLastError()), false;
        if (!file.Close()) return error = SystemReason(GetLastError()), false;
#else
        TFileHandle file(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.Valid()) {
            if (errno == EEXIST) continue;
            return error = SystemReason(errno), false;
        }
        m_temporary = candidate;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t put = ::write(file.Get(), bytes.data() + done, bytes.size() - done);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return error = SystemReason(put < 0 ? errno : ENOSPC), false;
            done += static_cast<std::size_t>(put);
        }
        if (::fsync(file.Get()) != 0) return error = SystemReason(errno), false;
        if (!file.Close()) return error = SystemReason(errno), false;
#endif
        return true;
    }
    error = "no free temporary name";
    return false;
}

bool TPendingFile::Commit(bool replace, std::string& error) {
#ifdef _WIN32
    if (!MoveFileExW(Utf8ToUtf16(m_temporary).c_str(), Utf8ToUtf16(m_final).c_str(),
                     MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0))) {
        const DWORD code = GetLastError();
        error = code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS ? "the file exists" : SystemReason(code);
        return false;
    }
#else
    if (replace) {
        if (::rename(m_temporary.c_str(), m_final.c_str()) != 0) return error = SystemReason(errno), false;
    } else if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_final.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) return error = "the file exists", false;
        if (errno != EINVAL && errno != ENOSYS) return error = SystemReason(errno), false;
        // A file system without the no-replace rename: a hard link fails the same way when the
        // name is taken, which a plain rename would silently replace.
        if (::link(m_temporary.c_str(), m_final.c_str()) != 0)
            return error = errno == EEXIST ? "the file exists" : SystemReason(errno), false;
        ::unlink(m_temporary.c_str());
    }
#endif
    m_committed = true;
    return true;
}
