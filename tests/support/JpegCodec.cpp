// Test-side JPEG codec over libjpeg (independent of the program's own), and JPEG byte edits.
#include "JpegCodec.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include <jpeglib.h>

namespace {

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

[[noreturn]] void ThrowCodecError(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, text);
    throw EJpegCodec(cinfo->err->msg_code, text);
}
void Silent(j_common_ptr) {}
void SilentEmit(j_common_ptr, int) {}

void MakeQuiet(jpeg_error_mgr& error) {
    jpeg_std_error(&error);
    error.error_exit = ThrowCodecError;
    error.output_message = Silent;
    error.emit_message = SilentEmit;
}

struct TScanCounter : jpeg_progress_mgr {
    int scans = 0;
};
void CountScans(j_common_ptr cinfo) {
    auto* counter = static_cast<TScanCounter*>(cinfo->progress);
    counter->scans = std::max(counter->scans, reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number);
}

std::size_t FindMarker(const TBytes& jpeg, std::uint8_t code, std::size_t from = 0) {
    for (std::size_t i = from; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == code) return i;
    return kNotFound;
}

}  // namespace

namespace {

// One compression into memory: set-up and clean-up shared by the encoders. configure sets the
// colour space and its options after the defaults; row gives the samples of each row in turn.
TBytes Compress(int width, int height, int components, J_COLOR_SPACE inSpace, int quality,
                const std::function<void(jpeg_compress_struct&)>& configure,
                const std::function<JSAMPROW(JDIMENSION row)>& row) {
    jpeg_error_mgr error;
    jpeg_compress_struct info{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    MakeQuiet(error);
    info.err = &error;
    jpeg_create_compress(&info);
    struct TCleanup {
        jpeg_compress_struct& info;
        unsigned char*& buffer;
        ~TCleanup() {
            jpeg_destroy_compress(&info);
            std::free(buffer);
        }
    } cleanup{info, buffer};
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = inSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    configure(info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW samples = row(info.next_scanline);
        jpeg_write_scanlines(&info, &samples, 1);
    }
    jpeg_finish_compress(&info);
    return TBytes(buffer, buffer + size);
}

}  // namespace

TBytes EncodeRgbJpeg(const TRgbImage& image, int quality, bool progressive) {
    return Compress(
        image.width, image.height, 3, JCS_RGB, quality,
        [progressive](jpeg_compress_struct& info) {
            if (progressive) jpeg_simple_progression(&info);
        },
        [&image](JDIMENSION y) { return const_cast<JSAMPROW>(image.At(0, static_cast<int>(y))); });
}

TBytes EncodeJpegVariant(const TRgbImage& image, int quality, bool progressive, bool grey, int restartRows) {
    return Compress(
        image.width, image.height, 3, JCS_RGB, quality,
        [=](jpeg_compress_struct& info) {
            if (grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
            info.restart_in_rows = restartRows;
            if (progressive) jpeg_simple_progression(&info);
        },
        [&image](JDIMENSION y) { return const_cast<JSAMPROW>(image.At(0, static_cast<int>(y))); });
}

TBytes EncodeCmykJpeg(const std::vector<std::uint8_t>& cmyk, int width, int height, TCmykForm form, int quality) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 4);
    return Compress(
        width, height, 4, JCS_CMYK, quality,
        [form](jpeg_compress_struct& info) {
            jpeg_set_colorspace(&info, form == TCmykForm::adobeYcck ? JCS_YCCK : JCS_CMYK);
            for (int c = 0; c < info.num_components; ++c)
                info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
            info.write_Adobe_marker = form == TCmykForm::plainCmyk ? FALSE : TRUE;
        },
        [&](JDIMENSION y) {
            const std::uint8_t* ink = cmyk.data() + static_cast<std::size_t>(y) * width * 4;
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i] = form == TCmykForm::plainCmyk ? ink[i] : static_cast<std::uint8_t>(255 - ink[i]);
            return row.data();
        });
}

TDecodedJpeg DecodeRgbJpeg(const TBytes& jpeg) {
    jpeg_error_mgr error;
    jpeg_decompress_struct info{};
    TScanCounter counter;
    counter.progress_monitor = CountScans;
    MakeQuiet(error);
    info.err = &error;
    jpeg_create_decompress(&info);
    struct TCleanup {
        jpeg_decompress_struct& info;
        ~TCleanup() { jpeg_destroy_decompress(&info); }
    } cleanup{info};
    info.progress = &counter;
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    TDecodedJpeg decoded;
    decoded.progressive = info.progressive_mode != FALSE;
    decoded.image = TRgbImage(info.output_width, info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoded.image.At(0, info.output_scanline);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    decoded.scans = std::max(counter.scans, info.input_scan_number);
    return decoded;
}

TBytes WithDeclaredSize(const TBytes& jpeg, int width, int height) {
    TBytes edited = jpeg;
    for (std::size_t at : MarkerOffsets(jpeg)) {
        const std::uint8_t code = jpeg[at + 1];
        if ((code >= 0xC0 && code <= 0xC3) || (code >= 0xC9 && code <= 0xCB)) {
            edited.at(at + 5) = static_cast<std::uint8_t>(height >> 8);
            edited.at(at + 6) = static_cast<std::uint8_t>(height);
            edited.at(at + 7) = static_cast<std::uint8_t>(width >> 8);
            edited.at(at + 8) = static_cast<std::uint8_t>(width);
            return edited;
        }
    }
    throw std::runtime_error("no frame header");
}

TBytes WithRepeatedLastScan(const TBytes& jpeg, int extraScans) {
    std::size_t lastScan = kNotFound;
    for (std::size_t at = FindMarker(jpeg, 0xDA); at != kNotFound; at = FindMarker(jpeg, 0xDA, at + 2))
        lastScan = at;
    const std::size_t end = FindMarker(jpeg, 0xD9, lastScan == kNotFound ? 0 : lastScan);
    if (lastScan == kNotFound || end == kNotFound) throw std::runtime_error("no scan");
    TBytes edited(jpeg.begin(), jpeg.begin() + end);
    for (int i = 0; i < extraScans; ++i) edited.insert(edited.end(), jpeg.begin() + lastScan, jpeg.begin() + end);
    edited.insert(edited.end(), jpeg.begin() + end, jpeg.end());
    return edited;
}

std::vector<std::size_t> MarkerOffsets(const TBytes& jpeg) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] != 0x00 && jpeg[i + 1] != 0xFF) offsets.push_back(i);
    return offsets;
}

int JpegRejectionCode(const TBytes& bytes) {
    try {
        DecodeRgbJpeg(bytes);
    } catch (const EJpegCodec& error) {
        return error.code;
    }
    return -1;
}
