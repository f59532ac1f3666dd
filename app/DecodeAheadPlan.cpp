// Which neighbours are prepared, and the byte digest that matches a prepared picture.
#include "app/DecodeAheadPlan.h"

#include <cstring>

std::vector<int> EntriesToPrepare(int selected, int count) {
    std::vector<int> entries;
    if (selected < 0 || selected >= count) return entries;
    if (selected + 1 < count) entries.push_back(selected + 1);
    if (selected > 0) entries.push_back(selected - 1);
    return entries;
}

namespace {

std::uint64_t Mix(std::uint64_t x) {
    // The finaliser of MurmurHash3: every input bit reaches every output bit.
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ull;
    x ^= x >> 33;
    return x;
}

std::uint64_t RotateLeft(std::uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

}  // namespace

TPictureDigest DigestOf(const std::uint8_t* data, std::size_t size) {
    // Two lanes with different multipliers and rotations, eight bytes a step: a 10 MB picture
    // takes a few milliseconds on the interface thread.
    std::uint64_t a = 0x9e3779b97f4a7c15ull ^ size, b = 0x6a09e667f3bcc909ull + size;
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + at, 8);
        a = RotateLeft(a ^ (word * 0x87c37b91114253d5ull), 31) * 0x4cf5ad432745937full;
        b = RotateLeft(b ^ (word * 0x52dce729da3ed6f5ull), 27) * 0x9e3779b185ebca87ull + at;
    }
    std::uint64_t tail = 0;
    if (at < size) std::memcpy(&tail, data + at, size - at);
    return {size, Mix(a ^ Mix(tail + 1)), Mix(b ^ Mix(tail + 2))};
}
