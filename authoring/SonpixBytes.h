// The bytes of a Sonpix file as its inspection reads them: one block (a file read into memory), or
// the pieces a new file is about to be written from, read where they lie without being joined.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "authoring/ByteSpan.h"
#include "container/SonpixLayout.h"

class TSonpixBytes {
public:
    virtual ~TSonpixBytes() = default;
    virtual std::size_t Size() const = 0;
    // The viewer's marker search over the whole file.
    virtual SonpixMarkers FindMarkers() const = 0;
    // The bytes first .. first+count-1, which lie in the file, in one block; valid as long as this is.
    virtual const std::uint8_t* Block(std::int64_t first, std::size_t count) const = 0;
    // JpegExtentEnd (ContentExtent.h) over the whole file.
    virtual std::int64_t JpegExtentEnd(std::int64_t first) const = 0;

    // True when the count bytes at `at` lie in the file and equal bytes.
    bool BytesAt(std::int64_t at, const std::uint8_t* bytes, std::size_t count) const;
    // WavExtentEnd (ContentExtent.h) over the whole file.
    std::int64_t WavExtentEnd(std::int64_t first) const;
};

class TSonpixBlock : public TSonpixBytes {
public:
    TSonpixBlock(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::size_t Size() const override { return m_size; }
    SonpixMarkers FindMarkers() const override { return FindSonpixMarkers(m_data, m_size); }
    const std::uint8_t* Block(std::int64_t first, std::size_t) const override { return m_data + first; }
    std::int64_t JpegExtentEnd(std::int64_t first) const override;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// The pieces one after another. Every answer is the one the joined bytes would give: a piece is
// searched in place, and only what straddles pieces (a marker's window, a section or a JPEG run
// that does not end in its piece) is copied together, which for a sound of 100 MB is nothing of it.
class TSonpixPieces : public TSonpixBytes {
public:
    explicit TSonpixPieces(const std::vector<TByteSpan>& pieces);
    std::size_t Size() const override { return m_size; }
    SonpixMarkers FindMarkers() const override;
    const std::uint8_t* Block(std::int64_t first, std::size_t count) const override;
    std::int64_t JpegExtentEnd(std::int64_t first) const override;

private:
    struct TPlaced {
        TByteSpan bytes;
        std::int64_t at;  // where its first byte lies in the file
    };
    // The piece that holds the byte at offset (which lies in the file).
    const TPlaced& PieceAt(std::int64_t offset) const;
    void CopyOut(std::int64_t first, std::size_t count, std::uint8_t* into) const;

    std::vector<TPlaced> m_pieces;  // the non-empty pieces, in order
    std::size_t m_size = 0;
    mutable std::deque<std::vector<std::uint8_t>> m_joined;  // the copies Block handed out
};
