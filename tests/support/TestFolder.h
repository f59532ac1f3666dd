// A fresh folder under the temporary folder for one test, removed with its contents afterwards.
#pragma once
#include <string>

class TTestFolder {
public:
    // Each folder is new: the name, the process id and a running number make it unique.
    explicit TTestFolder(const std::string& name = "scratch");
    ~TTestFolder();
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder's path with a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }
    // Path() + relative, creating the folders named in relative on the way.
    std::string Make(const std::string& relative) const;

private:
    std::string m_path;
};

// Deletes a folder and everything in it; quiet about failures.
void RemoveFolderTree(const std::string& folder);
