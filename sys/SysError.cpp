// System error texts through FormatMessageA.
#include "SysError.h"

#include <windows.h>

std::string SysErrorMessage(unsigned long errorCode) {
    char buffer[1024];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  nullptr, errorCode, 0, buffer, sizeof buffer, nullptr);
    // The error box appends its own full stop, so the system's own is removed with the line break.
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                          buffer[length - 1] == ' ' || buffer[length - 1] == '.'))
        --length;
    if (length == 0) return "System error " + std::to_string(errorCode);
    return std::string(buffer, length);
}
