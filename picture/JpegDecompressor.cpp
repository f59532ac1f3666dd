// The viewer's libjpeg decompressor: error manager, limits and decode settings in one place.
#include "picture/JpegDecompressor.h"

#include "picture/JpegLimits.h"

TJpegDecompressor::TJpegDecompressor(const std::uint8_t* data, std::size_t size, const std::atomic<bool>* cancel) {
    // Refused before libjpeg allocates anything: a constructor that throws runs no destructor.
    if (size > kMaxJpegDataSize) throw EJPEG("JPEG file too large");
    m_info.err = InstallJpegErrorManager(m_error);
    jpeg_create_decompress(&m_info);
    m_info.mem->max_memory_to_use = kJpegLibraryMemory;
    m_scans.cancel = cancel;
    m_info.progress = &m_scans;
    jpeg_mem_src(&m_info, data, static_cast<unsigned long>(size));
}

void TJpegDecompressor::StartDecode(int bytesPerPixel, unsigned reduction) {
    m_info.scale_num = 1;
    m_info.scale_denom = reduction;
    m_info.dct_method = JDCT_ISLOW;
    m_info.do_fancy_upsampling = TRUE;
    // The bitmap's own byte order, so that no conversion pass over the picture follows.
    m_info.out_color_space = FourColour() ? JCS_CMYK : bytesPerPixel == 4 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_start_decompress(&m_info);
}

std::string TJpegDecompressor::LastMessage() {
    char text[JMSG_LENGTH_MAX] = {};
    m_error.format_message(reinterpret_cast<j_common_ptr>(&m_info), text);
    return text;
}
