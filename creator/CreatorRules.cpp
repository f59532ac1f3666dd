// The maker's text, the title, the preview size and the kind of a file.
#include "creator/CreatorRules.h"

#include "creator/AnsiText.h"
#include "creator/CreatorNames.h"
#include "sys/PathText.h"

std::string StoredMakerText(const std::string& fieldText) {
    std::string text;
    text.reserve(fieldText.size() + fieldText.size() / 16);
    for (std::size_t i = 0; i < fieldText.size(); ++i) {
        const char c = fieldText[i];
        if (c == '\r') {
            text += "\r\n";
            if (i + 1 < fieldText.size() && fieldText[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    const std::size_t end = text.find_last_not_of("\r\n \t");
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string CreatorCaption(const std::string& path, bool modified) {
    std::string name = path.empty() ? std::string(kUntitledName) : path.substr(ExtractFilePath(path).size());
    if (modified) name += "*";
    return name + " - " + kCreatorTitle;
}

TFitSize PreviewSize(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
    if (width <= boxWidth && height <= boxHeight) return {width, height};
    return FitScale(width, height, boxWidth, boxHeight);
}

unsigned PreviewReduction(int width, int height, const TFitSize& preview) {
    for (unsigned reduction : {8u, 4u, 2u}) {
        const auto reduced = [reduction](int side) { return (static_cast<unsigned>(side) + reduction - 1) / reduction; };
        if (reduced(width) >= static_cast<unsigned>(preview.width) && reduced(height) >= static_cast<unsigned>(preview.height))
            return reduction;
    }
    return 1;
}

TFileKind KindOfFile(const std::string& path) {
    const std::string extension = LowerAnsiText(ExtractFileExt(path));
    if (extension == kJpegExtension || extension == kJpegLongExtension) return TFileKind::picture;
    if (extension == kWavExtension) return TFileKind::sound;
    if (extension == kSonpixExtension) return TFileKind::sonpix;
    return TFileKind::other;
}
