// Sonpix file builder: the header, the markers and whole files from their parts.
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

TBytes BuildSonpix(const TSonpixFileParts& parts) {
    TBytes out = Concat({SonpixHeader(), parts.picture, SonpixHeader(), parts.sound});
    if (parts.makerPicture) out = Concat({out, MakerPictureMarker(), *parts.makerPicture});
    if (parts.makerText) out = Concat({out, MakerTextMarker(), BytesOf(*parts.makerText)});
    return out;
}
