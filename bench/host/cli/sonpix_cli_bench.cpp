// sonpix_cli_bench: `sonpix check` and `sonpix info` over 1,000 Sonpix files of about 1 MB each,
// beside `cat` of the same files to /dev/null, in the same run; prints the ratios.
//   sonpix_cli_bench [FILES] [progressive share 0..1]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/common/BenchCommon.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"

extern char** environ;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileSize = 1'000'000;
constexpr int kRounds = 3;

// Runs a program with its output thrown away; its exit code.
int RunQuiet(const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) return -1;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double BestOf(const std::vector<std::string>& args, int expectedCode) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = TClock::now();
        const int code = RunQuiet(args);
        best = std::min(best, Seconds(start));
        if (code != expectedCode) std::fprintf(stderr, "%s exited with %d\n", args[0].c_str(), code);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const double progressiveShare = argc > 2 ? std::atof(argv[2]) : 0.25;
    const std::string sonpix = (fs::path(argv[0]).parent_path() / "sonpix").string();
    const fs::path folder = fs::temp_directory_path() / ("sonpix-cli-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);

    // Files like a camera's: a 1600 x 1200 picture (a quarter progressive), a maker's badge and
    // text, and a 16-bit stereo sound that fills the file to about 1 MB.
    const TBytes baseline = EncodeRgbJpeg(MakeSunset(1600, 1200), 85, false);
    const TBytes progressive = EncodeRgbJpeg(MakeSunset(1600, 1200), 85, true);
    const TBytes maker = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        const bool isProgressive = i < count * progressiveShare;
        const TBytes& picture = isProgressive ? progressive : baseline;
        TToneSpec tone;
        tone.frequencyHz = 200 + i;
        tone.channels = 2;
        tone.sampleRate = 44100;
        tone.seconds = static_cast<double>(kFileSize - picture.size() - maker.size() - 200) / (44100 * 4);
        const TBytes bytes = BuildSonpix({picture, SynthesizeToneWav(tone), maker, std::string("\xC8\xE2\xE0\xED")});
        files.push_back((folder / ("file" + std::to_string(i) + ".sonpix")).string());
        WriteBytesFile(files.back(), bytes);
    }
    const auto withFiles = [&files](std::vector<std::string> args) {
        args.insert(args.end(), files.begin(), files.end());
        return args;
    };
    std::printf("%d files of %zu bytes (picture %zu bytes baseline / %zu progressive, %.0f%% progressive)\n", count,
                static_cast<std::size_t>(fs::file_size(files[0])), baseline.size(), progressive.size(), progressiveShare * 100);
    RunQuiet(withFiles({"cat"}));  // into the page cache, so that every run reads from memory
    const double cat = BestOf(withFiles({"cat"}), 0);
    const double check = BestOf(withFiles({sonpix, "check"}), 0);
    const double info = BestOf(withFiles({sonpix, "info"}), 0);
    const double json = BestOf(withFiles({sonpix, "info", "--json"}), 0);
    std::printf("cat > /dev/null       %7.3f s\n", cat);
    std::printf("sonpix check          %7.3f s   %.2fx cat\n", check, check / cat);
    std::printf("sonpix info           %7.3f s   %.2fx cat\n", info, info / cat);
    std::printf("sonpix info --json    %7.3f s   %.2fx cat\n", json, json / cat);
    fs::remove_all(folder);
    return 0;
}
