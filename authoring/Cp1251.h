// Conversion between Windows-1251 text (as the viewer stores and shows it) and UTF-8.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// False for the bytes the viewer cannot show as a character: the unassigned byte 98 and the
// control bytes other than tab, line feed and carriage return.
bool IsShowableCp1251(std::uint8_t byte);

// UTF-8 for Windows-1251 bytes; loses nothing: bytes without a character (98, controls) become
// the code points of the same number, so that the text comes back byte for byte.
std::string Cp1251ToUtf8(const std::string& text);

struct TUtf8Conversion {
    bool ok = false;
    std::string cp1251;         // the converted text when ok
    std::size_t badOffset = 0;  // byte offset in the UTF-8 input of the first failure
    std::string reason;         // why the conversion failed
};

// Windows-1251 for UTF-8 text. Fails on invalid UTF-8 and on characters that Windows-1251 cannot
// hold or the viewer cannot show (see IsShowableCp1251); a byte-order mark at the start is dropped.
TUtf8Conversion Utf8ToCp1251(const std::string& utf8);

// True when the bytes are valid UTF-8.
bool IsValidUtf8(const std::string& text);
