// The WAV header check: walks the RIFF chunks the way the wave player searches them and
// tests the format fields the player divides by or hands to the sound server unchecked.
#include "sound/WavCheck.h"

#include <algorithm>
#include <cstring>

#include "sound/WavCodecRules.h"

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint32_t kMaxSampleRate = 384000;  // the highest rate that still plays
// The lowest rate the platform's sound output takes (its own floor for sound buffers); below
// about 50 Hz closing a device that still plays waits for ever.
constexpr std::uint32_t kMinSampleRate = 100;
// The most bytes a second of any playable sound: 8 channels of 32 bits at the highest rate.
constexpr std::uint32_t kMaxByteRate = kMaxSampleRate * 8 * 4;
constexpr std::uint64_t kRiffHeaderSize = 12;     // "RIFF", size, "WAVE"
constexpr std::uint64_t kChunkHeaderSize = 8;     // tag, size
constexpr std::uint64_t kFormatFieldsSize = 16;   // the fields common to every format
constexpr std::uint64_t kCbSizeEnd = 18;          // the common fields and cbSize

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(U16(p)) | (static_cast<std::uint32_t>(U16(p + 2)) << 16);
}

struct TChunk {
    std::string tag;
    std::uint64_t dataOffset = 0;
    std::uint64_t size = 0;
    std::uint64_t End() const { return dataOffset + size; }
    std::uint64_t Next() const { return dataOffset + size + (size & 1); }  // chunks are padded to even sizes
};

enum class TSearch { found, missing, brokenChunk };

// Looks for the first chunk with the tag from offset on, as the player's search does. A chunk
// passed over on the way that claims to reach past the end of the file is broken: the player
// adds its size to a 32-bit offset, and a size that wraps sends its search round for ever.
TSearch FindChunk(const TWavSource& source, std::uint64_t offset, const char* tag, TChunk& chunk) {
    const std::uint64_t fileSize = source.Size();
    while (offset + kChunkHeaderSize <= fileSize) {
        std::uint8_t header[kChunkHeaderSize];
        if (!source.ReadAt(offset, header, sizeof header)) return TSearch::missing;
        chunk.tag.assign(reinterpret_cast<const char*>(header), 4);
        chunk.dataOffset = offset + kChunkHeaderSize;
        chunk.size = U32(header + 4);
        if (chunk.tag == tag) return TSearch::found;
        if (chunk.End() > fileSize) return TSearch::brokenChunk;
        offset = chunk.Next();
    }
    return TSearch::missing;
}

std::string ChunkPastEnd(const TChunk& chunk) {
    std::string printable;
    for (char c : chunk.tag) printable += (c >= 0x20 && c < 0x7F) ? c : '?';
    return "chunk \"" + printable + "\" reaches past the end of the file";
}

// Reads the format chunk's fields, cbSize and as much of the extension as the chunk holds.
bool ReadFormat(const TWavSource& source, const TChunk& chunk, TWavFormat& f) {
    std::uint8_t fields[kCbSizeEnd];
    const std::size_t common = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size, kCbSizeEnd));
    if (!source.ReadAt(chunk.dataOffset, fields, common)) return false;
    f.tag = U16(fields);
    f.channels = U16(fields + 2);
    f.sampleRate = U32(fields + 4);
    f.byteRate = U32(fields + 8);
    f.blockAlign = U16(fields + 12);
    f.bitsPerSample = U16(fields + 14);
    f.hasCbSize = common == kCbSizeEnd;
    if (!f.hasCbSize) return true;
    f.cbSize = U16(fields + 16);
    f.extension.resize(static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size - kCbSizeEnd, f.cbSize)));
    return source.ReadAt(chunk.dataOffset + kCbSizeEnd, f.extension.data(), f.extension.size());
}

std::string CheckFormatFields(const TWavFormat& f) {
    if (f.channels == 0) return "the number of channels is 0";
    if (f.sampleRate < kMinSampleRate || f.sampleRate > kMaxSampleRate)
        return "the sample rate " + std::to_string(f.sampleRate) + " Hz is out of range (" + std::to_string(kMinSampleRate) +
               " to " + std::to_string(kMaxSampleRate) + " Hz)";
    // The player works out buffer sizes by dividing by the block alignment; for PCM it
    // recomputes that as channels * bits / 8, which is 0 below one byte per frame.
    if (f.blockAlign == 0) return "the block alignment is 0";
    if (f.tag == kFormatPcm && static_cast<unsigned>(f.channels) * f.bitsPerSample < 8)
        return "a PCM frame of " + std::to_string(f.channels) + " channel(s) of " +
               std::to_string(f.bitsPerSample) + " bits is smaller than one byte";
    // Positions and the length are converted through the byte rate, and the player takes two
    // buffers of a third of it each: a huge rate makes that allocation fail on its playing thread.
    if (f.byteRate == 0) return "the byte rate is 0";
    if (f.byteRate > kMaxByteRate)
        return "the byte rate " + std::to_string(f.byteRate) + " is larger than any sound needs (at most " +
               std::to_string(kMaxByteRate) + " bytes a second)";
    // Compressed sound goes through the platform's decoders, which trust the format's own fields.
    return FindCodecFault(f);
}

}  // namespace

bool TWavSpanSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (offset > m_size || count > m_size - offset) return false;
    if (count != 0) std::memcpy(buffer, m_data + offset, count);
    return true;
}

bool TWavBytesSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    return TWavSpanSource(m_bytes.data(), m_bytes.size()).ReadAt(offset, buffer, count);
}

std::string FindWavHeaderFault(const TWavSource& source) {
    std::uint8_t riff[kRiffHeaderSize];
    if (!source.ReadAt(0, riff, sizeof riff)) return std::string();
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return std::string();

    TChunk fmt;
    switch (FindChunk(source, kRiffHeaderSize, "fmt ", fmt)) {
    case TSearch::missing: return std::string();
    case TSearch::brokenChunk: return ChunkPastEnd(fmt);
    case TSearch::found: break;
    }
    // The player reads the whole format chunk at once; a size past the file end (read as a
    // negative count) makes it copy from beyond its buffer.
    if (fmt.End() > source.Size()) return "the format chunk reaches past the end of the file";
    if (fmt.size < kFormatFieldsSize) return std::string();  // refused by the player itself
    TWavFormat format;
    if (!ReadFormat(source, fmt, format)) return std::string();

    // The data chunk is searched from the end of the format chunk on.
    TChunk data;
    switch (FindChunk(source, fmt.Next(), "data", data)) {
    case TSearch::missing: return std::string();  // refused by the player itself
    case TSearch::brokenChunk: return ChunkPastEnd(data);
    case TSearch::found: break;
    }
    return CheckFormatFields(format);
}
