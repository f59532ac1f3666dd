// Whole-file reading and writing through kernel32, with the file layer's errors.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sys/FileSizeLimit.h"

// The whole file, read while others may read it but not write it. EFOpenError when it cannot be
// opened, is 2 GiB or larger, or cannot be read to the end (a file that shrinks while it is read
// is an error, never a silently shorter copy).
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// The same into the caller's vector, whose memory is used again when it is large enough (a series
// of files of one size then takes its memory from the system once). On an error its contents are
// unspecified.
void ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
// Reads exactly size bytes from an open file's current position; EFOpenError naming path when
// reading fails or the file ends sooner (it was cut short after its size was taken).
std::vector<std::uint8_t> ReadOpenFileBytes(HANDLE file, std::uint64_t size, const std::string& path);
void ReadOpenFileBytes(HANDLE file, std::uint64_t size, const std::string& path, std::vector<std::uint8_t>& bytes);
// Creates or replaces the file with these bytes; EFOpenError when it cannot be created,
// EInOutError when writing or closing fails.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
