// Benchmark: FitPictureFile of a 6000 x 4000 picture into 680 x 500, beside a bare libjpeg decode.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "bench/common/BenchCommon.h"
#include "picture/FitPicture.h"
#include "picture/JpegDecoder.h"
#include "picture/JpegPixels.h"
#include "sys/FileBytes.h"
#include "sys/GdiObjects.h"
#include "sys/mysys.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/TestFiles.h"

namespace {

// Where FitPictureFile's time goes: reading, decoding into the full-size 24-bit buffer, and the
// stretch, onto a 24-bit bitmap (what the picture object does) and, for comparison, straight
// onto a bitmap in the screen's format, where Wine first converts the whole picture.
void PrintBreakdown(const std::string& path) {
    std::vector<double> read, decode, stretchSameFormat, stretchScreenFormat;
    for (int run = 0; run < 5; ++run) {
        auto start = TClock::now();
        const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
        read.push_back(Seconds(start));
        start = TClock::now();
        TBgrImage pixels;
        DecodeJpeg(bytes.data(), bytes.size(), 3, [&pixels](int width, int height) {
            pixels = TBgrImage(width, height, 3);
            return TBgrTarget{pixels.Bits(), pixels.Stride()};
        });
        decode.push_back(Seconds(start));
        const BITMAPINFO info = pixels.Info();
        TClientDC screen(nullptr);
        const BITMAPINFO smallInfo = TopDownBgrInfo(680, 453, 3);
        void* smallBits = nullptr;
        TBitmapHandle sameFormat(CreateDIBSection(screen.Get(), &smallInfo, DIB_RGB_COLORS, &smallBits, nullptr, 0));
        TBitmapHandle screenFormat(CreateCompatibleBitmap(screen.Get(), 680, 453));
        for (auto [bitmap, times] : {std::pair{sameFormat.Get(), &stretchSameFormat},
                                     std::pair{screenFormat.Get(), &stretchScreenFormat}}) {
            TMemDC memory(screen.Get());
            TSelectGuard select(memory.Get(), bitmap);
            SetStretchBltMode(memory.Get(), COLORONCOLOR);
            start = TClock::now();
            StretchDIBits(memory.Get(), 0, 0, 680, 453, 0, 0, pixels.Width(), pixels.Height(), pixels.Bits(), &info,
                          DIB_RGB_COLORS, SRCCOPY);
            times->push_back(Seconds(start));
        }
    }
    std::printf("  breakdown: read %.1f ms, decode into the 24-bit buffer %.1f ms, stretch onto a 24-bit bitmap %.1f ms"
                " (onto the screen's format it would take %.1f ms)\n",
                Median(read) * 1000, Median(decode) * 1000, Median(stretchSameFormat) * 1000,
                Median(stretchScreenFormat) * 1000);
}

}  // namespace

int main() {
    const std::string folder = GetTempFolder();
    const std::string source = folder + "fit_picture_bench_source.jpg";
    const std::string target = folder + "fit_picture_bench_target.jpg";
    std::printf("generating a 6000 x 4000 baseline JPEG...\n");
    WriteBytesFile(source, EncodeRgbJpeg(MakeSunset(6000, 4000), 90, false));

    constexpr int kRuns = 7;
    std::vector<double> fitTimes, decodeTimes;
    for (int run = 0; run < kRuns; ++run) {
        auto start = TClock::now();
        BareDecode(source);
        decodeTimes.push_back(Seconds(start));
        start = TClock::now();
        FitPictureFile(source, target, 680, 500);
        fitTimes.push_back(Seconds(start));
    }
    const double decode = Median(decodeTimes), fit = Median(fitTimes);
    std::printf("bare libjpeg full decode : %.1f ms (median of %d)\n", decode * 1000, kRuns);
    std::printf("FitPictureFile 680x500   : %.1f ms (median of %d)\n", fit * 1000, kRuns);
    std::printf("ratio fit / decode       : %.2f (target <= 1.25)\n", fit / decode);
    PrintBreakdown(source);
    DeleteFileQuietly(source);
    DeleteFileQuietly(target);
    return 0;
}
