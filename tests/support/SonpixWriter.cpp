// Sonpix file builder and whole-file read and write helpers.
#include "SonpixWriter.h"

#include <cstdio>
#include <memory>

TBytes BytesOf(const std::string& text) { return TBytes(text.begin(), text.end()); }

TBytes Concat(std::initializer_list<TBytes> pieces) {
    TBytes out;
    for (const TBytes& piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
    return out;
}

TBytes SonpixHeader() { return Concat({BytesOf("Tolvy"), TBytes{0x01}}); }
TBytes MakerPictureMarker() { return Concat({BytesOf("Tolvy(c)jpg"), TBytes{0x01}}); }
TBytes MakerTextMarker() { return Concat({BytesOf("Tolvy(c)txt"), TBytes{0x01}}); }

TBytes BuildSonpix(const TSonpixParts& parts) {
    TBytes out = Concat({SonpixHeader(), parts.picture, SonpixHeader(), parts.sound});
    if (parts.makerPicture) out = Concat({out, MakerPictureMarker(), *parts.makerPicture});
    if (parts.makerText) out = Concat({out, MakerTextMarker(), BytesOf(*parts.makerText)});
    return out;
}

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

bool WriteBytesFile(const std::string& path, const TBytes& bytes) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    return std::fclose(file.release()) == 0;
}

std::optional<TBytes> ReadBytesFile(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    TBytes bytes;
    std::uint8_t buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + got);
    return bytes;
}
