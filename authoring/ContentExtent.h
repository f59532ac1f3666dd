// Where a JPEG or WAV file that starts at a given offset ends, read from its own structure.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::int64_t kExtentUnknown = -1;

// The offset just past the end-of-image marker of the JPEG data starting at `first` (walking its
// segments and skipping the entropy-coded data of each scan); kExtentUnknown when the data there
// do not start a JPEG file or it has no end marker inside the buffer.
std::int64_t JpegExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first);
// The same, also saying whether an unknown end is due to the buffer ending before the data
// told (more bytes might give an answer) rather than to the data themselves.
std::int64_t JpegExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first, bool& cutShort);

// The offset just past the RIFF file starting at `first` (its 8-byte header plus the size the
// header declares); kExtentUnknown when no RIFF/WAVE header stands there.
std::int64_t WavExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first);
