// Checks a WAV file's header for values that crash or derail the platform's wave player.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Random access to the bytes of a file being checked.
class TWavSource {
public:
    virtual ~TWavSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads exactly count bytes at offset; false when they are not all there.
    virtual bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const = 0;
};

// Bytes held by someone else (a section of a file in memory), read in place.
class TWavSpanSource : public TWavSource {
public:
    TWavSpanSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override;

private:
    const std::uint8_t* m_data;  // not owned
    std::size_t m_size;
};

// The whole file held in memory.
class TWavBytesSource : public TWavSource {
public:
    explicit TWavBytesSource(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override;

private:
    std::vector<std::uint8_t> m_bytes;
};

// Why the player must not be given this file, or empty when it may. Only files that the
// player would take up and then crash on, hang in, or play wrongly are refused; a file that
// is no RIFF/WAVE file at all, or lacks its format or data chunk, passes, because the player
// itself rejects it cleanly with its own message.
std::string FindWavHeaderFault(const TWavSource& source);
