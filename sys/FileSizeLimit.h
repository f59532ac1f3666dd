// The largest file the programs read whole: positions and lengths are kept below 2 GiB.
#pragma once
#include <cstdint>

// Files of this size or more are refused.
constexpr std::uint64_t kMaxWholeFileSize = 0x80000000ull;
