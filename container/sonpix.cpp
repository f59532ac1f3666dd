// Extraction of a Sonpix file into files of a target folder.
#include "sonpix.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "SonpixLayout.h"
#include "sys/FileBytes.h"
#include "sys/PathText.h"
#include "sys/SysError.h"
#include "sys/UniqueHandle.h"
#include "sys/mysys.h"

std::string SonpixMakerText;

namespace {

// Bytes handed to one WriteFile call.
constexpr std::int64_t kWriteBlock = 64 * 1024 * 1024;

using FileBytes = std::vector<std::uint8_t>;

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
        written = WriteFile(file.Get(), bytes.data() + at, want, &put, nullptr) && put == want;
        at += want;
        left -= want;
    }
    if (!file.Close()) throw EInOutError("I/O error " + std::to_string(GetLastError()));
    return written;
}

}  // namespace

void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder,
                   const std::string& BaseName, std::string& MakerText) {
    ExtractSonpix(SourcePath, TargetFolder, BaseName, MakerText, TExtractedOutput());
}

void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder, const std::string& BaseName,
                   std::string& MakerText, const TExtractedOutput& written) {
    FileBytes buffer;
    ExtractSonpix(SourcePath, TargetFolder, BaseName, MakerText, written, buffer);
}

void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder, const std::string& BaseName,
                   std::string& MakerText, const TExtractedOutput& written, FileBytes& buffer) {
    MakerText.clear();
    SonpixMakerText.clear();
    // One folder only, as passed; it normally exists already, so the result does not matter.
    CreateDirectoryA(TargetFolder.c_str(), nullptr);
    const std::string folder = IncludeTrailingBackslash(TargetFolder);
    const std::string picturePath = folder + BaseName + kSonpixPictureSuffix;
    const std::string soundPath = folder + BaseName + kSonpixSoundSuffix;
    const std::string makerPicturePath = folder + BaseName + kSonpixMakerPictureSuffix;
    DeleteFileQuietly(picturePath);
    DeleteFileQuietly(soundPath);
    DeleteFileQuietly(makerPicturePath);

    if (!FileExists(SourcePath)) return;
    ReadFileBytes(SourcePath, buffer);
    const FileBytes& bytes = buffer;
    SetFileModeReadWrite();
    if (!HasSonpixHeader(bytes.data(), bytes.size())) return;

    const SonpixSections sections =
        ComputeSonpixSections(FindSonpixMarkers(bytes.data(), bytes.size()), bytes.size());
    const auto write = [&](const std::string& path, const ByteRange& range) {
        if (!WriteSection(path, bytes, range)) return false;
        const std::size_t size = static_cast<std::size_t>(range.Size());
        if (written) written(path, size > 0 ? bytes.data() + range.first : bytes.data(), size);
        return true;
    };
    if (!write(picturePath, sections.picture)) return;
    if (!write(soundPath, sections.sound)) return;
    if (sections.hasMakerPicture && !write(makerPicturePath, sections.makerPicture)) return;
    if (sections.hasMakerText) {
        MakerText.assign(reinterpret_cast<const char*>(bytes.data()) + sections.makerText.first,
                         static_cast<std::size_t>(sections.makerText.Size()));
        SonpixMakerText = MakerText;
    }
}
