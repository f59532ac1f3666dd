// Benchmark: stepping with the Down key through a folder of twenty 6000 x 4000 photographs, each
// looked at for the time of a full decode, with decode-ahead on and with it switched off
// (SONPIX_NO_PREPARE=1), each pass in a fresh process: from the key press to the painted picture,
// beside a bare full decode of the same picture measured in the same pass, and the memory after.
//   step_ahead_bench.exe [LOOK-FACTOR]   (the look between steps is LOOK-FACTOR x the bare decode; 1)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "bench/common/BenchInput.h"
#include "sys/mysys.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavSynth.h"
#include "ui/Application.h"

namespace {

constexpr int kPhotos = 20;
constexpr int kWidth = 6000, kHeight = 4000;

// Sensor noise over a drawn scene, different in every file: a smooth drawing alone decodes
// several times faster than a camera's picture.
TBytes CameraLikeJpeg(const TRgbImage& scene, unsigned seed) {
    TRgbImage photo = scene;
    AddSensorNoise(photo, seed);
    return EncodeRgbJpeg(photo, 92, false);
}

std::string EntryName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "Photo %02d", index);
    return name;
}

// Presses and releases a key through the input queue, as a person would.
void PressKey(WORD key) {
    INPUT input[2] = {};
    for (INPUT& one : input) {
        one.type = INPUT_KEYBOARD;
        one.ki.wVk = key;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

struct TPassResult {
    double bare = 0, first = 0, median = 0, slowest = 0;
    int quick = 0;  // Down steps under a quarter of the bare decode
    int hits = 0;   // prepared bitmaps the selections used (a picture and a maker's picture per step)
    double memoryMb = 0;
    double restingMb = 0;  // after the user has stopped stepping for longer than the worker keeps its memory
    int errors = 0;
};

// One pass in this process: the viewer on the folder, a click on the first entry, then Down.
int RunPass(const std::string& folderName, double lookFactor, const std::string& resultPath) {
    const std::string folder = folderName + "\\";
    TApplication application;
    Application->Initialize();
    int errors = 0;
    Application->OnException = [&errors](const std::exception& error) {
        ++errors;
        std::printf("error: %s\n", error.what());
    };
    ShowSilentViewer();
    PumpMessagesFor(300);
    Form1->DirectoryEdit1->SetText(folder);
    PumpMessagesFor(200);
    if (Form1->ListBox1->ItemCount() != kPhotos) {
        std::printf("the list shows %d entries instead of %d\n", Form1->ListBox1->ItemCount(), kPhotos);
        return 1;
    }

    std::vector<double> bare;
    for (int i = 0; i < 3; ++i) {
        const auto start = TClock::now();
        BareDecode(folder + "photo.jpg");
        bare.push_back(Seconds(start));
    }
    TPassResult result;
    result.bare = Median(bare);
    const DWORD lookMs = static_cast<DWORD>(result.bare * lookFactor * 1000);

    std::vector<double> steps;
    for (int entry = 0; entry < kPhotos; ++entry) {
        const auto start = TClock::now();
        if (entry == 0)
            ClickOnFirstEntry(Form1->ListBox1->Handle());
        else
            PressKey(VK_DOWN);
        // The whole selection runs inside the dispatch of the key or the click; the picture is
        // painted before it returns, and UpdateWindow and GdiFlush leave nothing for later.
        PumpMessagesUntil([entry] { return Form1->ListBox1->ItemIndex() == entry && Form1->Image1->Visible(); },
                          30000);
        UpdateWindow(Form1->Handle());
        GdiFlush();
        const double step = Seconds(start);
        if (Form1->ListBox1->ItemIndex() != entry) std::printf("step %d did not arrive\n", entry);
        if (entry == 0)
            result.first = step;
        else
            steps.push_back(step);
        std::printf("  step %2d: %7.1f ms\n", entry, step * 1000);
        PumpMessagesFor(lookMs);
    }
    result.median = Median(steps);
    for (double s : steps) {
        result.slowest = std::max(result.slowest, s);
        result.quick += s < result.bare / 4;
    }
    PumpMessagesUntil([] { return Form1->DecodeAhead().Idle(); }, 10000);
    PumpMessagesFor(200);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    result.memoryMb = counters.PagefileUsage / 1048576.0;
    PumpMessagesFor(TDecodeAhead::kKeepMemoryMs + 1000);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    result.restingMb = counters.PagefileUsage / 1048576.0;
    result.errors = errors;
    result.hits = Form1->DecodeAhead().TakenCount();

    FILE* out = std::fopen(resultPath.c_str(), "w");
    if (!out) return 1;
    std::fprintf(out, "%f %f %f %f %d %f %f %d %d\n", result.bare, result.first, result.median, result.slowest,
                 result.quick, result.memoryMb, result.restingMb, result.errors, result.hits);
    std::fclose(out);
    Form1->Close();
    PumpMessagesFor(100);
    return 0;
}

bool ReadResult(const std::string& path, TPassResult& result) {
    FILE* in = std::fopen(path.c_str(), "r");
    if (!in) return false;
    const int read = std::fscanf(in, "%lf %lf %lf %lf %d %lf %lf %d %d", &result.bare, &result.first, &result.median,
                                 &result.slowest, &result.quick, &result.memoryMb, &result.restingMb, &result.errors,
                                 &result.hits);
    std::fclose(in);
    return read == 9;
}

// Runs this program again for one pass, with or without decode-ahead, and waits for it.
bool RunChildPass(const std::string& folder, double lookFactor, bool prepare, const std::string& resultPath) {
    // Without its trailing backslash, which would escape the closing quote of the argument.
    const std::string folderName = folder.substr(0, folder.size() - 1);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --pass \"" + folderName + "\" " + std::to_string(lookFactor) +
                          " \"" + resultPath + "\"";
    SetEnvironmentVariableA("SONPIX_NO_PREPARE", prepare ? nullptr : "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA("SONPIX_NO_PREPARE", nullptr);
    if (!started) return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--pass") return argc == 5 ? RunPass(argv[2], std::atof(argv[3]), argv[4]) : 2;
    const double lookFactor = argc > 1 ? std::atof(argv[1]) : 1.0;

    TTestFolder folder("step_ahead_bench");
    std::printf("generating %d camera-like %d x %d photographs...\n", kPhotos, kWidth, kHeight);
    const TRgbImage scenes[4] = {MakeSunset(kWidth, kHeight), MakeLighthouse(kWidth, kHeight), MakeFlower(kWidth, kHeight),
                                 MakeAurora(kWidth, kHeight)};
    const TBytes badge = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
    TToneSpec tone;
    tone.seconds = 0.2;
    const TBytes sound = SynthesizeToneWav(tone);
    std::size_t total = 0;
    for (int i = 0; i < kPhotos; ++i) {
        TSonpixFileParts parts;
        parts.picture = CameraLikeJpeg(scenes[i % 4], static_cast<unsigned>(i));
        parts.sound = sound;
        parts.makerPicture = badge;
        parts.makerText = std::string("Bench");
        total += parts.picture.size();
        if (i == 0 && !WriteBytesFile(folder / "photo.jpg", parts.picture)) return 1;
        if (!WriteBytesFile(folder / (EntryName(i) + ".sonpix"), BuildSonpix(parts))) return 1;
    }
    std::printf("pictures: %.1f MB on average; look between steps: %.2f x the bare decode\n",
                total / 1048576.0 / kPhotos, lookFactor);

    TPassResult off, on;
    std::printf("pass without decode-ahead (SONPIX_NO_PREPARE=1):\n");
    if (!RunChildPass(folder.Path(), lookFactor, false, folder / "off.txt") || !ReadResult(folder / "off.txt", off))
        return 1;
    std::printf("pass with decode-ahead:\n");
    if (!RunChildPass(folder.Path(), lookFactor, true, folder / "on.txt") || !ReadResult(folder / "on.txt", on))
        return 1;

    for (const auto& [name, r] : {std::pair<const char*, TPassResult&>{"decode-ahead off", off}, {"decode-ahead on ", on}}) {
        std::printf("%s: bare decode %6.1f ms | first step (click) %6.1f ms | Down steps: median %6.1f ms, "
                    "slowest %6.1f ms, %2d of %d under a quarter of the decode | ratio median/bare %.3f | "
                    "prepared bitmaps used %d | memory after %.1f MB, %.1f MB after a pause | errors %d\n",
                    name, r.bare * 1000, r.first * 1000, r.median * 1000, r.slowest * 1000, r.quick, kPhotos - 1,
                    r.median / r.bare, r.hits, r.memoryMb, r.restingMb, r.errors);
    }
    std::printf("target: median step <= 0.1 x bare decode with decode-ahead: %s (%.3f)\n",
                on.median <= 0.1 * on.bare ? "met" : "NOT met", on.median / on.bare);
    return 0;
}
