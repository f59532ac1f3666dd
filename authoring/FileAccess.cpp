// Path pieces and the parts of complete-or-nothing writing that need no platform; the platform
// halves are FileAccessWindows.cpp and FileAccessPosix.cpp. Paths are UTF-8 on both.
#include "authoring/FileAccess.h"

#include "authoring/FileAccessPlatform.h"

std::string TemporaryNameFor(const std::string& finalPath) {
    static int counter = 0;  // makes the temporary names of one process distinct
    return JoinPath(FolderPart(finalPath), "." + FileNamePart(finalPath) + ".part-" + std::to_string(ProcessNumber()) +
                                               "-" + std::to_string(++counter));
}

std::string FileNamePart(const std::string& path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsPathSeparator(path[cut - 1])) --cut;
    return path.substr(cut);
}

std::string FolderPart(const std::string& path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsPathSeparator(path[cut - 1])) --cut;
    if (cut == 0) return ".";
    return path.substr(0, cut);  // keeps the separator, so "/" stays the root
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (IsPathSeparator(folder.back())) return folder + name;
    return folder + kPathSeparator + name;
}

TPendingFile::TPendingFile(const std::string& finalPath, TFlush flush) : m_final(finalPath), m_flush(flush) {}

bool TPendingFile::Commit(bool replace, std::string& error) {
    const bool flush = m_flush == TFlush::always || (replace && PathExists(m_final));
    if (flush && !FlushFileToDisk(m_temporary, error)) return false;
    if (!RenameTemporary(m_temporary, m_final, replace, error)) return false;
    m_committed = true;
    return true;
}
