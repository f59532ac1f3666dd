// A fresh folder under the temporary folder for one test, removed with its contents afterwards.
#pragma once
#include <string>

class TTestFolder {
public:
    explicit TTestFolder(const std::string& name);
    ~TTestFolder();
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder's path with a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// Deletes a folder and everything in it; quiet about failures.
void RemoveFolderTree(const std::string& folder);
