// sonpix check: "ok", or each reason the viewer would not show the file as its maker meant it.
#include "cli/Commands.h"
#include "cli/FileAccess.h"
#include "cli/SonpixAudit.h"

int RunCheck(const TCliArgs& args, TCliStreams& io) {
    int code = kExitOk;
    std::vector<std::uint8_t> bytes;
    for (const std::string& file : args.files) {
        std::string error;
        if (!ReadWholeFile(file, bytes, error)) {
            io.err << "sonpix: " << file << ": cannot read: " << error << "\n";
            code = kExitFailed;
            continue;
        }
        const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::problems);
        if (found.problems.empty()) {
            io.out << file << ": ok\n";
            continue;
        }
        code = kExitFailed;
        io.out << file << ": " << found.problems.size() << (found.problems.size() == 1 ? " problem\n" : " problems\n");
        for (const TProblem& problem : found.problems)
            io.out << "  offset " << problem.offset << ": " << problem.text << "\n";
    }
    return code;
}
