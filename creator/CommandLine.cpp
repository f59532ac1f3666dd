// CommandLineFile: the platform's splitting of the wide command line, then the ANSI full path.
#include "creator/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <vector>

std::string CommandLineFile() {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!arguments || count < 2) return std::string();
    const wchar_t* argument = arguments.get()[1];
    const int size = WideCharToMultiByte(CP_ACP, 0, argument, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, argument, -1, ansi.data(), size, nullptr, nullptr);
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(ansi.data(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return ansi.data();
    return std::string(full, length);
}
