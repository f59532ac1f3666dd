// Reading a file on disk for the WAV header check.
#include "sound/WavFileSource.h"

#include <windows.h>

TWavFileSource::TWavFileSource(const std::string& path)
    : m_file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER size{};
    if (m_file.Valid() && GetFileSizeEx(m_file.Get(), &size)) m_size = static_cast<std::uint64_t>(size.QuadPart);
}

bool TWavFileSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (!m_file.Valid() || offset > m_size || count > m_size - offset) return false;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    return ReadFile(m_file.Get(), buffer, static_cast<DWORD>(count), &read, &at) && read == count;
}
