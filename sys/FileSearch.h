// TFileSearch: owner of one FindFirstFileA/FindNextFileA/FindClose search over a folder.
#pragma once
#include <windows.h>

#include <string>

class TFileSearch {
public:
    // Starts the search; data holds the first entry when Found().
    TFileSearch(const std::string& pattern, WIN32_FIND_DATAA& data)
        : m_handle(FindFirstFileA(pattern.c_str(), &data)) {}
    ~TFileSearch() {
        if (m_handle != INVALID_HANDLE_VALUE) FindClose(m_handle);
    }
    TFileSearch(const TFileSearch&) = delete;
    TFileSearch& operator=(const TFileSearch&) = delete;

    bool Found() const { return m_handle != INVALID_HANDLE_VALUE; }
    // The next entry into data; false when none is left.
    bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(m_handle, &data) != FALSE; }

private:
    HANDLE m_handle;  // owned: the search, closed with FindClose
};
