// Dispatch from the parsed command line to the command, and the reading of each named file.
#include "cli/Commands.h"

#include "authoring/FileAccess.h"

int ForEachFileRead(const TCliArgs& args, TCliStreams& io,
                    const std::function<bool(const std::string& file, const std::vector<std::uint8_t>& bytes)>& use,
                    const std::function<void(const std::string& file, const std::string& reason)>& unreadable) {
    int code = kExitOk;
    std::vector<std::uint8_t> bytes;
    for (const std::string& file : args.files) {
        std::string reason;
        if (!ReadWholeFile(file, bytes, reason)) {
            io.err << "sonpix: " << file << ": cannot read: " << reason << "\n";
            if (unreadable) unreadable(file, reason);
            code = kExitFailed;
        } else if (!use(file, bytes)) {
            code = kExitFailed;
        }
    }
    return code;
}

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
