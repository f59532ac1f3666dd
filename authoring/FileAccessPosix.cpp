// The Linux half of the authoring file access: POSIX calls on UTF-8 paths.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "authoring/FileAccess.h"
#include "authoring/FileAccessPlatform.h"
#include "sys/FileSizeLimit.h"

namespace {

std::string SystemReason(int code) { return std::strerror(code); }

// Owns a file descriptor, closed on destruction.
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

}  // namespace

unsigned long ProcessNumber() { return static_cast<unsigned long>(getpid()); }

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    bytes.clear();
    TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return error = SystemReason(errno), false;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0) return error = SystemReason(errno), false;
    if (S_ISDIR(info.st_mode)) return error = "it is a folder", false;
    if (static_cast<std::uint64_t>(info.st_size) >= kMaxWholeFileSize) return error = kTooLargeReason, false;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return error = SystemReason(errno), false;
        if (got == 0) return bytes.clear(), error = kShrankReason, false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool ReadFilePieces(const std::string& path, std::size_t pieceSize, const TPieceTaker& take, std::string& error) {
    TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return error = SystemReason(errno), false;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0) return error = SystemReason(errno), false;
    if (S_ISDIR(info.st_mode)) return error = "it is a folder", false;
    std::vector<std::uint8_t> piece(pieceSize);
    for (;;) {
        const ssize_t got = ::read(file.Get(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return error = SystemReason(errno), false;
        if (got == 0 || !take(piece.data(), static_cast<std::size_t>(got))) return true;
    }
}

bool PathExists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

TPendingFile::~TPendingFile() {
    if (!m_committed && !m_temporary.empty()) ::unlink(m_temporary.c_str());
}

bool TPendingFile::Write(const std::vector<TByteSpan>& pieces, std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryNameFor(m_final);
        TFileHandle file(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.Valid()) {
            if (errno == EEXIST) continue;
            return error = SystemReason(errno), false;
        }
        m_temporary = candidate;
        for (const TByteSpan& piece : pieces) {
            std::size_t done = 0;
            while (done < piece.size) {
                const ssize_t put = ::write(file.Get(), piece.data + done, piece.size - done);
                if (put < 0 && errno == EINTR) continue;
                if (put <= 0) return error = SystemReason(put < 0 ? errno : ENOSPC), false;
                done += static_cast<std::size_t>(put);
            }
        }
        if (!file.Close()) return error = SystemReason(errno), false;
        return true;
    }
    error = "no free temporary name";
    return false;
}

bool FlushFileToDisk(const std::string& path, std::string& error) {
    TFileHandle file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!file.Valid() || ::fsync(file.Get()) != 0 || !file.Close()) return error = SystemReason(errno), false;
    return true;
}

bool RenameTemporary(const std::string& temporary, const std::string& final, bool replace, std::string& error) {
    if (replace) {
        if (::rename(temporary.c_str(), final.c_str()) != 0) return error = SystemReason(errno), false;
        return true;
    }
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, final.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return error = "the file exists", false;
    if (errno != EINVAL && errno != ENOSYS) return error = SystemReason(errno), false;
    // A file system without the no-replace rename: a hard link fails the same way when the
    // name is taken, which a plain rename would silently replace.
    if (::link(temporary.c_str(), final.c_str()) != 0)
        return error = errno == EEXIST ? "the file exists" : SystemReason(errno), false;
    ::unlink(temporary.c_str());
    return true;
}
#endif
