// The JPEG codec's error type and the error manager that turns libjpeg's failures into it.
#pragma once
#include <cstdio>  // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

#include <stdexcept>
#include <string>

// A picture the codec cannot handle. Decoder and encoder failures read "JPEG error #<code>" with
// libjpeg's message code; limits of this program (picture too large, too many scans, no memory)
// carry a plain-English text and code 0.
class EJPEG : public std::runtime_error {
public:
    explicit EJPEG(int code);
    explicit EJPEG(const std::string& text);
    int Code() const { return m_code; }

private:
    int m_code = 0;
};

// Fills an error manager so that libjpeg never prints and never ends the process: a fatal error
// leaves the library by throwing EJPEG (every mingw x86-64 frame carries unwind data, so the throw
// passes through libjpeg's C frames) and warnings are only counted. A truncated or slightly corrupt
// file therefore decodes as far as its data goes, the rest grey.
jpeg_error_mgr* InstallJpegErrorManager(jpeg_error_mgr& manager);
