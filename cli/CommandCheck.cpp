// sonpix check: "ok", or each reason the viewer would not show the file as its maker meant it.
#include "authoring/SonpixAudit.h"
#include "cli/Commands.h"

int RunCheck(const TCliArgs& args, TCliStreams& io) {
    return ForEachFileRead(args, io, [&](const std::string& file, const std::vector<std::uint8_t>& bytes) {
        const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::problems);
        if (found.problems.empty()) {
            io.out << file << ": ok\n";
            return true;
        }
        io.out << file << ": " << found.problems.size() << (found.problems.size() == 1 ? " problem\n" : " problems\n");
        for (const TProblem& problem : found.problems)
            io.out << "  offset " << problem.offset << ": " << problem.text << "\n";
        return false;
    });
}
