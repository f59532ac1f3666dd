// Whole-file reading and writing for the JPEG picture object.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The whole file; EFOpenError when it cannot be opened or read.
std::vector<std::uint8_t> ReadJpegFileBytes(const std::string& path);
// Creates or replaces the file with these bytes; EFOpenError when it cannot be created,
// EInOutError when writing fails.
void WriteJpegFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
