// libjpeg's error exits as EJPEG exceptions; warnings counted, never printed.
#include "picture/JpegError.h"

EJPEG::EJPEG(int code) : std::runtime_error("JPEG error #" + std::to_string(code)), m_code(code) {}

EJPEG::EJPEG(const std::string& text) : std::runtime_error(text) {}

namespace {

[[noreturn]] void ThrowJpegError(j_common_ptr cinfo) {
    throw EJPEG(cinfo->err->msg_code);
}

void IgnoreOutput(j_common_ptr) {}

// Level -1 is a warning about corrupt or missing data; higher levels are trace messages.
void CountWarnings(j_common_ptr cinfo, int level) {
    if (level < 0) cinfo->err->num_warnings++;
}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(jpeg_error_mgr& manager) {
    jpeg_std_error(&manager);
    manager.error_exit = ThrowJpegError;
    manager.output_message = IgnoreOutput;
    manager.emit_message = CountWarnings;
    return &manager;
}
