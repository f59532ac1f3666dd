// TWavFileSource: reads a file on disk for the WAV header check.
#pragma once
#include <string>

#include "sound/WavCheck.h"
#include "sys/UniqueHandle.h"

class TWavFileSource : public TWavSource {
public:
    // Opens the file for reading, sharing it with every other reader, writer and deleter.
    explicit TWavFileSource(const std::string& path);
    bool IsOpen() const { return m_file.Valid(); }
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override;

private:
    UniqueHandle m_file;  // owned
    std::uint64_t m_size = 0;
};
