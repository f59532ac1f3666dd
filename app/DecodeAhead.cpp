// TDecodeAhead: the worker's queue, its preparation of one file, and the hand-over of bitmaps.
#include "app/DecodeAhead.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "container/SonpixLayout.h"
#include "picture/FitPicture.h"
#include "picture/JpegImage.h"
#include "sys/FileBytes.h"

namespace {

std::vector<std::uint8_t> SectionBytes(const std::vector<std::uint8_t>& bytes, const ByteRange& range) {
    if (range.Size() <= 0) return {};
    return std::vector<std::uint8_t>(bytes.begin() + range.first, bytes.begin() + range.last + 1);
}

// Cuts the file's bytes down to one section where they lie: no second buffer of the picture's
// size to fill.
void KeepOnlySection(std::vector<std::uint8_t>& bytes, const ByteRange& range) {
    if (range.Size() <= 0) {
        bytes.clear();
        return;
    }
    bytes.erase(bytes.begin() + range.last + 1, bytes.end());
    bytes.erase(bytes.begin(), bytes.begin() + range.first);
}

// The file's size, or more than any limit when it cannot be taken.
std::uint64_t FileSizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return ~0ull;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

TDecodeAhead::TDecodeAhead(bool enabled) {
    if (!enabled) return;
    m_thread.Reset(CreateThread(nullptr, 0, &TDecodeAhead::ThreadMain, this, CREATE_SUSPENDED, nullptr));
    if (!m_thread.Valid()) return;
    // Below the interface thread, so that a click or a key is never kept waiting for a decode.
    SetThreadPriority(m_thread.Get(), THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(m_thread.Get());
}

TDecodeAhead::~TDecodeAhead() {
    if (!m_thread.Valid()) return;
    {
        TLock lock(m_lock);
        m_ending = true;
        CancelLocked();
        m_wake.WakeAll();
    }
    // The cancel flag stops a decode within a few rows; no other step of the worker is long.
    WaitForSingleObject(m_thread.Get(), INFINITE);
}

void TDecodeAhead::CancelLocked() {
    m_queue.clear();
    m_deferred = false;
    m_cancel = true;
}

TDecodeAhead::TPreparedFile* TDecodeAhead::FindLocked(const std::string& path) {
    for (TPreparedFile& file : m_prepared)
        if (file.path == path) return &file;
    return nullptr;
}

void TDecodeAhead::KeepOnlyLocked(const std::vector<std::string>& paths, std::vector<TBitmapHandle>* dropped) {
    if (dropped) {
        for (TPreparedFile& file : m_prepared) {
            if (std::find(paths.begin(), paths.end(), file.path) != paths.end()) continue;
            if (file.picture.bitmap) dropped->push_back(std::move(file.picture.bitmap));
            if (file.makerPicture.bitmap) dropped->push_back(std::move(file.makerPicture.bitmap));
        }
    }
    m_prepared.erase(std::remove_if(m_prepared.begin(), m_prepared.end(),
                                    [&paths](const TPreparedFile& file) {
                                        return std::find(paths.begin(), paths.end(), file.path) == paths.end();
                                    }),
                     m_prepared.end());
}

void TDecodeAhead::Select(const std::string& selected, const std::vector<std::string>& neighbours,
                          TFitBox pictureBox, TFitBox makerBox, std::vector<TBitmapHandle>* dropped) {
    if (!Enabled()) return;
    TLock lock(m_lock);
    CancelLocked();
    // A step to a neighbour of the selection before starts the work now, beside the display, so
    // that the next step finds it done; any other selection (the first in a folder) leaves the
    // cores to its own display and starts the work when Settle says it is shown.
    const bool stepping =
        selected.empty() || std::find(m_neighbours.begin(), m_neighbours.end(), selected) != m_neighbours.end();
    m_neighbours.assign(neighbours.begin(), neighbours.begin() + std::min<std::size_t>(neighbours.size(), kMaxPrepared));
    std::vector<std::string> held = m_neighbours;
    if (!selected.empty()) held.push_back(selected);
    // Every file held was a neighbour of the selection before: still at most kMaxPrepared.
    KeepOnlyLocked(held, dropped);
    m_pictureBox = pictureBox;
    m_makerBox = makerBox;
    if (stepping) {
        m_queue = m_neighbours;
        m_wake.WakeAll();
    } else {
        m_deferred = true;
    }
}

void TDecodeAhead::Prepare(const std::vector<std::string>& paths, TFitBox pictureBox, TFitBox makerBox) {
    Select(std::string(), paths, pictureBox, makerBox);
}

void TDecodeAhead::Settle() {
    if (!Enabled()) return;
    TLock lock(m_lock);
    KeepOnlyLocked(m_neighbours);
    if (m_deferred) {
        m_deferred = false;
        m_queue = m_neighbours;
        m_wake.WakeAll();
    }
}

void TDecodeAhead::Keep(const std::string& path, TPreparedKind kind, TFitBox box, const TPictureDigest& digest,
                        TBitmapHandle bitmap) {
    if (!Enabled()) return;
    TLock lock(m_lock);
    if (std::find(m_neighbours.begin(), m_neighbours.end(), path) == m_neighbours.end()) return;
    TPreparedFile* file = FindLocked(path);
    if (!file) {
        if (static_cast<int>(m_prepared.size()) >= kMaxPrepared) return;
        m_prepared.push_back(TPreparedFile{path, {}, {}});
        file = &m_prepared.back();
    }
    file->Of(kind) = TPreparedPicture{box, digest, std::move(bitmap)};
}

void TDecodeAhead::Pause() {
    if (!Enabled()) return;
    TLock lock(m_lock);
    CancelLocked();
}

void TDecodeAhead::Stop() {
    if (!Enabled()) return;
    TLock lock(m_lock);
    CancelLocked();
    m_neighbours.clear();
    m_prepared.clear();
    // Another folder may hold pictures of another size: the worker's memory goes while it waits.
    m_dropScratch = true;
    m_wake.WakeAll();
}

bool TDecodeAhead::Has(const std::string& path, TPreparedKind kind, TFitBox box) {
    if (!Enabled()) return false;
    TLock lock(m_lock);
    TPreparedFile* file = FindLocked(path);
    return file && file->Of(kind).bitmap && file->Of(kind).box == box;
}

TBitmapHandle TDecodeAhead::Take(const std::string& path, TPreparedKind kind, TFitBox box,
                                 const TPictureDigest& digest) {
    if (!Enabled()) return TBitmapHandle();
    TLock lock(m_lock);
    TPreparedFile* file = FindLocked(path);
    if (!file) return TBitmapHandle();
    TPreparedPicture& picture = file->Of(kind);
    if (!(picture.box == box) || picture.digest != digest || !picture.bitmap) return TBitmapHandle();
    ++m_taken;
    return std::move(picture.bitmap);
}

bool TDecodeAhead::Idle() {
    TLock lock(m_lock);
    return !m_busy && m_queue.empty() && !m_deferred;
}

int TDecodeAhead::TakenCount() {
    TLock lock(m_lock);
    return m_taken;
}

int TDecodeAhead::PreparedCount() {
    TLock lock(m_lock);
    return static_cast<int>(m_prepared.size());
}

DWORD WINAPI TDecodeAhead::ThreadMain(void* self) {
    static_cast<TDecodeAhead*>(self)->Run();
    return 0;
}

void TDecodeAhead::Run() {
    for (;;) {
        TPreparedFile file;
        TFitBox pictureBox, makerBox;
        {
            TLock lock(m_lock);
            m_busy = false;
            const DWORD idleSince = GetTickCount();
            while (!m_ending && m_queue.empty()) {
                if (m_dropScratch) {
                    m_dropScratch = false;
                    m_fileBuffer = std::vector<std::uint8_t>();
                    m_decodeScratch.Release();
                }
                if (m_fileBuffer.capacity() == 0 && m_decodeScratch.Capacity() == 0) {
                    m_wake.Wait(m_lock);
                    continue;
                }
                // Stepping has stopped for a while: the memory goes until the next step needs it.
                const DWORD idle = GetTickCount() - idleSince;
                if (idle >= kKeepMemoryMs)
                    m_dropScratch = true;
                else
                    m_wake.Wait(m_lock, kKeepMemoryMs - idle);
            }
            if (m_ending) return;
            file.path = m_queue.front();
            m_queue.erase(m_queue.begin());
            pictureBox = m_pictureBox;
            makerBox = m_makerBox;
            m_cancel = false;
            m_busy = true;
            // Work came before the worker was idle: its memory is wanted again at once.
            m_dropScratch = false;
        }
        // Nothing may leave the thread: a failure only means that nothing is prepared.
        bool done = false;
        try {
            done = PrepareFile(file, pictureBox, makerBox);
        } catch (...) {
            done = false;
        }
        TLock lock(m_lock);
        // A file cancelled meanwhile is not kept: another selection, folder or close came.
        if (!done || m_cancel || m_ending) continue;
        if (TPreparedFile* held = FindLocked(file.path))
            *held = std::move(file);
        else if (static_cast<int>(m_prepared.size()) < kMaxPrepared)
            m_prepared.push_back(std::move(file));
    }
}

bool TDecodeAhead::HeldAlready(const TPreparedFile& file) {
    TLock lock(m_lock);
    TPreparedFile* held = FindLocked(file.path);
    if (!held) return false;
    auto same = [](const TPreparedPicture& a, const TPreparedPicture& b) {
        return a.box == b.box && a.digest == b.digest && (a.bitmap || !b.bitmap);
    };
    return same(held->picture, file.picture) && same(held->makerPicture, file.makerPicture);
}

bool TDecodeAhead::PrepareFile(TPreparedFile& file, TFitBox pictureBox, TFitBox makerBox) {
    if (FileSizeOf(file.path) > kMaxFileSize) return false;
    std::vector<std::uint8_t> makerPicture;
    // The same sections the extraction writes, cut out where they lie in the worker's read memory.
    std::vector<std::uint8_t>& picture = m_fileBuffer;
    ReadFileBytes(file.path, picture);
    if (!HasSonpixHeader(picture.data(), picture.size())) return false;
    const SonpixSections sections =
        ComputeSonpixSections(FindSonpixMarkers(picture.data(), picture.size()), picture.size());
    if (sections.hasMakerPicture) makerPicture = SectionBytes(picture, sections.makerPicture);
    KeepOnlySection(picture, sections.picture);
    // Unchanged since it was prepared (a selection that came back to it): nothing to do.
    file.picture.box = pictureBox;
    file.picture.digest = DigestOf(picture.data(), picture.size());
    file.makerPicture.box = makerBox;
    file.makerPicture.digest = DigestOf(makerPicture.data(), makerPicture.size());
    if (HeldAlready(file)) return false;

    if (m_cancel) return false;
    file.picture = PreparePicture(picture, pictureBox);
    if (m_cancel) return false;
    if (!makerPicture.empty()) file.makerPicture = PreparePicture(makerPicture, makerBox);
    return !m_cancel;
}

TDecodeAhead::TPreparedPicture TDecodeAhead::PreparePicture(std::vector<std::uint8_t>& bytes, TFitBox box) {
    TPreparedPicture prepared;
    prepared.box = box;
    prepared.digest = DigestOf(bytes.data(), bytes.size());
    try {
        // The display's steps: the fitted JPEG copy, loaded as the display loads it, as a bitmap.
        std::optional<std::vector<std::uint8_t>> fitted =
            FitPictureBytes(bytes, box.width, box.height, &m_cancel, m_decodeScratch);
        if (!fitted || fitted->empty()) return prepared;
        TJPEGImage copy;
        copy.LoadFromBytes(std::move(*fitted));
        prepared.bitmap = copy.ToBitmap(&m_cancel);
    } catch (const std::exception&) {
        // A picture the display would refuse: it is refused there, when it is selected.
        prepared.bitmap.Reset();
    }
    return prepared;
}
