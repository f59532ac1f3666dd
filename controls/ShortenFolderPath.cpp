// ShortenFolderPath: split into drive, folder part and name; cut the folder part from the front.
#include "controls/ShortenFolderPath.h"

namespace {
const char kEllipsis[] = "...\\";

// Drops the first folder of a folder part: \a\b\ gives \...\b\, ...\b\ gives ...\.
std::string CutFirstFolder(std::string part) {
    if (part == "\\") return "";
    std::string lead;
    if (!part.empty() && part[0] == '\\') {
        lead = "\\";
        part.erase(0, 1);
    }
    if (part.compare(0, 4, kEllipsis) == 0) part.erase(0, 4);
    const size_t slash = part.find('\\');
    part = slash == std::string::npos ? std::string() : kEllipsis + part.substr(slash + 1);
    return lead + part;
}
}  // namespace

std::string ShortenFolderPath(const std::string& path, const std::function<bool(const std::string&)>& fits) {
    std::string drive;
    if (path.size() >= 2 && path[1] == ':') drive = path.substr(0, 2);
    const std::string rest = path.substr(drive.size());
    const size_t lastSlash = rest.rfind('\\');
    std::string folder = lastSlash == std::string::npos ? std::string() : rest.substr(0, lastSlash + 1);
    const std::string name = lastSlash == std::string::npos ? rest : rest.substr(lastSlash + 1);
    while (!fits(drive + folder + name) && (!drive.empty() || !folder.empty())) {
        if (folder == "\\...\\") {
            drive.clear();
            folder = kEllipsis;
        } else if (!folder.empty()) {
            folder = CutFirstFolder(folder);
        } else {
            drive.clear();
        }
    }
    return drive + folder + name;
}
