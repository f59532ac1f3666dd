// Runs the built sonpix program in a scratch folder of its own, for the black-box tests.
#pragma once
#include <string>
#include <vector>

#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"

struct TCliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments, in the folder given (the current one when empty).
TCliRun RunSonpix(const std::vector<std::string>& args, const std::string& workFolder = "");

// A fresh folder under the system's temporary folder, removed with its contents afterwards.
class TScratch {
public:
    TScratch();
    ~TScratch();
    TScratch(const TScratch&) = delete;
    TScratch& operator=(const TScratch&) = delete;
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }
    // Writes a file in the folder and gives its path.
    std::string Put(const std::string& name, const TBytes& bytes) const;
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string m_path;
};
