// The command line of the sonpix tool, parsed into one command and its options.
#pragma once
#include <string>
#include <vector>

enum class TCliCommand { help, info, check, extract, create };

struct TCliArgs {
    TCliCommand command = TCliCommand::help;
    bool json = false;   // info --json
    bool force = false;  // extract/create --force: replace existing files
    std::vector<std::string> files;
    std::string output;        // -o: extract's folder, create's file
    std::string picture;       // create -p
    std::string sound;         // create -s
    std::string makerPicture;  // create -m
    std::string makerText;     // create -t
    std::string error;         // non-empty: the command line is wrong, and why
};

// Parses the arguments after the program's name. "--" ends the options.
TCliArgs ParseCliArgs(const std::vector<std::string>& args);

// The usage text printed by "sonpix help" and after a wrong command line.
extern const char kSonpixUsage[];
