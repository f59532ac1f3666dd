// Command-line splitting (blanks separate, quotes group and vanish) and the Sonpix extension test.
#include "app/CommandLine.h"

#include <windows.h>

#include "sys/PathText.h"
#include "sys/mystr.h"

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::string::size_type i = 0;
    const std::string::size_type n = commandLine.size();
    for (;;) {
        while (i < n && IsBlank(commandLine[i])) ++i;
        if (i >= n) break;
        std::string argument;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(commandLine[i]))) {
            if (commandLine[i] == '"') quoted = !quoted;
            else argument += commandLine[i];
            ++i;
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::string FirstArgument(const std::string& commandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    return arguments.size() > 1 ? arguments[1] : std::string();
}

std::string FirstCommandLineArgument() { return FirstArgument(GetCommandLineA()); }

bool IsSonpixPath(const std::string& path) { return UpperCaseCyr(ExtractFileExt(path)) == ".SONPIX"; }
