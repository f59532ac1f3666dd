// Command-line parsing for sonpix: a command word, then its options and file names.
#include "cli/CliArgs.h"

const char kSonpixUsage[] =
    "usage:\n"
    "  sonpix info [--json] FILE...   sections, picture, sound and maker's text of each file\n"
    "  sonpix check FILE...           whether the viewer shows each file as its maker meant it\n"
    "  sonpix extract FILE [-o DIR] [--force]\n"
    "                                 writes NAME.jpg, NAME.wav, NAME-maker.jpg, NAME-maker.txt\n"
    "  sonpix create -p PICTURE.jpg -s SOUND.wav [-m MAKER.jpg] [-t TEXT.txt] -o OUT.sonpix [--force]\n"
    "exit code: 0 when every file is ok, 1 otherwise, 2 for a wrong command line\n";

namespace {

struct TOptionSlot {
    const char* name;
    std::string TCliArgs::*slot;
};

}  // namespace

TCliArgs ParseCliArgs(const std::vector<std::string>& args) {
    TCliArgs parsed;
    if (args.empty()) {
        parsed.error = "no command given";
        return parsed;
    }
    const std::string& word = args[0];
    if (word == "help" || word == "--help" || word == "-h") return parsed;
    if (word == "info") parsed.command = TCliCommand::info;
    else if (word == "check") parsed.command = TCliCommand::check;
    else if (word == "extract") parsed.command = TCliCommand::extract;
    else if (word == "create") parsed.command = TCliCommand::create;
    else {
        parsed.error = "unknown command \"" + word + "\"";
        return parsed;
    }

    // Options with a value, and the commands that take them.
    const bool isCreate = parsed.command == TCliCommand::create;
    const bool isExtract = parsed.command == TCliCommand::extract;
    const TOptionSlot createSlots[] = {{"-p", &TCliArgs::picture}, {"-s", &TCliArgs::sound},
                                       {"-m", &TCliArgs::makerPicture}, {"-t", &TCliArgs::makerText},
                                       {"-o", &TCliArgs::output}};
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json" && parsed.command == TCliCommand::info) {
            parsed.json = true;
        } else if (arg == "--force" && (isCreate || isExtract)) {
            parsed.force = true;
        } else {
            std::string TCliArgs::*slot = nullptr;
            if (isExtract && arg == "-o") slot = &TCliArgs::output;
            if (isCreate)
                for (const TOptionSlot& option : createSlots)
                    if (arg == option.name) slot = option.slot;
            if (!slot) {
                parsed.error = "unknown option \"" + arg + "\" for " + word;
                return parsed;
            }
            if (i + 1 >= args.size()) {
                parsed.error = "option " + arg + " needs a value";
                return parsed;
            }
            if (!(parsed.*slot).empty()) {
                parsed.error = "option " + arg + " given twice";
                return parsed;
            }
            parsed.*slot = args[++i];
        }
    }

    switch (parsed.command) {
        case TCliCommand::info:
        case TCliCommand::check:
            if (parsed.files.empty()) parsed.error = word + " needs at least one FILE";
            break;
        case TCliCommand::extract:
            if (parsed.files.size() != 1) parsed.error = "extract takes exactly one FILE";
            break;
        case TCliCommand::create:
            if (!parsed.files.empty()) parsed.error = "create takes no file names apart from its options";
            else if (parsed.picture.empty() || parsed.sound.empty() || parsed.output.empty())
                parsed.error = "create needs -p PICTURE.jpg, -s SOUND.wav and -o OUT.sonpix";
            break;
        case TCliCommand::help: break;
    }
    return parsed;
}
