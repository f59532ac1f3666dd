// MakeDrop: a DROPFILES header followed by the names, each ended by a zero, and one more zero.
#include "tests/support/DropFiles.h"

#include <shlobj.h>

#include <cstring>

HDROP MakeDrop(const std::vector<std::string>& paths) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!memory) return nullptr;
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    char* names = reinterpret_cast<char*>(files) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
