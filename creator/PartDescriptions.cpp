// The descriptions of the picture and sound parts, from their headers.
#include "creator/PartDescriptions.h"

#include <cstdio>

#include "authoring/WavFacts.h"
#include "creator/AnsiText.h"
#include "picture/JpegHeaderCheck.h"

namespace {
std::string FormatName(int tag) {
    switch (tag) {
        case 1: return "PCM";
        case 2: return "MS ADPCM";
        case 3: return "PCM с плавающей точкой";
        case 6: return "A-law";
        case 7: return "mu-law";
        case 0x11: return "IMA ADPCM";
        case 0x31: return "GSM 6.10";
        case 0x55: return "MP3";
        default: return "формат " + std::to_string(tag);
    }
}

std::string ChannelsText(int channels) {
    const int lastTwo = channels % 100, last = channels % 10;
    const char* word = (last == 1 && lastTwo != 11) ? "канал"
                       : (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) ? "канала"
                                                                                     : "каналов";
    return std::to_string(channels) + " " + word;
}
}  // namespace

std::string DescribePicture(const TDraftPart& part) {
    std::string text = part.source + ", " + std::to_string(part.bytes.size()) + " байт";
    TJpegFacts facts;
    std::string error;
    if (ReadJpegFacts(part.bytes.data(), part.bytes.size(), facts, error))
        text += ", " + std::to_string(facts.width) + " x " + std::to_string(facts.height);
    return text;
}

std::string DescribeSound(const TDraftPart& part) {
    TWavFacts facts;
    std::string error;
    if (!ReadWavFacts(part.bytes.data(), part.bytes.size(), facts, error))
        return part.source + "\r\nне читается: " + Utf8ToAnsi(error);
    std::string format = FormatName(facts.formatTag) + ", " + ChannelsText(facts.channels) + ", " +
                         std::to_string(facts.sampleRate) + " Гц";
    if (facts.bitsPerSample > 0) format += ", " + std::to_string(facts.bitsPerSample) + " бит";
    return part.source + "\r\n" + format + "\r\n" + SecondsText(facts.seconds);
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds < 0 ? 0.0 : seconds);
    std::string result(text);
    for (char& c : result)
        if (c == '.') c = ',';
    return result + " с";
}
