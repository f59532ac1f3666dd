// JPEG header facts and the viewer's acceptance test, through libjpeg with the viewer's limits.
#include "picture/JpegHeaderCheck.h"

#include <cstdio>  // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

#include <new>
#include <stdexcept>

#include "picture/JpegLimits.h"

namespace {

// A fatal libjpeg error or a refused limit, with the text the user is shown.
class EJpegRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// libjpeg's error exit leaves the library by this exception (its frames carry unwind data on
// both builds); warnings about damaged data are not failures and are dropped.
[[noreturn]] void ThrowRefused(j_common_ptr common) {
    char text[JMSG_LENGTH_MAX] = {};
    common->err->format_message(common, text);
    throw EJpegRefused("JPEG error #" + std::to_string(common->err->msg_code) + " (" + text + ")");
}
void IgnoreOutput(j_common_ptr) {}
void IgnoreMessage(j_common_ptr, int) {}

void StopAfterTooManyScans(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kMaxJpegScans)
        throw EJpegRefused("the picture has more than " + std::to_string(kMaxJpegScans) + " scans");
}

// A decompressor set up as the viewer's: quiet errors as exceptions, its memory and scan limits.
class TDecompressor {
public:
    TDecompressor(const std::uint8_t* data, std::size_t size) {
        jpeg_std_error(&m_error);
        m_error.error_exit = ThrowRefused;
        m_error.output_message = IgnoreOutput;
        m_error.emit_message = IgnoreMessage;
        m_info.err = &m_error;
        jpeg_create_decompress(&m_info);
        m_info.mem->max_memory_to_use = kJpegLibraryMemory;
        m_progress.progress_monitor = StopAfterTooManyScans;
        m_info.progress = &m_progress;
        if (size > kMaxJpegDataSize) throw EJpegRefused("the JPEG data are 2 GB or larger");
        jpeg_mem_src(&m_info, data, static_cast<unsigned long>(size));
    }
    ~TDecompressor() { jpeg_destroy_decompress(&m_info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;
    jpeg_decompress_struct& Info() { return m_info; }

private:
    jpeg_error_mgr m_error{};
    jpeg_progress_mgr m_progress{};
    jpeg_decompress_struct m_info{};  // owned libjpeg state
};

const char* ColourName(J_COLOR_SPACE space) {
    switch (space) {
        case JCS_GRAYSCALE: return "grey";
        case JCS_YCbCr: return "YCbCr";
        case JCS_RGB: return "RGB";
        case JCS_CMYK: return "CMYK";
        case JCS_YCCK: return "YCCK";
        default: return "unknown";
    }
}

}  // namespace

bool ReadJpegFacts(const std::uint8_t* data, std::size_t size, TJpegFacts& facts, std::string& error) {
    facts = TJpegFacts();
    if (size == 0) {
        error = "the picture is empty";
        return false;
    }
    try {
        TDecompressor decompressor(data, size);
        jpeg_decompress_struct& info = decompressor.Info();
        jpeg_read_header(&info, TRUE);
        facts.width = static_cast<int>(info.image_width);
        facts.height = static_cast<int>(info.image_height);
        facts.components = info.num_components;
        facts.colour = ColourName(info.jpeg_color_space);
        facts.progressive = info.progressive_mode != FALSE;
        return true;
    } catch (const EJpegRefused& refused) {
        error = refused.what();
        return false;
    }
}

std::string FindJpegFault(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return "the picture is empty";
    try {
        TDecompressor decompressor(data, size);
        jpeg_decompress_struct& info = decompressor.Info();
        jpeg_read_header(&info, TRUE);
        const std::int64_t width = info.image_width;
        const std::int64_t height = info.image_height;
        if (width <= 0 || height <= 0) return "the picture has no pixels";
        if (width * height > kMaxJpegPixels)
            return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels; the viewer shows at most " + std::to_string(kMaxJpegPixels / 1'000'000) + " megapixels)";
        info.dct_method = JDCT_ISLOW;
        info.do_fancy_upsampling = TRUE;
        info.out_color_space = JCS_EXT_BGR;
        // Sets up every stage of the output and, for a picture of several scans, reads all of
        // them with the scan limit watching.
        jpeg_start_decompress(&info);
        return std::string();
    } catch (const EJpegRefused& refused) {
        return refused.what();
    } catch (const std::bad_alloc&) {
        return "not enough memory to decode the picture";
    }
}
