// Program entry of the sonpix command-line tool.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
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
