// The four commands of the sonpix tool; each returns the process's exit code.
#pragma once
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

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

// Reads each file of args.files whole and hands its bytes to use, which says whether the file is
// ok. A file that cannot be read is reported on err ("cannot read: REASON") and handed to
// unreadable when that is given. The exit code: kExitOk when every file was read and ok.
int ForEachFileRead(const TCliArgs& args, TCliStreams& io,
                    const std::function<bool(const std::string& file, const std::vector<std::uint8_t>& bytes)>& use,
                    const std::function<void(const std::string& file, const std::string& reason)>& unreadable = nullptr);

// Parses the arguments (without the program's name) and runs the command.
int RunSonpixCli(const std::vector<std::string>& args, TCliStreams& io);
