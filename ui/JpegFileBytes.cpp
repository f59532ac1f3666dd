// Reads and writes whole files through kernel32, reporting failures as the file layer's errors.
#include "ui/JpegFileBytes.h"

#include <windows.h>

#include <algorithm>

#include "sys/SysError.h"
#include "sys/UniqueHandle.h"

namespace {

// JPEG data is handed to libjpeg with a 32-bit length, so larger files are refused.
constexpr std::uint64_t kMaxJpegFileSize = 0x7FFFFFFFull;
constexpr DWORD kIoBlock = 16 * 1024 * 1024;

[[noreturn]] void RaiseOpenError(const std::string& path, DWORD error) {
    throw EFOpenError("Cannot open file \"" + path + "\". " + SysErrorMessage(error));
}

}  // namespace

std::vector<std::uint8_t> ReadJpegFileBytes(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) RaiseOpenError(path, GetLastError());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) RaiseOpenError(path, GetLastError());
    if (static_cast<std::uint64_t>(size.QuadPart) > kMaxJpegFileSize)
        throw EFOpenError("Cannot open file \"" + path + "\". The file is 2 GB or larger");

    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        RaiseOpenError(path, ERROR_NOT_ENOUGH_MEMORY);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kIoBlock));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) RaiseOpenError(path, GetLastError());
        if (got == 0) break;  // the file shrank meanwhile: keep what was there
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

void WriteJpegFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
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
