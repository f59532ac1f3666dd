// Dispatch from the parsed command line to the command.
#include "cli/Commands.h"

int RunSonpixCli(const std::vector<std::string>& args, TCliStreams& io) {
    const TCliArgs parsed = ParseCliArgs(args);
    if (!parsed.error.empty()) {
        io.err << "sonpix: " << parsed.error << "\n" << kSonpixUsage;
        return kExitUsage;
    }
    switch (parsed.command) {
        case TCliCommand::help: io.out << kSonpixUsage; return kExitOk;
        case TCliCommand::info: return RunInfo(parsed, io);
        case TCliCommand::check: return RunCheck(parsed, io);
        case TCliCommand::extract: return RunExtract(parsed, io);
        case TCliCommand::create: return RunCreate(parsed, io);
    }
    return kExitUsage;
}
