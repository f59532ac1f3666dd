// Timing helpers and the bare full-size JPEG decode that the Windows benchmarks compare against.
#pragma once
#include <jpeglib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"

using TClock = std::chrono::steady_clock;

inline double Seconds(TClock::time_point start) {
    return std::chrono::duration<double>(TClock::now() - start).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor of any display: read the file and decode it at full size (accurate integer DCT,
// smooth upsampling) into one RGB buffer, nothing else.
inline void BareDecode(const std::string& path) {
    const auto bytes = ReadBytesFile(path);
    jpeg_error_mgr error;
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes->data(), static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[stride * info.output_height]);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.get() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}
