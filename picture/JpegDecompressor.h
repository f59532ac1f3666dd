// One libjpeg decompressor, set up as the viewer decodes, for the decoder and for the check of a
// picture, so that the two cannot drift apart.
#pragma once
#include <cstddef>
#include <atomic>
#include <cstdint>
#include <string>

#include "picture/JpegError.h"
#include "picture/JpegScanCounter.h"

class TJpegDecompressor {
public:
    // Reads from data in place. Fatal libjpeg errors leave as EJPEG with libjpeg's message code,
    // the memory, scan and work limits watch every step, and the libjpeg state is destroyed on
    // every way out. EJPEG("JPEG file too large") for data of kMaxJpegDataSize bytes or more.
    // A cancel flag (not owned, null for none) that turns true stops the decode with EJPEG.
    TJpegDecompressor(const std::uint8_t* data, std::size_t size, const std::atomic<bool>* cancel = nullptr);
    ~TJpegDecompressor() { jpeg_destroy_decompress(&m_info); }
    TJpegDecompressor(const TJpegDecompressor&) = delete;
    TJpegDecompressor& operator=(const TJpegDecompressor&) = delete;

    jpeg_decompress_struct& Info() { return m_info; }
    // Parses the header, up to the first scan.
    void ReadHeader() { jpeg_read_header(&m_info, TRUE); }
    // Whether the picture has four colours (CMYK, or YCCK that libjpeg turns into CMYK), which
    // libjpeg gives only as ink and the viewer turns into light itself.
    bool FourColour() const { return m_info.jpeg_color_space == JCS_CMYK || m_info.jpeg_color_space == JCS_YCCK; }
    // The viewer's decode: the accurate integer inverse DCT, smooth upsampling, blue-green-red
    // pixels of bytesPerPixel (3, or 4 with the fourth unused), four-colour pictures as ink; then
    // every stage of the output is set up and, for a picture of several scans, all are read.
    // A reduction of 2, 4 or 8 makes libjpeg give the picture that many times smaller in each
    // direction (rounded up), reduced inside its inverse DCT at a fraction of the full work.
    void StartDecode(int bytesPerPixel, unsigned reduction = 1);
    // libjpeg's text for its last message (the one a fatal error left), for reports.
    std::string LastMessage();

private:
    jpeg_error_mgr m_error{};
    TJpegScanCounter m_scans;         // the scan and work limits
    jpeg_decompress_struct m_info{};  // owned libjpeg state
};
