// The sonpix tool's picture check says "shown" exactly for the JPEG data the viewer's decoder shows.
#include <gtest/gtest.h>

#include "PictureTestFiles.h"
#include "picture/JpegHeaderCheck.h"
#include "picture/JpegDecoder.h"
#include "picture/JpegError.h"
#include "picture/JpegPixels.h"

namespace {

// What the viewer does with a picture file: nothing for an empty one, else a full decode.
bool ViewerShows(const TBytes& bytes) {
    if (bytes.empty()) return false;
    try {
        TBgrImage pixels;
        DecodeJpeg(bytes.data(), bytes.size(), 3, [&pixels](int width, int height) {
            pixels = TBgrImage(width, height, 3);
            return TBgrTarget{pixels.Bits(), pixels.Stride()};
        });
        return true;
    } catch (const EJPEG&) {
        return false;
    }
}

TEST(JpegCheck, AgreesWithTheViewersDecoderOnGoodDamagedAndHostileFiles) {
    const TBytes progressive = EncodeRgbJpeg(MakeLighthouse(48, 80), 70, true);
    std::vector<TBytes> files = DamagedFiles();
    files.push_back(EncodeRgbJpeg(MakeGradient(64, 48), 90, false));
    files.push_back(WithDeclaredSize(EncodeRgbJpeg(MakeGradient(64, 48), 90, false), 12000, 8334));  // 100.008 MP
    files.push_back(WithRepeatedLastScan(progressive, kMaxJpegScans));  // just over the scan limit
    files.push_back(WithRepeatedLastScan(progressive, 20));
    int shown = 0, refused = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool viewer = ViewerShows(files[i]);
        const std::string fault = FindJpegFault(files[i].data(), files[i].size());
        EXPECT_EQ(fault.empty(), viewer) << "file " << i << " of " << files[i].size() << " bytes: " << fault;
        (viewer ? shown : refused)++;
    }
    // Both kinds are well represented, so the agreement means something.
    EXPECT_GT(shown, 100);
    EXPECT_GT(refused, 100);
}

}  // namespace
