// The platform-free rules of decoding ahead: which entries to prepare, and the digest by which a
// prepared picture is matched against the bytes a selection extracted.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The list indexes to prepare after entry `selected` of `count` was chosen, in order: the next
// entry, then the previous one, each only where it exists.
std::vector<int> EntriesToPrepare(int selected, int count);

// A fingerprint of a byte string: its length and two independent 64-bit hashes of its bytes.
// Two pictures with equal digests are taken to be the same bytes; a changed or replaced file
// gives another digest (the chance of a match by accident is about 2^-128).
struct TPictureDigest {
    std::uint64_t size = 0;
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    bool operator==(const TPictureDigest& other) const {
        return size == other.size && first == other.first && second == other.second;
    }
    bool operator!=(const TPictureDigest& other) const { return !(*this == other); }
};

TPictureDigest DigestOf(const std::uint8_t* data, std::size_t size);
