// Splitting and cutting full folder paths, for the browse dialog's folder list.
#include "controls/FolderPath.h"

std::size_t FolderRootLength(const std::string& folder) {
    if (folder.size() >= 2 && folder[1] == ':') return folder.size() >= 3 && folder[2] == '\\' ? 3 : 2;
    if (folder.compare(0, 2, "\\\\") == 0) {
        std::size_t slash = folder.find('\\', 2);
        if (slash != std::string::npos) slash = folder.find('\\', slash + 1);
        return slash == std::string::npos ? folder.size() : slash + 1;
    }
    return folder.compare(0, 1, "\\") == 0 ? 1 : 0;
}

std::vector<std::string> FolderLevels(const std::string& folder) {
    const std::size_t rootLength = FolderRootLength(folder);
    std::vector<std::string> levels{folder.substr(0, rootLength)};
    std::size_t start = rootLength;
    while (start < folder.size()) {
        std::size_t end = folder.find('\\', start);
        if (end == std::string::npos) end = folder.size();
        if (end > start) levels.push_back(folder.substr(start, end - start));
        start = end + 1;
    }
    return levels;
}

std::string FolderAtLevel(const std::string& folder, int level) {
    std::size_t end = FolderRootLength(folder);
    for (int passed = 1; passed <= level; ++passed) {
        const std::size_t slash = folder.find('\\', end);
        end = slash == std::string::npos ? folder.size() : slash;
        if (passed < level) ++end;
    }
    return folder.substr(0, end);
}

std::string FolderOfPattern(const std::string& fullPattern) {
    const std::size_t slash = fullPattern.rfind('\\');
    if (slash == std::string::npos) return std::string();
    std::string folder = fullPattern.substr(0, slash + 1);
    if (folder.size() > FolderRootLength(folder)) folder.pop_back();
    return folder;
}
