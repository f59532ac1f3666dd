// sonpix info: where each section lies and what it holds, as text or as one JSON object per file.
#include <cstdio>

#include "authoring/Cp1251.h"
#include "authoring/FileAccess.h"
#include "authoring/SonpixAudit.h"
#include "cli/Commands.h"
#include "cli/Json.h"

namespace {

std::string RangeText(const ByteRange& r) {
    if (r.Size() == 0) return "empty";
    return std::to_string(r.first) + " .. " + std::to_string(r.last) + " (" + std::to_string(r.Size()) + " bytes)";
}

std::string JpegText(bool read, const TJpegFacts& facts, const std::string& error) {
    if (!read) return "unreadable JPEG header: " + error;
    return std::to_string(facts.width) + " x " + std::to_string(facts.height) + ", " + facts.colour + ", " +
           (facts.progressive ? "progressive" : "baseline");
}

std::string WavText(const TSonpixInspection& found) {
    if (!found.soundRead) return found.soundError;
    const TWavFacts& w = found.sound;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", w.seconds);
    return std::string(w.formatTag == 1 ? "PCM" : "format " + std::to_string(w.formatTag)) + ", " +
           std::to_string(w.channels) + (w.channels == 1 ? " channel, " : " channels, ") +
           std::to_string(w.sampleRate) + " Hz, " + std::to_string(w.bitsPerSample) + " bits, " + seconds + " s";
}

void PrintText(const std::string& name, const TSonpixInspection& found, std::ostream& out) {
    const SonpixSections& s = found.sections;
    out << name << ": Sonpix file, " << found.size << " bytes\n";
    out << "  picture          " << RangeText(s.picture) << ": " << JpegText(found.pictureRead, found.picture, found.pictureError) << "\n";
    out << "  sound            " << RangeText(s.sound) << ": " << WavText(found) << "\n";
    if (s.hasMakerPicture)
        out << "  maker's picture  " << RangeText(s.makerPicture) << ": "
            << JpegText(found.makerPictureRead, found.makerPicture, found.makerPictureError) << "\n";
    else
        out << "  maker's picture  none\n";
    if (!s.hasMakerText) {
        out << "  maker's text     none\n";
        return;
    }
    out << "  maker's text     " << RangeText(s.makerText) << ":\n";
    // One indented line per line of the text, whatever its line ends.
    std::string line;
    const std::string text = Cp1251ToUtf8(found.makerText);
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            if (i < text.size() || !line.empty()) out << "    " << line << "\n";
            line.clear();
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        } else {
            line += text[i];
        }
    }
}

TJsonObject RangeJson(const ByteRange& r) {
    TJsonObject object;
    object.Add("first", r.first).Add("last", r.last).Add("size", r.Size());
    return object;
}

TJsonObject JpegJson(const ByteRange& r, bool read, const TJpegFacts& facts, const std::string& error) {
    TJsonObject object = RangeJson(r);
    if (!read) return object.Add("error", error);
    return object.Add("width", facts.width).Add("height", facts.height).Add("colour", facts.colour)
        .Add("components", facts.components).Add("progressive", facts.progressive);
}

std::string JsonFor(const std::string& name, const TSonpixInspection& found) {
    TJsonObject object;
    object.Add("file", name).Add("sonpix", found.sonpix).Add("size", static_cast<std::int64_t>(found.size));
    if (!found.sonpix) return object.Text();
    const SonpixSections& s = found.sections;
    object.Add("separatorFound", found.markers.separator != SonpixMarkers::kNotFound);
    object.AddObject("picture", JpegJson(s.picture, found.pictureRead, found.picture, found.pictureError));
    TJsonObject sound = RangeJson(s.sound);
    if (found.soundRead) {
        const TWavFacts& w = found.sound;
        sound.Add("format", w.formatTag).Add("channels", w.channels).Add("rate", static_cast<std::int64_t>(w.sampleRate))
            .Add("bits", w.bitsPerSample).AddFixed("seconds", w.seconds, 3);
    } else {
        sound.Add("error", found.soundError);
    }
    object.AddObject("sound", sound);
    if (s.hasMakerPicture)
        object.AddObject("makerPicture",
                         JpegJson(s.makerPicture, found.makerPictureRead, found.makerPicture, found.makerPictureError));
    else
        object.AddNull("makerPicture");
    if (s.hasMakerText)
        object.AddObject("makerText", RangeJson(s.makerText).Add("text", Cp1251ToUtf8(found.makerText)));
    else
        object.AddNull("makerText");
    return object.Text();
}

}  // namespace

int RunInfo(const TCliArgs& args, TCliStreams& io) {
    const auto unreadable = [&](const std::string& file, const std::string& reason) {
        if (args.json) io.out << TJsonObject().Add("file", file).Add("error", reason).Text() << "\n";
    };
    return ForEachFileRead(
        args, io,
        [&](const std::string& file, const std::vector<std::uint8_t>& bytes) {
            const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::facts);
            if (!found.sonpix)
                io.err << "sonpix: " << file << ": not a Sonpix file (it does not start with \"Tolvy\" 01)\n";
            if (args.json)
                io.out << JsonFor(file, found) << "\n";
            else if (found.sonpix)
                PrintText(file, found, io.out);
            return found.sonpix;
        },
        unreadable);
}
