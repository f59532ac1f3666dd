// Starting the sonpix program with its output captured, and scratch folders.
#include "tests/host/cli/CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path) {
    const auto bytes = ReadBytesFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

TScratch::TScratch() {
    std::string pattern = (fs::temp_directory_path() / "sonpix-cli-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TScratch::~TScratch() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string TScratch::Put(const std::string& name, const TBytes& bytes) const {
    const std::string path = *this / name;
    if (!WriteBytesFile(path, bytes)) throw std::runtime_error("cannot write " + path);
    return path;
}

std::vector<std::string> TScratch::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TCliRun RunSonpix(const std::vector<std::string>& args, const std::string& workFolder) {
    const TScratch captured;
    const std::string outPath = captured / "out", errPath = captured / "err";
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        if (!workFolder.empty() && chdir(workFolder.c_str()) != 0) _exit(126);
        if (!freopen(outPath.c_str(), "wb", stdout) || !freopen(errPath.c_str(), "wb", stderr)) _exit(126);
        std::vector<char*> argv;
        std::string program = SONPIX_EXE;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& arg : copies) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    TCliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    return run;
}
