// Benchmark: showing a 6000 x 4000 picture in the main window, beside a bare libjpeg decode of it:
// from a real click on its list entry to the painted window, and the display step alone.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "picture/FitPicture.h"
#include "app/Unit1.h"
#include "container/sonpix.h"
#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "bench/common/BenchInput.h"
#include "sys/mysys.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"
#include "ui/Application.h"
#include "tests/support/MessagePump.h"

int main() {
    const std::string temp = GetTempFolder();
    const std::string sonpix = temp + "display_bench.sonpix";
    std::printf("generating a 6000 x 4000 baseline JPEG and a 287 x 57 maker's picture...\n");
    TSonpixFileParts parts;
    parts.picture = EncodeRgbJpeg(MakeSunset(6000, 4000), 90, false);
    parts.makerPicture = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
    TToneSpec tone;
    tone.seconds = 0.2;
    parts.sound = SynthesizeToneWav(tone);
    parts.makerText = std::string("Bench");
    if (!WriteBytesFile(sonpix, BuildSonpix(parts))) {
        std::printf("cannot write %s\n", sonpix.c_str());
        return 1;
    }

    TApplication application;
    InitializeBenchApplication();
    ShowSilentViewer();
    PumpMessagesFor(300);

    std::string makerText;
    ExtractSonpix(sonpix, temp, "Tempsx", makerText);
    const std::string picture = temp + "Tempsx.jpg";
    const std::string fitted = temp + "display_bench_fitted.jpg";
    std::printf("picture: %zu bytes; screen %d pixels wide\n", ReadBytesFile(picture)->size(),
                GetSystemMetrics(SM_CXSCREEN));

    // The file alone in a folder of its own, listed by the folder field as a user would pick it.
    const std::string folder = temp + "display_bench_folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string listed = folder + "\\Photo.sonpix";
    CopyFileA(sonpix.c_str(), listed.c_str(), FALSE);
    Form1->DirectoryEdit1->SetText(folder);
    PumpMessagesFor(200);

    constexpr int kRuns = 5;
    std::vector<double> decodeTimes, showTimes, fitTimes, clickTimes;
    for (int run = 0; run < kRuns; ++run) {
        auto start = TClock::now();
        BareDecode(picture);
        decodeTimes.push_back(Seconds(start));

        // ShowCurrentFile handles the pending messages itself, so both pictures are painted when
        // it returns; UpdateWindow and GdiFlush make sure nothing is left for later.
        start = TClock::now();
        Form1->ShowCurrentFile();
        UpdateWindow(Form1->Handle());
        GdiFlush();
        showTimes.push_back(Seconds(start));

        start = TClock::now();
        FitPictureFile(picture, fitted, 680, 500);
        fitTimes.push_back(Seconds(start));
        PumpMessagesFor(50);

        // A real click (through the input queue) on the entry; timed until the window has
        // nothing left to paint. The selection is taken away first so that the click selects.
        Form1->ListBox1->SetItemIndex(-1);
        Form1->Image1->Hide();
        PumpMessagesFor(50);
        start = TClock::now();
        ClickOnFirstEntry(Form1->ListBox1->Handle());
        while (!Form1->Image1->Visible() && Seconds(start) < 30) PumpMessagesFor(1);
        UpdateWindow(Form1->Handle());
        GdiFlush();
        clickTimes.push_back(Seconds(start));
        PumpMessagesFor(50);
    }
    const double decode = Median(decodeTimes), show = Median(showTimes), fit = Median(fitTimes),
                 click = Median(clickTimes);
    std::printf("Image1 %d x %d, Image2 %d x %d\n", Form1->Image1->PictureWidth(), Form1->Image1->PictureHeight(),
                Form1->Image2->PictureWidth(), Form1->Image2->PictureHeight());
    std::printf("(a) bare libjpeg full decode 6000x4000   : %7.1f ms (median of %d)\n", decode * 1000, kRuns);
    std::printf("(b) ShowCurrentFile until both painted   : %7.1f ms   ratio to (a) %.2f\n", show * 1000, show / decode);
    std::printf("(c) FitPictureFile 680x500 alone         : %7.1f ms   ratio to (a) %.2f\n", fit * 1000, fit / decode);
    std::printf("    display beyond the picture's fitting : %7.1f ms\n", (show - fit) * 1000);
    std::printf("(d) click on the entry until painted     : %7.1f ms   ratio to (a) %.2f\n", click * 1000, click / decode);

    DeleteFileQuietly(listed);
    RemoveDirectoryA(folder.c_str());
    DeleteFileQuietly(fitted);
    DeleteFileQuietly(sonpix);
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg"}) DeleteFileQuietly(temp + name);
    Form1->Close();
    PumpMessagesFor(100);
    return 0;
}
