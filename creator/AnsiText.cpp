// Conversions between the ANSI code page and UTF-8 over UTF-16.
#include "creator/AnsiText.h"

#include <windows.h>

#include "authoring/Utf16.h"

std::string AnsiToUtf8(const std::string& text) {
    if (text.empty()) return std::string();
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
    return Utf16ToUtf8(wide);
}

std::string Utf8ToAnsi(const std::string& text) {
    if (text.empty()) return std::string();
    const std::wstring wide = Utf8ToUtf16(text);
    const int count =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), count, nullptr, nullptr);
    return ansi;
}

std::string LowerAnsiText(std::string text) {
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}
