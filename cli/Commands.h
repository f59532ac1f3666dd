// The four commands of the sonpix tool; each returns the process's exit code.
#pragma once
#include <ostream>

#include "cli/CliArgs.h"

// Where a command writes: its answer to out, errors (naming the file and the reason) to err.
struct TCliStreams {
    std::ostream& out;
    std::ostream& err;
};

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // a file is not ok, or could not be handled
constexpr int kExitUsage = 2;

int RunInfo(const TCliArgs& args, TCliStreams& io);
int RunCheck(const TCliArgs& args, TCliStreams& io);
int RunExtract(const TCliArgs& args, TCliStreams& io);
int RunCreate(const TCliArgs& args, TCliStreams& io);

// Parses the arguments (without the program's name) and runs the command.
int RunSonpixCli(const std::vector<std::string>& args, TCliStreams& io);
