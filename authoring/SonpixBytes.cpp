// Reading a Sonpix file's bytes for its inspection, from one block or from the pieces of a new file.
#include "authoring/SonpixBytes.h"

#include <algorithm>
#include <cstring>

#include "authoring/ContentExtent.h"

bool TSonpixBytes::BytesAt(std::int64_t at, const std::uint8_t* bytes, std::size_t count) const {
    return at >= 0 && static_cast<std::uint64_t>(at) + count <= Size() && std::memcmp(Block(at, count), bytes, count) == 0;
}

std::int64_t TSonpixBytes::WavExtentEnd(std::int64_t first) const {
    constexpr std::size_t kHeader = 12;  // all that the RIFF extent reads
    if (first < 0 || static_cast<std::uint64_t>(first) + kHeader > Size()) return kExtentUnknown;
    const std::int64_t end = ::WavExtentEnd(Block(first, kHeader), kHeader, 0);
    return end == kExtentUnknown ? end : first + end;
}

std::int64_t TSonpixBlock::JpegExtentEnd(std::int64_t first) const { return ::JpegExtentEnd(m_data, m_size, first); }

TSonpixPieces::TSonpixPieces(const std::vector<TByteSpan>& pieces) {
    for (const TByteSpan& piece : pieces) {
        if (piece.size == 0) continue;
        m_pieces.push_back({piece, static_cast<std::int64_t>(m_size)});
        m_size += piece.size;
    }
}

const TSonpixPieces::TPlaced& TSonpixPieces::PieceAt(std::int64_t offset) const {
    const auto after = std::upper_bound(m_pieces.begin(), m_pieces.end(), offset,
                                        [](std::int64_t at, const TPlaced& piece) { return at < piece.at; });
    return *(after - 1);
}

void TSonpixPieces::CopyOut(std::int64_t first, std::size_t count, std::uint8_t* into) const {
    while (count > 0) {
        const TPlaced& piece = PieceAt(first);
        const std::size_t from = static_cast<std::size_t>(first - piece.at);
        const std::size_t take = std::min(count, piece.bytes.size - from);
        std::memcpy(into, piece.bytes.data + from, take);
        into += take;
        first += static_cast<std::int64_t>(take);
        count -= take;
    }
}

const std::uint8_t* TSonpixPieces::Block(std::int64_t first, std::size_t count) const {
    static const std::uint8_t kNothing = 0;
    if (count == 0) return &kNothing;
    const TPlaced& piece = PieceAt(first);
    if (first + static_cast<std::int64_t>(count) <= piece.at + static_cast<std::int64_t>(piece.bytes.size))
        return piece.bytes.data + (first - piece.at);
    m_joined.emplace_back(count);
    CopyOut(first, count, m_joined.back().data());
    return m_joined.back().data();
}

SonpixMarkers TSonpixPieces::FindMarkers() const {
    SonpixMarkers found;
    const std::int64_t size = static_cast<std::int64_t>(m_size);
    const std::int64_t window = static_cast<std::int64_t>(kSonpixWindowSize);
    if (m_size < kSonpixFirstPosition + kSonpixWindowSize + 1) return found;
    const std::int64_t lowest = static_cast<std::int64_t>(kSonpixFirstPosition);
    std::int64_t next = size - window - 1;  // the highest position not yet examined
    // From the last piece to the first: the positions whose window lies in the piece, searched in
    // place, then those whose window straddles the piece's start, each window copied together.
    for (auto piece = m_pieces.rbegin(); piece != m_pieces.rend() && next >= lowest; ++piece) {
        const std::int64_t inside = std::min(next, piece->at + static_cast<std::int64_t>(piece->bytes.size) - window);
        const std::int64_t from = std::max(lowest, piece->at);
        if (inside >= from) {
            if (SearchSonpixMarkers(piece->bytes.data, from - piece->at, inside - piece->at, piece->at, found)) return found;
            next = from - 1;
        }
        next = std::min(next, piece->at - 1);
        for (; next >= std::max(lowest, piece->at - window + 1); --next) {
            std::uint8_t straddling[kSonpixWindowSize];
            CopyOut(next, kSonpixWindowSize, straddling);
            if (ClassifySonpixWindow(straddling, next, found)) return found;
        }
    }
    return found;
}

std::int64_t TSonpixPieces::JpegExtentEnd(std::int64_t first) const {
    if (first < 0 || first >= static_cast<std::int64_t>(m_size)) return kExtentUnknown;
    const TPlaced& piece = PieceAt(first);
    bool cutShort = false;
    const std::int64_t end = ::JpegExtentEnd(piece.bytes.data, piece.bytes.size, first - piece.at, cutShort);
    if (!cutShort) return end == kExtentUnknown ? end : piece.at + end;
    // The run goes on past its piece (a picture without its end marker): judged on the rest of the
    // file copied together.
    const std::size_t rest = m_size - static_cast<std::size_t>(first);
    const std::int64_t joinedEnd = ::JpegExtentEnd(Block(first, rest), rest, 0);
    return joinedEnd == kExtentUnknown ? joinedEnd : first + joinedEnd;
}
