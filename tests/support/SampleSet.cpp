// The sample files' table and the making of their parts.
#include "SampleSet.h"

#include "JpegCodec.h"

#ifndef _WIN32
#include <iconv.h>

#include <stdexcept>
#endif

namespace {

// The maker's text as a file stores it: Windows-1251. The Windows build's literals already are;
// the host build's are UTF-8 and go through the C library's own converter.
std::string StoredText(const char* text) {
#ifdef _WIN32
    return text;
#else
    iconv_t converter = iconv_open("CP1251", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP1251");
    std::string in(text), out(in.size(), '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size(), room = out.size();
    const std::size_t result = iconv(converter, &from, &left, &to, &room);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("text not convertible to CP1251");
    out.resize(out.size() - room);
    return out;
#endif
}

TToneSpec Tone(double frequency, double seconds) {
    TToneSpec tone;
    tone.frequencyHz = frequency;
    tone.seconds = seconds;
    tone.amplitude = 0.35;
    return tone;
}

}  // namespace

const std::vector<TSampleFile>& SampleFiles() {
    static const std::vector<TSampleFile> samples = {
        {"Закат.sonpix", MakeSunset, 1600, 1000, false, Tone(440, 2.0), true,
         "Иван Петров\r\nФотограф из Петрозаводска.\r\nСнимал закат над Онежским озером."},
        {"Маяк.sonpix", MakeLighthouse, 720, 1080, false, Tone(330, 1.5), true,
         "Мария Соколова\r\nЛюблю море и ночные прогулки.\r\nПишите: maria@example.ru"},
        {"Flower.sonpix", MakeFlower, 900, 900, false, Tone(523.25, 1.0), false,
         "Анна Кузнецова\r\nЦветы из моего сада."},
        {"Северное сияние.sonpix", MakeAurora, 1280, 720, true, Tone(262, 2.5), true,
         "Пётр Смирнов\r\nМурманск, январь.\r\nПрогрессивный JPEG."},
        {"Aurora-no-maker.sonpix", MakeAurora, 800, 450, true, Tone(392, 1.0), false, nullptr},
        {"Checkerboard.sonpix", [](int w, int h) { return MakeCheckerboard(w, h, 40); }, 640, 480, false,
         Tone(880, 0.5), false, nullptr},
    };
    return samples;
}

TSonpixFileParts SampleFileParts(const TSampleFile& sample) {
    TSonpixFileParts parts;
    parts.picture = EncodeRgbJpeg(sample.draw(sample.width, sample.height), kSamplePictureQuality, sample.progressive);
    parts.sound = SynthesizeToneWav(sample.tone);
    if (sample.withMakerPicture)
        parts.makerPicture = EncodeRgbJpeg(MakeMakerBadge(kSampleMakerWidth, kSampleMakerHeight), 90, false);
    if (sample.makerText) parts.makerText = StoredText(sample.makerText);
    return parts;
}
