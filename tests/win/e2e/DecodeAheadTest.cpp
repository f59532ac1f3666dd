// Decoding ahead seen from outside: closing the viewer while it prepares a big neighbour ends it
// at once, without waiting for that decode.
#include <gtest/gtest.h>

#include <chrono>

#include "app/ControlIds.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerDriving.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

class TDecodeAheadCloseTest : public TViewerTest {};

// A selected small entry is followed by a progressive camera-like picture of 48 megapixels, which
// the viewer starts to prepare as soon as the small one is shown; a close request then ends the
// process in a small part of that picture's decode time.
TEST_F(TDecodeAheadCloseTest, ClosingWhileANeighbourIsPreparedEndsTheViewerAtOnce) {
    TRgbImage photo = MakeLighthouse(6000, 8000);
    AddSensorNoise(photo, 7);
    const TBytes big = EncodeRgbJpeg(photo, 92, true);
    auto start = TClock::now();
    DecodeRgbJpeg(big);
    const double decodeMs = MillisecondsSince(start);

    ASSERT_TRUE(WriteSonpix(m_scratch / "a.sonpix", SampleParts(1, "first")));
    TSonpixFileParts parts = SampleParts(2, "big");
    parts.picture = big;
    ASSERT_TRUE(WriteSonpix(m_scratch / "b.sonpix", parts));

    HWND main = StartAndWaitForMainWindow("none");
    ASSERT_TRUE(main);
    HWND list = Control(main, idListBox1), label = Control(main, idStaticText1);
    ASSERT_TRUE(ClickListEntry(list, 0));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(label) == "first"; }, 6000));
    // The worker is now well inside the decode of b's picture.
    Sleep(300);

    start = TClock::now();
    const auto code = Viewer().CloseAndWait(kExitTimeoutMs);
    const double closeMs = MillisecondsSince(start);
    ASSERT_TRUE(code.has_value());
    EXPECT_LT(closeMs, decodeMs / 2) << "closing took " << closeMs << " ms; the picture decodes in " << decodeMs << " ms";
    std::printf("decode of the neighbour %.0f ms, close %.0f ms\n", decodeMs, closeMs);
}

}  // namespace
