// The picture size limit and the count of decoding work: which scan plans pass and which are refused.
#include <gtest/gtest.h>

#include <vector>

#include "picture/JpegError.h"
#include "picture/JpegLimits.h"

namespace {

struct TScan {
    int components;  // which of the picture's components: 0 = the first, 1..2 the others, 3 = all
    int first, last;
};

// libjpeg's usual progressive plan for three components (also what ImageMagick and cameras write).
const std::vector<TScan> kUsualProgressive = {{3, 0, 0},  {0, 1, 5},  {2, 1, 63}, {1, 1, 63}, {0, 6, 63},
                                              {0, 1, 63}, {3, 0, 0}, {2, 1, 63}, {1, 1, 63}, {0, 1, 63}};

// Blocks of a picture of w x h pixels: the first component in full, the other two at half
// resolution both ways (subsampled) or in full.
std::uint64_t Blocks(long long w, long long h, int component, bool subsampled) {
    const long long bw = (w + 7) / 8, bh = (h + 7) / 8;
    if (component == 0 || !subsampled) return static_cast<std::uint64_t>(bw * bh);
    return static_cast<std::uint64_t>(((bw + 1) / 2) * ((bh + 1) / 2));
}

// True when the plan is taken in, false when the work count refuses it.
bool Accepted(long long w, long long h, bool subsampled, const std::vector<TScan>& plan, int times = 1) {
    TJpegScanWork work(static_cast<std::uint64_t>(w * h));
    try {
        for (int t = 0; t < times; ++t)
            for (const TScan& s : plan) {
                std::uint64_t blocks = 0;
                for (int c = 0; c < 3; ++c)
                    if (s.components == 3 || s.components == c) blocks += Blocks(w, h, c, subsampled);
                work.AddScan(blocks, s.first, s.last);
            }
    } catch (const EJPEG&) {
        return false;
    }
    return true;
}

TEST(JpegScanWork, PicturesThatCamerasAndEditorsWriteAreTakenIn) {
    const struct {
        const char* name;
        long long w, h;
        bool subsampled;
        std::vector<TScan> plan;
    } cases[] = {
        {"100 MP baseline, full colour", 10000, 10000, false, {{3, 0, 63}}},
        {"100 MP progressive, subsampled", 10000, 10000, true, kUsualProgressive},
        {"100 MP progressive, full colour", 10000, 10000, false, kUsualProgressive},
        {"12000 x 8000 progressive, full colour", 12000, 8000, false, kUsualProgressive},
        {"24 MP progressive with every coefficient in a scan of its own", 6000, 4000, true,
         [] { std::vector<TScan> p = {{3, 0, 0}}; for (int k = 1; k < 64; ++k) for (int c = 0; c < 3; ++c) p.push_back({c, k, k}); return p; }()},
        {"1 x 1", 1, 1, false, kUsualProgressive},
        {"1 x 1, 1000 scans", 1, 1, false, [] { std::vector<TScan> p; for (int i = 0; i < 100; ++i) p.insert(p.end(), kUsualProgressive.begin(), kUsualProgressive.end()); return p; }()},
        {"640 x 480 progressive, the usual plan 30 times over", 640, 480, false, [] { std::vector<TScan> p; for (int i = 0; i < 30; ++i) p.insert(p.end(), kUsualProgressive.begin(), kUsualProgressive.end()); return p; }()},
    };
    for (const auto& c : cases) EXPECT_TRUE(Accepted(c.w, c.h, c.subsampled, c.plan)) << c.name;
}

TEST(JpegScanWork, PicturesWhoseScansGoOverThemTooOftenAreRefused) {
    const struct {
        const char* name;
        long long w, h;
        int times;
        std::vector<TScan> plan;
    } cases[] = {
        // The slow file: 6000 x 4000 whose last scan comes 1000 times took 6.5 s.
        {"24 MP, full refinement of the first component 1000 times", 6000, 4000, 1000, {{0, 1, 63}}},
        {"24 MP, full refinement 100 times", 6000, 4000, 100, {{0, 1, 63}}},
        {"24 MP, DC scans of all components 1000 times", 6000, 4000, 1000, {{3, 0, 0}}},
        {"24 MP, DC scans 300 times", 6000, 4000, 300, {{3, 0, 0}}},
        {"24 MP, the usual plan 20 times over", 6000, 4000, 20, kUsualProgressive},
        {"2000 x 1500, full refinement 1000 times", 2000, 1500, 1000, {{0, 1, 63}}},
        {"2000 x 1500, full refinement 100 times", 2000, 1500, 100, {{0, 1, 63}}},
        {"640 x 480, the usual plan 1000 times over", 640, 480, 1000, kUsualProgressive},
    };
    for (const auto& c : cases) EXPECT_FALSE(Accepted(c.w, c.h, true, c.plan, c.times)) << c.name;
}

TEST(JpegScanWork, RefusalCarriesAPlainText) {
    TJpegScanWork work(100'000'000);
    EXPECT_EQ(work.Limit(), 2'500'000'000u);
    EXPECT_EQ(TJpegScanWork(1).Limit(), 500'000'000u) << "small pictures get the floor";
    EXPECT_EQ(TJpegScanWork(10'000'000).Limit(), 800'000'000u);
    work.AddScan(10'000'000, 0, 63);
    EXPECT_GT(work.Total(), 0u);
    try {
        for (int i = 0; i < 100; ++i) work.AddScan(10'000'000, 1, 63);
        FAIL() << "no refusal";
    } catch (const EJPEG& e) {
        EXPECT_EQ(e.Code(), 0);
        EXPECT_NE(std::string(e.what()).find("too much decoding work"), std::string::npos) << e.what();
    }
}

TEST(JpegPictureSize, HundredMegapixelsAtMost) {
    EXPECT_NO_THROW(CheckJpegPictureSize(10000, 10000));
    EXPECT_NO_THROW(CheckJpegPictureSize(1, 1));
    EXPECT_NO_THROW(CheckJpegPictureSize(65500, 1526));
    EXPECT_THROW(CheckJpegPictureSize(10001, 10000), EJPEG);
    EXPECT_THROW(CheckJpegPictureSize(65500, 65500), EJPEG);
    EXPECT_THROW(CheckJpegPictureSize(0, 100), EJPEG);
    EXPECT_THROW(CheckJpegPictureSize(100, 0), EJPEG);
}

}  // namespace
