// Little-endian fields of the binary files tests build (WAV headers, chunk sizes).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Appends a 16- or 32-bit field.
inline void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Overwrites a 16- or 32-bit field at a byte offset; a field that would reach past the end is
// left out, so that a table of patches can be applied to files of any length.
inline void Set16(std::vector<std::uint8_t>& bytes, std::size_t at, unsigned value) {
    if (at + 2 > bytes.size()) return;
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
inline void Set32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    Set16(bytes, at, value & 0xFFFF);
    Set16(bytes, at + 2, value >> 16);
}
