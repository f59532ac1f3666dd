// Test-side JPEG encoding and decoding straight through libjpeg, and tools that damage JPEG data.
#pragma once
#include <stdexcept>
#include <string>

#include "SampleImages.h"
#include "SonpixWriter.h"

// A libjpeg failure in the test-side codec; code is libjpeg's message code.
class EJpegCodec : public std::runtime_error {
public:
    EJpegCodec(int code, const std::string& text) : std::runtime_error(text), code(code) {}
    int code;
};

// Colour JPEG at the quality given (libjpeg's defaults otherwise); progressive uses libjpeg's
// simple progression script.
TBytes EncodeRgbJpeg(const TRgbImage& image, int quality, bool progressive);

// A colour JPEG converted to one grey component when grey, with a restart marker every
// restartRows rows of blocks when restartRows > 0; otherwise as EncodeRgbJpeg.
TBytes EncodeJpegVariant(const TRgbImage& image, int quality, bool progressive, bool grey, int restartRows);

// How a four-colour JPEG stores its inks.
enum class TCmykForm {
    plainCmyk,     // no Adobe marker, the ink itself (0 = none)
    adobeCmyk,     // Adobe marker, every ink inverted (255 = none), as Adobe's programs and ImageMagick write
    adobeYcck,     // Adobe marker, inverted inks transformed to YCCK
};

// A four-colour JPEG, full colour resolution, of `cmyk` (four bytes of ink per pixel, 0 = no
// ink, rows top first) in the given form.
TBytes EncodeCmykJpeg(const std::vector<std::uint8_t>& cmyk, int width, int height, TCmykForm form, int quality = 98);

struct TDecodedJpeg {
    TRgbImage image;   // full size, RGB (grey pictures expanded)
    bool progressive = false;
    int scans = 0;     // start-of-scan markers met while decoding
};

// Full decode (accurate integer DCT, smooth upsampling); EJpegCodec on a fatal error.
TDecodedJpeg DecodeRgbJpeg(const TBytes& jpeg);
// libjpeg's message code for bytes its decoder rejects; -1 when it decodes them.
int JpegRejectionCode(const TBytes& bytes);

// Byte-level edits of JPEG data, for files a camera would never write.
// The dimensions its frame header declares replaced (the picture data is left as it is).
TBytes WithDeclaredSize(const TBytes& jpeg, int width, int height);
// The file's last scan repeated so that the file has `extraScans` more scans than before.
TBytes WithRepeatedLastScan(const TBytes& jpeg, int extraScans);
// Offsets of every marker (0xFF followed by a marker code other than 0x00 and 0xFF).
std::vector<std::size_t> MarkerOffsets(const TBytes& jpeg);
