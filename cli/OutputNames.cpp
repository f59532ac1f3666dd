// Output names of extract and their safety test.
#include "cli/OutputNames.h"

#include <cctype>

std::string SonpixStem(const std::string& fileName) {
    static const char kExtension[] = ".sonpix";
    constexpr std::size_t length = sizeof kExtension - 1;
    if (fileName.size() <= length) return fileName;
    const std::size_t at = fileName.size() - length;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(fileName[at + i])) != kExtension[i]) return fileName;
    return fileName.substr(0, at);
}

std::string UnsafeNameReason(const std::string& name) {
    if (name.empty()) return "the name is empty";
    if (name == "." || name == "..") return "the name \"" + name + "\" leads out of the folder";
    for (char c : name) {
        // Both separators and the drive colon are refused on every system, so that a name is
        // judged alike wherever the file travels.
        if (c == '/' || c == '\\') return "the name \"" + name + "\" holds a path separator and would land outside the folder";
        if (c == ':') return "the name \"" + name + "\" holds a colon, which Windows reads as a drive or stream";
        if (static_cast<unsigned char>(c) < 0x20) return "the name holds a control character";
    }
    return std::string();
}

std::vector<TExtractName> ExtractNames(const std::string& stem) {
    return {{TExtractName::picture, stem + ".jpg"},
            {TExtractName::sound, stem + ".wav"},
            {TExtractName::makerPicture, stem + "-maker.jpg"},
            {TExtractName::makerText, stem + "-maker.txt"}};
}
