// Conversion between UTF-8 and UTF-16 through the system's converters (Windows only).
#include "authoring/Utf16.h"

#ifdef _WIN32
#include <windows.h>

std::wstring Utf8ToUtf16(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &out[0], wide);
    return out;
}

std::string Utf16ToUtf8(const wchar_t* text, std::size_t count) {
    if (count == 0) return std::string();
    const int size = static_cast<int>(count);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(narrow > 0 ? narrow : 0), '\0');
    if (narrow > 0) WideCharToMultiByte(CP_UTF8, 0, text, size, &out[0], narrow, nullptr, nullptr);
    return out;
}

std::string Utf16ToUtf8(const std::wstring& text) { return Utf16ToUtf8(text.data(), text.size()); }
#endif
