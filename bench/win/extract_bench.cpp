// ExtractSonpix of a 200 MB file beside a plain read-whole-file-then-write copy of the same
// bytes, in the same run; prints the median times and their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/common/BenchCommon.h"
#include "container/sonpix.h"
#include "sys/UniqueHandle.h"
#include "sys/mysys.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

namespace {

constexpr std::size_t kPictureSize = 120u << 20;
constexpr std::size_t kSoundSize = 80u << 20;
constexpr int kRounds = 7;

// The baseline: one read of the whole file, one write of all of it into a new file.
void PlainCopy(const std::string& from, const std::string& to) {
    UniqueHandle in(CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    GetFileSizeEx(in.Get(), &size);
    std::unique_ptr<char[]> bytes(new char[size.QuadPart]);
    DWORD got = 0;
    ReadFile(in.Get(), bytes.get(), static_cast<DWORD>(size.QuadPart), &got, nullptr);
    UniqueHandle out(CreateFileA(to.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD put = 0;
    WriteFile(out.Get(), bytes.get(), got, &put, nullptr);
}

}  // namespace

int main() {
    TTestFolder folder("extract-bench");
    std::mt19937 random(7);
    TSonpixFileParts parts;
    parts.picture.resize(kPictureSize);
    parts.sound.resize(kSoundSize);
    for (auto& b : parts.picture) b = static_cast<std::uint8_t>(random());
    for (auto& b : parts.sound) b = static_cast<std::uint8_t>(random());
    parts.makerPicture = BytesOf("maker picture");
    parts.makerText = "maker text";
    const std::string source = folder / "big.sonpix";
    if (!WriteBytesFile(source, BuildSonpix(parts))) {
        std::printf("cannot write %s\n", source.c_str());
        return 1;
    }
    parts = {};

    std::vector<double> extract, copy;
    for (int round = 0; round < kRounds; ++round) {
        auto start = TClock::now();
        PlainCopy(source, folder / "copy.bin");
        copy.push_back(Seconds(start));
        DeleteFileA((folder / "copy.bin").c_str());
        std::string text;
        start = TClock::now();
        ExtractSonpix(source, folder.Path(), "Tempsx", text);
        extract.push_back(Seconds(start));
    }
    const double e = Median(extract), c = Median(copy);
    std::printf("ExtractSonpix of 200 MB: %.3f s   plain read+write copy: %.3f s   ratio %.2f (target <= 1.50)\n", e,
                c, e / c);
    return 0;
}
