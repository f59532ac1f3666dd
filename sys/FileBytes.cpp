// Reads and writes whole files through kernel32, reporting failures as the file layer's errors.
#include "sys/FileBytes.h"

#include <algorithm>
#include <new>

#include "sys/SysError.h"
#include "sys/UniqueHandle.h"

namespace {

// Bytes handed to one ReadFile or WriteFile call.
constexpr DWORD kIoBlock = 16 * 1024 * 1024;

[[noreturn]] void RaiseOpenError(const std::string& path, const std::string& reason) {
    throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

void ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) RaiseOpenError(path, SysErrorMessage(GetLastError()));
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) RaiseOpenError(path, SysErrorMessage(GetLastError()));
    ReadOpenFileBytes(file.Get(), static_cast<std::uint64_t>(size.QuadPart), path, bytes);
}

std::vector<std::uint8_t> ReadOpenFileBytes(HANDLE file, std::uint64_t size, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    ReadOpenFileBytes(file, size, path, bytes);
    return bytes;
}

void ReadOpenFileBytes(HANDLE file, std::uint64_t size, const std::string& path, std::vector<std::uint8_t>& bytes) {
    if (size >= kMaxWholeFileSize) RaiseOpenError(path, "The file is 2 GB or larger");
    try {
        // Within the capacity the memory stays; every byte is then read over below.
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        RaiseOpenError(path, SysErrorMessage(ERROR_NOT_ENOUGH_MEMORY));
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kIoBlock));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, want, &got, nullptr))
            RaiseOpenError(path, SysErrorMessage(GetLastError()));
        // The file shrank after its size was taken: what is left would be a different file.
        if (got == 0) RaiseOpenError(path, SysErrorMessage(ERROR_HANDLE_EOF));
        done += got;
    }
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        throw EFOpenError("Cannot create file \"" + path + "\". " + SysErrorMessage(GetLastError()));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kIoBlock));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr) || written == 0)
            throw EInOutError(SysErrorMessage(GetLastError()));
        done += written;
    }
    if (!file.Close()) throw EInOutError(SysErrorMessage(GetLastError()));
}
