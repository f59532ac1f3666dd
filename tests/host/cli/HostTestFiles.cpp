// The whole-file helpers of tests/support/TestFiles.h for the host build, over the C library's files.
#include "tests/support/TestFiles.h"

#include <cstdio>
#include <memory>

namespace {
struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;
}  // namespace

std::optional<TBytes> ReadBytesFile(const std::string& path) {
    TFilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    TBytes bytes;
    std::uint8_t buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + got);
    return bytes;
}

bool WriteBytesFile(const std::string& path, const TBytes& bytes) {
    TFilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    return std::fclose(file.release()) == 0;
}
