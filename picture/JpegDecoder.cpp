// Full-size JPEG decoding through libjpeg, with its memory, scan count and error exits kept in check.
#include "picture/JpegDecoder.h"

#include <vector>

#include "picture/JpegError.h"
#include "picture/JpegPixels.h"

namespace {

// A decompressor whose libjpeg state is destroyed on every way out, the error exit included.
class TDecompressor {
public:
    TDecompressor(const std::uint8_t* data, std::size_t size) {
        m_info.err = InstallJpegErrorManager(m_error);
        jpeg_create_decompress(&m_info);
        m_info.mem->max_memory_to_use = kJpegLibraryMemory;
        m_progress.progress_monitor = StopAfterTooManyScans;
        m_info.progress = &m_progress;
        if (size > kMaxJpegDataSize) throw EJPEG("JPEG file too large");
        jpeg_mem_src(&m_info, data, static_cast<unsigned long>(size));
    }
    ~TDecompressor() { jpeg_destroy_decompress(&m_info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;

    jpeg_decompress_struct& Info() { return m_info; }

private:
    // libjpeg reports progress at every new scan while it takes in a progressive file.
    static void StopAfterTooManyScans(j_common_ptr common) {
        auto* info = reinterpret_cast<j_decompress_ptr>(common);
        if (info->input_scan_number > kMaxJpegScans)
            throw EJPEG("JPEG picture has more than " + std::to_string(kMaxJpegScans) + " scans");
    }

    jpeg_error_mgr m_error{};
    jpeg_progress_mgr m_progress{};
    jpeg_decompress_struct m_info{};  // owned libjpeg state
};

}  // namespace

TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size) {
    TDecompressor decompressor(data, size);
    jpeg_decompress_struct& info = decompressor.Info();
    jpeg_read_header(&info, TRUE);
    TJpegHeader header;
    header.width = static_cast<int>(info.image_width);
    header.height = static_cast<int>(info.image_height);
    header.progressive = info.progressive_mode != FALSE;
    return header;
}

void DecodeJpeg(const std::uint8_t* data, std::size_t size, int bytesPerPixel, const TBgrTargetProvider& target) {
    TDecompressor decompressor(data, size);
    jpeg_decompress_struct& info = decompressor.Info();
    jpeg_read_header(&info, TRUE);
    CheckJpegPictureSize(info.image_width, info.image_height);

    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    // The bitmap's own byte order, so that no conversion pass over the picture follows.
    info.out_color_space = bytesPerPixel == 4 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_start_decompress(&info);

    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    const TBgrTarget rows = target(width, height);
    std::vector<JSAMPROW> rowPointers(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) rowPointers[y] = rows.firstRow + rows.stride * static_cast<std::size_t>(y);

    // Rows come straight into the target; a truncated file yields grey rows with a warning.
    while (info.output_scanline < info.output_height) {
        const JDIMENSION done = info.output_scanline;
        jpeg_read_scanlines(&info, rowPointers.data() + done, info.output_height - done);
    }
    // The rest of the file (normally just the end marker) is not read: the pixels are complete.
}
