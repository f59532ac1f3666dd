// libFuzzer target: the WAV header check on any bytes: no read outside the file, the same answer
// from a file in memory and from one read piece by piece, and a reason a user can read.
#include <cstdlib>
#include <cstring>

#include "sound/WavCheck.h"

namespace {

// The file behind the check's back: reads only what is there, one call per read, as a file does.
class TPieceSource : public TWavSource {
public:
    TPieceSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override {
        if (offset > m_size || count > m_size - offset) return false;
        if (count) std::memcpy(buffer, m_data + offset, count);
        return true;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string inMemory = FindWavHeaderFault(TWavBytesSource(std::vector<std::uint8_t>(data, data + size)));
    const std::string pieces = FindWavHeaderFault(TPieceSource(data, size));
    if (inMemory != pieces) std::abort();
    // A reason is one line of printable text.
    for (const char c : inMemory)
        if (c < 0x20 || c > 0x7E) std::abort();
    return 0;
}
