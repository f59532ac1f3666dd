// make_samples.exe <folder>: writes sample Sonpix files (pictures drawn in code, synthesized tones).
#include <cstdio>
#include <string>

#include "sys/mysys.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"

namespace {

struct TSample {
    std::string fileName;  // Windows-1251
    TRgbImage picture;
    bool progressive;
    TToneSpec tone;
    bool withMakerPicture;
    const char* makerText;  // nullptr: no maker's text
};

TToneSpec Tone(double frequency, double seconds) {
    TToneSpec tone;
    tone.frequencyHz = frequency;
    tone.seconds = seconds;
    tone.amplitude = 0.35;
    return tone;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_samples <folder>\n");
        return 2;
    }
    const std::string folder = WithTrailingBackslash(argv[1]);
    if (!ForceFolderPath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }
    const TSample samples[] = {
        {"Закат.sonpix", MakeSunset(1600, 1000), false, Tone(440, 2.0), true,
         "Иван Петров\r\nФотограф из Петрозаводска.\r\nСнимал закат над Онежским озером."},
        {"Маяк.sonpix", MakeLighthouse(720, 1080), false, Tone(330, 1.5), true,
         "Мария Соколова\r\nЛюблю море и ночные прогулки.\r\nПишите: maria@example.ru"},
        {"Flower.sonpix", MakeFlower(900, 900), false, Tone(523.25, 1.0), false,
         "Анна Кузнецова\r\nЦветы из моего сада."},
        {"Северное сияние.sonpix", MakeAurora(1280, 720), true, Tone(262, 2.5), true,
         "Пётр Смирнов\r\nМурманск, январь.\r\nПрогрессивный JPEG."},
        {"Aurora-no-maker.sonpix", MakeAurora(800, 450), true, Tone(392, 1.0), false, nullptr},
        {"Checkerboard.sonpix", MakeCheckerboard(640, 480, 40), false, Tone(880, 0.5), false, nullptr},
    };
    const TBytes makerPicture = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
    for (const TSample& sample : samples) {
        TSonpixParts parts;
        parts.picture = EncodeRgbJpeg(sample.picture, 88, sample.progressive);
        parts.sound = SynthesizeToneWav(sample.tone);
        if (sample.withMakerPicture) parts.makerPicture = makerPicture;
        if (sample.makerText) parts.makerText = std::string(sample.makerText);
        const std::string path = folder + sample.fileName;
        const TBytes bytes = BuildSonpix(parts);
        if (!WriteBytesFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
