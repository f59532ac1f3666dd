// Per-test scratch folders.
#include "TestFolder.h"

#include <windows.h>

#include <atomic>

#include "sys/FileSearch.h"
#include "sys/PathText.h"
#include "sys/mysys.h"

void RemoveFolderTree(const std::string& folder) {
    const std::string base = WithTrailingBackslash(folder);
    WIN32_FIND_DATAA entry;
    TFileSearch search(base + "*", entry);
    if (search.Found()) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(base + name);
            } else {
                SetFileAttributesA((base + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((base + name).c_str());
            }
        } while (search.Next(entry));
    }
    RemoveDirectoryA(StripTrailingBackslashes(base).c_str());
}

TTestFolder::TTestFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    m_path = GetTempFolder() + "sonpix-test-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter) + "-" + name + "\\";
    RemoveFolderTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TTestFolder::~TTestFolder() { RemoveFolderTree(m_path); }

std::string TTestFolder::Make(const std::string& relative) const {
    for (size_t slash = relative.find('\\'); slash != std::string::npos; slash = relative.find('\\', slash + 1))
        CreateDirectoryA((m_path + relative.substr(0, slash)).c_str(), nullptr);
    return m_path + relative;
}
