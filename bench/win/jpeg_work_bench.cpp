// Benchmark: what decoding costs per unit of scan work, for ordinary and hostile progressive pictures,
// the program's bounded decode beside an unbounded bare libjpeg decode of the same files.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/common/BenchCommon.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "picture/JpegDecoder.h"
#include "picture/JpegError.h"
#include "picture/JpegPixels.h"

namespace {

// Blocks passed over and coefficients of their bands, summed over the scans, as a bare decode sees them.
struct TScanTally : jpeg_progress_mgr {
    int lastScan = 0;
    double blocks = 0, coefficients = 0;
};

void Tally(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* tally = static_cast<TScanTally*>(info->progress);
    if (info->input_scan_number == tally->lastScan || info->comps_in_scan <= 0) return;
    tally->lastScan = info->input_scan_number;
    double blocks = 0;
    for (int i = 0; i < info->comps_in_scan; ++i)
        blocks += double(info->cur_comp_info[i]->width_in_blocks) * info->cur_comp_info[i]->height_in_blocks;
    tally->blocks += blocks;
    tally->coefficients += blocks * (info->progressive_mode ? info->Se - info->Ss + 1 : 64);
}

void Quiet(j_common_ptr) {}
void QuietEmit(j_common_ptr, int) {}

// Unbounded decode to RGB; returns the seconds and fills the tally.
double BareDecodeTallied(const TBytes& bytes, TScanTally& tally) {
    const auto start = TClock::now();
    jpeg_error_mgr error;
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&error);
    error.output_message = Quiet;
    error.emit_message = QuietEmit;
    jpeg_create_decompress(&info);
    tally.progress_monitor = Tally;
    info.progress = &tally;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    std::vector<std::uint8_t> row(stride);
    JSAMPROW rowPointer = row.data();
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, &rowPointer, 1);
    jpeg_destroy_decompress(&info);
    return Seconds(start);
}

double ProgramDecode(const TBytes& bytes, std::string& outcome) {
    const auto start = TClock::now();
    try {
        TBgrImage pixels;
        DecodeJpeg(bytes.data(), bytes.size(), 3, [&pixels](int width, int height) {
            pixels = TBgrImage(width, height, 3);
            return TBgrTarget{pixels.Bits(), pixels.Stride()};
        });
        outcome = "decoded";
    } catch (const EJPEG& e) {
        outcome = e.what();
    }
    return Seconds(start);
}

// The scan with this index (0 = first) repeated `extra` more times just before the end marker.
TBytes WithRepeatedScan(const TBytes& jpeg, int index, int extra) {
    std::vector<std::size_t> scans;
    std::size_t end = 0;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] != 0xFF) continue;
        if (jpeg[i + 1] == 0xDA) scans.push_back(i);
        if (jpeg[i + 1] == 0xD9) end = i;
    }
    const std::size_t from = scans[index];
    std::size_t to = index + 1 < static_cast<int>(scans.size()) ? scans[index + 1] : end;
    // A scan runs on to the next marker other than a restart or stuffing; the tables between scans stay out.
    for (std::size_t i = from + 2; i + 1 < to; ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] != 0 && (jpeg[i + 1] < 0xD0 || jpeg[i + 1] > 0xD7)) { to = i; break; }
    TBytes edited(jpeg.begin(), jpeg.begin() + end);
    for (int i = 0; i < extra; ++i) edited.insert(edited.end(), jpeg.begin() + from, jpeg.begin() + to);
    edited.insert(edited.end(), jpeg.begin() + end, jpeg.end());
    return edited;
}

struct TCase {
    std::string name;
    std::function<TBytes()> make;
};

}  // namespace

// With an argument, only the cases whose name holds it run.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    std::printf("Decoding work: units = blocks x (%llu + band); limit %llu units a pixel, %.2f to %.2f G units\n",
                static_cast<unsigned long long>(TJpegScanWork::kBlockCost), static_cast<unsigned long long>(TJpegScanWork::kPerPixel),
                TJpegScanWork::kFloor / 1e9, TJpegScanWork::kCeiling / 1e9);
    const std::vector<TCase> cases = {
        {"6000x4000 baseline", [] { return EncodeRgbJpeg(MakeSunset(6000, 4000), 90, false); }},
        {"6000x4000 progressive", [] { return EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true); }},
        {"6000x4000 progressive, last scan x1000", [] { return WithRepeatedLastScan(EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true), 990); }},
        {"6000x4000 progressive, last scan x100", [] { return WithRepeatedLastScan(EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true), 90); }},
        {"6000x4000 progressive, first (DC) scan x1000", [] { return WithRepeatedScan(EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true), 0, 990); }},
        {"6000x4000 progressive, Y AC 1-5 scan x1000", [] { return WithRepeatedScan(EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true), 1, 990); }},
        {"2000x1500 progressive, last scan x1000", [] { return WithRepeatedLastScan(EncodeRgbJpeg(MakeSunset(2000, 1500), 90, true), 990); }},
        {"10000x10000 progressive", [] { return EncodeRgbJpeg(MakeSunset(10000, 10000), 90, true); }},
        {"12000x8000 progressive", [] { return EncodeRgbJpeg(MakeSunset(12000, 8000), 90, true); }},
        {"10000x10000 baseline", [] { return EncodeRgbJpeg(MakeSunset(10000, 10000), 90, false); }},
    };
    for (const TCase& c : cases) {
        if (c.name.find(only) == std::string::npos) continue;
        const TBytes bytes = c.make();
        TScanTally tally{};
        const double bare = BareDecodeTallied(bytes, tally);
        std::string outcome;
        const double program = ProgramDecode(bytes, outcome);
        const double units = tally.blocks * TJpegScanWork::kBlockCost + tally.coefficients;
        std::printf("%-46s scans %4d  blocks %7.1f M  coefs %8.1f M  units %6.2f G  bare %6.2f s (%.2f ns/unit)  program %6.2f s: %s\n",
                    c.name.c_str(), tally.lastScan, tally.blocks / 1e6, tally.coefficients / 1e6, units / 1e9, bare,
                    bare * 1e9 / units, program, outcome.c_str());
        std::fflush(stdout);
    }
    return 0;
}
