// JPEG header facts and the viewer's acceptance test, through libjpeg with the viewer's limits.
#include "picture/JpegHeaderCheck.h"

#include <new>

#include "picture/JpegDecompressor.h"
#include "picture/JpegLimits.h"

namespace {

// Runs check on a decompressor of the data: the text of what refused the picture, or empty when
// the check went through.
template <class Check>
std::string Refusal(const std::uint8_t* data, std::size_t size, Check check) {
    if (size == 0) return "the picture is empty";
    if (size > kMaxJpegDataSize) return "the JPEG data are 2 GB or larger";
    try {
        TJpegDecompressor decompressor(data, size);
        try {
            check(decompressor);
            return std::string();
        } catch (const EJPEG& error) {
            // libjpeg's own words beside its code; the limits' texts stand alone.
            if (error.Code() == 0) return error.what();
            return std::string(error.what()) + " (" + decompressor.LastMessage() + ")";
        }
    } catch (const EJPEG& error) {
        return error.what();
    } catch (const std::bad_alloc&) {
        return "not enough memory to decode the picture";
    }
}

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
    error = Refusal(data, size, [&](TJpegDecompressor& decompressor) {
        decompressor.ReadHeader();
        const jpeg_decompress_struct& info = decompressor.Info();
        facts.width = static_cast<int>(info.image_width);
        facts.height = static_cast<int>(info.image_height);
        facts.components = info.num_components;
        facts.colour = ColourName(info.jpeg_color_space);
        facts.progressive = info.progressive_mode != FALSE;
    });
    return error.empty();
}

std::string FindJpegFault(const std::uint8_t* data, std::size_t size) {
    std::string fault;
    const std::string refusal = Refusal(data, size, [&](TJpegDecompressor& decompressor) {
        decompressor.ReadHeader();
        const std::int64_t width = decompressor.Info().image_width;
        const std::int64_t height = decompressor.Info().image_height;
        if (width <= 0 || height <= 0) {
            fault = "the picture has no pixels";
        } else if (width * height > kMaxJpegPixels) {
            fault = "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels; the viewer shows at most " + std::to_string(kMaxJpegPixels / 1'000'000) + " megapixels)";
        } else {
            decompressor.StartDecode(3);
        }
    });
    return refusal.empty() ? fault : refusal;
}
