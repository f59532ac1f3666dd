// TJPEGImage: a JPEG picture held in memory that is drawn stretched, takes over bitmaps and saves itself.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "picture/JpegError.h"
#include "picture/JpegPixels.h"
#include "sys/GdiObjects.h"

// Memory for full-size decodes that a caller keeps from one picture to the next, so that a series
// of pictures of one size or smaller (a camera's photographs) takes it from the system once
// instead of faulting it in anew for every picture. A decode into it writes every pixel row it
// uses before they are read; what lies beyond them is never read. Not safe on two threads at once.
class TDecodeScratch {
public:
    // At least `bytes` bytes: the memory held when it is large enough, otherwise new memory (the
    // old is let go first). EJPEG when memory runs out.
    std::uint8_t* Reserve(std::size_t bytes);
    std::size_t Capacity() const { return m_capacity; }
    void Release() {
        m_bits.reset();
        m_capacity = 0;
    }

private:
    std::unique_ptr<std::uint8_t[]> m_bits;  // owned, m_capacity bytes
    std::size_t m_capacity = 0;
};

// Holds either the bytes of a loaded JPEG file (decoded only when drawn, converted or saved) or
// the pixels taken over from a bitmap. Copying copies the data, so a picture control that takes a
// copy is independent of the object it copied.
class TJPEGImage {
public:
    // Reads the whole file and parses its header at once (no pixels are decoded). An empty file
    // gives an empty picture of 0 x 0 pixels. EFOpenError when the file cannot be read, EJPEG when
    // the header is rejected; on failure the object keeps what it held before.
    void LoadFromFile(const std::string& path);
    // The same for JPEG data already in memory (EJPEG only).
    void LoadFromBytes(std::vector<std::uint8_t> bytes);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    // Whether the file loaded last was progressive; kept when a bitmap is taken over, so that a
    // fitted copy is saved in the form of its source.
    bool ProgressiveEncoding() const { return m_progressive; }

    // Decodes at full size and stretches the picture over the rectangle with the platform's plain
    // stretch copy (colour-on-colour; halftone only on targets of 8 bits per pixel or fewer).
    // An empty picture draws nothing. EJPEG when decoding or drawing fails, or when the cancel
    // flag (not owned; null for none) turns true during the decode. With a scratch (not owned) the
    // full-size decode goes into its memory; the drawing is the same with or without one.
    void StretchDraw(HDC dc, const RECT& r, const std::atomic<bool>* cancel = nullptr,
                     TDecodeScratch* scratch = nullptr) const;

    // Takes over the pixels of the bitmap (which must not be selected into a device context);
    // a null bitmap empties the picture.
    void AssignBitmap(HBITMAP bitmap);

    // Hands back the bytes of the file loaded last (so that their memory can be used again) and
    // leaves the picture empty; whether it was progressive is kept, for a bitmap taken over next.
    std::vector<std::uint8_t> ReleaseLoadedBytes();

    // Encodes the picture at quality 90, progressive exactly when the file loaded last was, and
    // writes it to the file. An empty picture writes an empty file.
    void SaveToFile(const std::string& path) const;
    // The bytes SaveToFile writes.
    std::vector<std::uint8_t> SaveToBytes() const;

    // The picture at full size as a 24-bit top-down DIB section (null for an empty picture);
    // a decode stops with EJPEG when the cancel flag (not owned; null for none) turns true.
    TBitmapHandle ToBitmap(const std::atomic<bool>* cancel = nullptr) const;

private:
    // The picture's pixels: the taken-over bitmap as it is, or the loaded file decoded.
    TBgrImage DecodedPixels(const std::atomic<bool>* cancel = nullptr) const;
    // The loaded file decoded into the scratch's memory, 3 bytes a pixel: the rows and their layout.
    struct TScratchPixels {
        const std::uint8_t* bits = nullptr;
        int width = 0;
        int height = 0;
    };
    TScratchPixels DecodeIntoScratch(TDecodeScratch& scratch, const std::atomic<bool>* cancel) const;

    std::vector<std::uint8_t> m_jpeg;  // the loaded file; empty after AssignBitmap
    TBgrImage m_pixels;                // taken-over bitmap pixels; empty while m_jpeg is the picture
    int m_width = 0;
    int m_height = 0;
    bool m_progressive = false;
};
