// Error types raised by the file layer, and the platform's text for an error code.
#pragma once
#include <stdexcept>
#include <string>

// A file could not be opened or read: "Cannot open file "<path>". <reason>".
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Closing or flushing a file failed.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform's message for a system error code, without the trailing line break and full stop.
std::string SysErrorMessage(unsigned long errorCode);
