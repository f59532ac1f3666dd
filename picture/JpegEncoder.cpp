// JPEG encoding through libjpeg into memory.
#include "picture/JpegEncoder.h"

#include <cstdlib>

#include "picture/JpegError.h"
#include "picture/JpegPixels.h"

namespace {

// A compressor writing into a buffer that libjpeg grows with malloc; both freed on every way out.
class TCompressor {
public:
    TCompressor() {
        m_info.err = InstallJpegErrorManager(m_error);
        jpeg_create_compress(&m_info);
        jpeg_mem_dest(&m_info, &m_buffer, &m_size);
    }
    ~TCompressor() {
        jpeg_destroy_compress(&m_info);
        std::free(m_buffer);
    }
    TCompressor(const TCompressor&) = delete;
    TCompressor& operator=(const TCompressor&) = delete;

    jpeg_compress_struct& Info() { return m_info; }
    std::vector<std::uint8_t> Output() const { return std::vector<std::uint8_t>(m_buffer, m_buffer + m_size); }

private:
    jpeg_error_mgr m_error{};
    jpeg_compress_struct m_info{};  // owned libjpeg state
    unsigned char* m_buffer = nullptr;  // owned, malloc'ed by libjpeg
    unsigned long m_size = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const TBgrImage& pixels, bool progressive) {
    TCompressor compressor;
    jpeg_compress_struct& info = compressor.Info();
    info.image_width = static_cast<JDIMENSION>(pixels.Width());
    info.image_height = static_cast<JDIMENSION>(pixels.Height());
    // Read in bitmap order; the YCbCr result is the same as from RGB input.
    info.input_components = pixels.BytesPerPixel();
    info.in_color_space = pixels.BytesPerPixel() == 4 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kJpegSaveQuality, TRUE);
    if (progressive) jpeg_simple_progression(&info);

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.Row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return compressor.Output();
}
