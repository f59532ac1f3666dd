// TDecodeAhead: a worker thread that fits the pictures of the entries next to the selected one
// while the viewer is idle, so that stepping to them skips the decode.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/DecodeAheadPlan.h"
#include "picture/JpegImage.h"
#include "sys/CriticalSection.h"
#include "sys/GdiObjects.h"
#include "sys/UniqueHandle.h"

// A box a picture is fitted into.
struct TFitBox {
    int width = 0;
    int height = 0;
    bool operator==(const TFitBox& other) const { return width == other.width && height == other.height; }
};

// The two pictures of a Sonpix file that the main window shows.
enum TPreparedKind { pkPicture, pkMakerPicture };

// The worker reads each file named to it, takes its picture and maker's picture out with the
// container's own section rules, and fits each exactly as the display does (FitPictureBytes, then
// the fitted copy decoded into a bitmap as the display's picture object makes it). It keeps only
// the fitted bitmaps, of at most kMaxPrepared files, each with the digest of the bytes it was made
// from and the box it was fitted to. A file that cannot be read or a picture that fails leaves
// nothing to take: the display then runs as without preparation and reports what it finds. The
// worker never touches a window and never reports an error.
class TDecodeAhead {
public:
    static constexpr int kMaxPrepared = 2;
    // Files larger than this are left to the display, so that no read holds the worker long.
    static constexpr std::uint64_t kMaxFileSize = 256ull * 1024 * 1024;
    // The worker keeps its read and full-size decode memory from one picture to the next while the
    // user steps on, and lets it go after this long without a new selection.
    static constexpr DWORD kKeepMemoryMs = 5000;

    // Without `enabled` (or when no thread can be made) nothing is ever prepared.
    explicit TDecodeAhead(bool enabled);
    // Cancels the work in progress (the decode stops within a few rows) and ends the thread.
    ~TDecodeAhead();
    TDecodeAhead(const TDecodeAhead&) = delete;
    TDecodeAhead& operator=(const TDecodeAhead&) = delete;

    bool Enabled() const { return m_thread.Valid(); }

    // Interface thread, each call returns at once. Select: a selection of `selected` begins; stops
    // the work in progress, drops what was prepared for files other than `selected` and the
    // neighbours, and prepares the neighbours in this order (on the worker, beside the selection's
    // own display; after a selection that is no step to a neighbour, once Settle comes), their
    // pictures fitted to pictureBox and their maker's pictures to makerBox.
    // What is held for `selected` stays until Take hands it over or Settle drops it. Prepare:
    // Select with no selected file. Settle: the selection is shown (or has failed); drops what is
    // held for files other than the neighbours and starts the work Select left for it. Pause: stops the work in progress and forgets the files still to
    // do, keeping what is prepared. Stop: Pause, and drops everything prepared.
    // Select hands the bitmaps it drops to `dropped` when given, so that their memory can be used
    // again at once.
    void Select(const std::string& selected, const std::vector<std::string>& neighbours, TFitBox pictureBox,
                TFitBox makerBox, std::vector<TBitmapHandle>* dropped = nullptr);
    void Prepare(const std::vector<std::string>& paths, TFitBox pictureBox, TFitBox makerBox);
    void Settle();
    void Pause();
    void Stop();

    // Interface thread: holds a bitmap the display made for path (fitted to box from bytes with
    // this digest; null for a picture the file lacks) as if it had been prepared, when path is one
    // of the neighbours and a place is free; the bitmap is dropped otherwise.
    void Keep(const std::string& path, TPreparedKind kind, TFitBox box, const TPictureDigest& digest,
              TBitmapHandle bitmap);

    // Interface thread. Whether a prepared bitmap of this kind is held for path at this box.
    bool Has(const std::string& path, TPreparedKind kind, TFitBox box);
    // Hands over that bitmap when it was made from bytes with this digest; a null bitmap
    // otherwise, and the caller fits the picture itself.
    TBitmapHandle Take(const std::string& path, TPreparedKind kind, TFitBox box, const TPictureDigest& digest);

    // For tests and benchmarks: no file waits and none is being prepared; the files held; the
    // bitmaps handed over by Take so far.
    bool Idle();
    int PreparedCount();
    int TakenCount();

private:
    struct TPreparedPicture {
        TFitBox box;
        TPictureDigest digest;  // of the picture's bytes as the file held them
        TBitmapHandle bitmap;   // owned; null when nothing could be made
    };
    struct TPreparedFile {
        std::string path;
        TPreparedPicture picture;
        TPreparedPicture makerPicture;
        TPreparedPicture& Of(TPreparedKind kind) { return kind == pkPicture ? picture : makerPicture; }
    };

    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    // Worker: the prepared pictures of one file, or false when the work was cancelled.
    bool PrepareFile(TPreparedFile& file, TFitBox pictureBox, TFitBox makerBox);
    // Worker: bytes' memory stays with the caller, to be used again.
    TPreparedPicture PreparePicture(std::vector<std::uint8_t>& bytes, TFitBox box);
    // Worker: whether an entry for these bytes and boxes is held already.
    bool HeldAlready(const TPreparedFile& file);
    // Under m_lock: cancels the file being prepared and empties the queue.
    void CancelLocked();
    TPreparedFile* FindLocked(const std::string& path);
    // Under m_lock: drops what is held for files other than these (their bitmaps to `dropped`).
    void KeepOnlyLocked(const std::vector<std::string>& paths, std::vector<TBitmapHandle>* dropped = nullptr);

    // Lock order: m_lock is the only lock; the worker never holds it while it decodes.
    TCriticalSection m_lock;
    TConditionVariable m_wake;                // the queue changed, or the thread must end
    std::vector<std::string> m_queue;         // files still to prepare, first first
    std::vector<std::string> m_neighbours;    // the files of the current selection's neighbours
    bool m_deferred = false;                  // the neighbours are queued when Settle comes
    TFitBox m_pictureBox, m_makerBox;         // the boxes of the files queued
    std::vector<TPreparedFile> m_prepared;    // at most kMaxPrepared
    int m_taken = 0;                          // bitmaps handed over
    bool m_busy = false;                      // the worker is preparing a file
    bool m_ending = false;                    // the thread is to end
    bool m_dropScratch = false;               // the worker lets go of its scratch memory when idle
    // Raised by the interface thread to stop the file in progress; read by the decoder's
    // progress hook without the lock; lowered by the worker, under the lock, as it takes a file.
    std::atomic<bool> m_cancel{false};
    // The worker's own memory, kept from one file to the next so that only the first file of a
    // folder takes it from the system (fresh memory costs as much to touch as a decode): the file
    // read and then cut to its picture, and the picture's full-size decode (72 MB for a 6000 x
    // 4000 photograph). Let go when the folder changes (Stop).
    std::vector<std::uint8_t> m_fileBuffer;
    TDecodeScratch m_decodeScratch;
    UniqueHandle m_thread;  // owned handle of the worker thread; made last, joined first
};
