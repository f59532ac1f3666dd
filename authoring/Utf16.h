// UTF-8 and UTF-16 for the wide Windows calls: inside the authoring code every path and text is UTF-8.
#pragma once
#ifdef _WIN32
#include <string>

// UTF-16 for UTF-8 text; a broken sequence becomes U+FFFD.
std::wstring Utf8ToUtf16(const std::string& text);
// UTF-8 for UTF-16 text of count units; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const wchar_t* text, std::size_t count);
std::string Utf16ToUtf8(const std::wstring& text);
#endif
