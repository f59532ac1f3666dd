// Extraction of a Sonpix file into files of a target folder.
#include "sonpix.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "SonpixLayout.h"
#include "sys/SysError.h"
#include "sys/UniqueHandle.h"
#include "sys/mysys.h"

std::string SonpixMakerText;

namespace {

// Positions are kept below 2 GiB, so a file of that size or more is refused rather than misread.
constexpr std::uint64_t kMaxSonpixFileSize = 0x7FFFFFFFull;
// Bytes handed to one WriteFile call.
constexpr std::int64_t kWriteBlock = 64 * 1024 * 1024;

struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;  // owned copy of the whole file
    std::size_t size = 0;
};

[[noreturn]] void RaiseOpenError(const std::string& path, DWORD error) {
    throw EFOpenError("Cannot open file \"" + path + "\". " + SysErrorMessage(error));
}

// Reads the whole file; others may read it meanwhile but not write it.
FileBytes ReadWholeFile(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) RaiseOpenError(path, GetLastError());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) RaiseOpenError(path, GetLastError());
    if (static_cast<std::uint64_t>(size.QuadPart) >= kMaxSonpixFileSize + 1)
        throw EFOpenError("Cannot open file \"" + path + "\". The file is 2 GB or larger");

    FileBytes bytes;
    bytes.size = static_cast<std::size_t>(size.QuadPart);
    bytes.data.reset(new (std::nothrow) std::uint8_t[bytes.size ? bytes.size : 1]);
    if (!bytes.data) RaiseOpenError(path, ERROR_NOT_ENOUGH_MEMORY);
    std::size_t done = 0;
    while (done < bytes.size) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size - done, kWriteBlock));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data.get() + done, want, &got, nullptr)) RaiseOpenError(path, GetLastError());
        if (got == 0) RaiseOpenError(path, ERROR_HANDLE_EOF);
        done += got;
    }
    return bytes;
}

DWORD AccessForFileMode() {
    switch (FileMode & 3) {
        case 0: return GENERIC_READ;
        case 1: return GENERIC_WRITE;
        default: return GENERIC_READ | GENERIC_WRITE;
    }
}

// Writes one section into a new file. False when the file cannot be created or written; the
// part written so far stays. A failure to close the file is raised.
bool WriteSection(const std::string& path, const FileBytes& bytes, const ByteRange& range) {
    UniqueHandle file(CreateFileA(path.c_str(), AccessForFileMode(), FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    bool written = true;
    for (std::int64_t at = range.first, left = range.Size(); left > 0 && written;) {
        const DWORD want = static_cast<DWORD>(std::min(left, kWriteBlock));
        DWORD put = 0;
        written = WriteFile(file.Get(), bytes.data.get() + at, want, &put, nullptr) && put == want;
        at += want;
        left -= want;
    }
    if (!file.Close()) throw EInOutError("I/O error " + std::to_string(GetLastError()));
    return written;
}

}  // namespace

void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder,
                   const std::string& BaseName, std::string& MakerText) {
    MakerText.clear();
    SonpixMakerText.clear();
    // One folder only, as passed; it normally exists already, so the result does not matter.
    CreateDirectoryA(TargetFolder.c_str(), nullptr);
    std::string folder = TargetFolder;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    const std::string picturePath = folder + BaseName + ".jpg";
    const std::string soundPath = folder + BaseName + ".wav";
    const std::string makerPicturePath = folder + BaseName + "cop.jpg";
    DeleteFileQuietly(picturePath);
    DeleteFileQuietly(soundPath);
    DeleteFileQuietly(makerPicturePath);

    if (!FileExists(SourcePath)) return;
    const FileBytes bytes = ReadWholeFile(SourcePath);
    SetFileModeReadWrite();
    if (!HasSonpixHeader(bytes.data.get(), bytes.size)) return;

    const SonpixSections sections =
        ComputeSonpixSections(FindSonpixMarkers(bytes.data.get(), bytes.size), bytes.size);
    if (!WriteSection(picturePath, bytes, sections.picture)) return;
    if (!WriteSection(soundPath, bytes, sections.sound)) return;
    if (sections.hasMakerPicture && !WriteSection(makerPicturePath, bytes, sections.makerPicture)) return;
    if (sections.hasMakerText) {
        MakerText.assign(reinterpret_cast<const char*>(bytes.data.get()) + sections.makerText.first,
                         static_cast<std::size_t>(sections.makerText.Size()));
        SonpixMakerText = MakerText;
    }
}
