// Program entry of the sonpix command-line tool. On Windows the command line is taken as UTF-16
// and handed on as UTF-8, the form of every path and text inside the tool.
#include <cwchar>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#ifdef _WIN32
#include "authoring/Utf16.h"
#include "cli/ConsoleOutput.h"
#endif

namespace {

int RunTool(const std::vector<std::string>& args) {
    TCliStreams io{std::cout, std::cerr};
    int code;
    try {
        code = RunSonpixCli(args, io);
    } catch (const std::exception& error) {
        std::cerr << "sonpix: " << error.what() << "\n";
        code = kExitFailed;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "sonpix: cannot write the output\n";
        return kExitFailed;
    }
    return code;
}

}  // namespace

#ifdef _WIN32
// The wide entry (linked with -municode): the ANSI one would lose every character of a name that
// the ANSI code page cannot spell.
int wmain(int argc, wchar_t** argv) {
    std::ios::sync_with_stdio(false);  // before the console buffers go in: it replaces the streams' buffers
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf16ToUtf8(argv[i], std::wcslen(argv[i])));
    const TConsoleOutput out(std::cout, STD_OUTPUT_HANDLE), err(std::cerr, STD_ERROR_HANDLE);
    return RunTool(args);
}
#else
int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return RunTool(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
