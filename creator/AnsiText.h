// Text in the program's ANSI code page (Windows-1251) and UTF-8, the authoring library's text.
#pragma once
#include <string>

// UTF-8 for ANSI text, through UTF-16.
std::string AnsiToUtf8(const std::string& text);
// ANSI text for UTF-8; what the code page cannot hold becomes the platform's default character.
std::string Utf8ToAnsi(const std::string& text);
// The text in lower case by the platform's rules for the ANSI code page.
std::string LowerAnsiText(std::string text);
