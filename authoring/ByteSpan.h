// A run of bytes read or written where they lie, owned by someone else.
#pragma once
#include <cstddef>
#include <cstdint>

struct TByteSpan {
    const std::uint8_t* data;
    std::size_t size;
};
