// PNG loading into CPLImage: premultiplication exactly once per loaded
// image, and the program's own PNG resources.
#include "ui/pl_image.h"

#include "png_bytes.h"

#include <gtest/gtest.h>

using test_support::EncodePng;
using test_support::Rgba;

namespace {

constexpr uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; }

// Opaque orange, half-transparent red, fully transparent white.
const std::string kRedImage = EncodePng(3, 1, {{255, 128, 0, 255}, {255, 0, 0, 128}, {255, 255, 255, 0}});
// A quarter-opaque green.
const std::string kGreenImage = EncodePng(1, 2, {{0, 255, 0, 64}, {10, 20, 30, 255}});

} // namespace

TEST(PLImageTest, PremultipliesTranslucentPixelsAndKeepsOpaqueOnes) {
    CPLImage image;
    ASSERT_TRUE(image.LoadFromMemory(kRedImage.data(), kRedImage.size()));
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(image.GetHeight(), 1);
    EXPECT_EQ(image.GetBPP(), 32);
    EXPECT_TRUE(image.HasAlpha());
    EXPECT_TRUE(image.IsPremultiplied());
    EXPECT_EQ(image.GetPixel(0, 0), Argb(255, 255, 128, 0));
    EXPECT_EQ(image.GetPixel(1, 0), Argb(128, 128, 0, 0)); // (255 * 128 + 127) / 255
    EXPECT_EQ(image.GetPixel(2, 0), Argb(0, 0, 0, 0));
    image.Premultiply(); // already done: no change
    EXPECT_EQ(image.GetPixel(1, 0), Argb(128, 128, 0, 0));
}

TEST(PLImageTest, EveryLoadPremultipliesItsOwnPixelsOnce) {
    CPLImage image;
    ASSERT_TRUE(image.LoadFromMemory(kRedImage.data(), kRedImage.size()));
    ASSERT_TRUE(image.LoadFromMemory(kRedImage.data(), kRedImage.size()));
    EXPECT_EQ(image.GetPixel(1, 0), Argb(128, 128, 0, 0)) << "the same image loaded again";
    ASSERT_TRUE(image.LoadFromMemory(kGreenImage.data(), kGreenImage.size()));
    EXPECT_EQ(image.GetWidth(), 1);
    EXPECT_EQ(image.GetHeight(), 2);
    EXPECT_EQ(image.GetPixel(0, 0), Argb(64, 0, 64, 0)) << "a second, different image";
    EXPECT_EQ(image.GetPixel(0, 1), Argb(255, 10, 20, 30));
}

TEST(PLImageTest, FailedLoadLeavesTheImageEmpty) {
    CPLImage image;
    ASSERT_TRUE(image.LoadFromMemory(kRedImage.data(), kRedImage.size()));
    const char garbage[] = "not a picture at all";
    EXPECT_FALSE(image.LoadFromMemory(garbage, sizeof(garbage)));
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_FALSE(image.Load(GetModuleHandleA(nullptr), "NO_SUCH.PNG"));
    EXPECT_FALSE(image.Load(GetModuleHandleA(nullptr), "IDBTOP")) << "a bitmap, not of type PNG";
    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(image.AlphaBlend(screen, 0, 0));
    ReleaseDC(nullptr, screen);
}

TEST(PLImageTest, ProgramResourcesHaveTheirSizesAndAlpha) {
    struct Expected {
        const char* name;
        int width, height;
        bool alpha;
    } const images[] = {{"TOP.PNG", 1, 52, false},       {"ERROR.PNG", 14, 14, true},
                        {"IDBLOGO31_PNG", 183, 31, true}, {"IDBLOGO39_PNG", 226, 39, true},
                        {"IDBLOGO47_PNG", 273, 47, true}};
    for (const Expected& e : images) {
        CPLImage image;
        ASSERT_TRUE(image.Load(GetModuleHandleA(nullptr), e.name)) << e.name;
        EXPECT_EQ(image.GetWidth(), e.width) << e.name;
        EXPECT_EQ(image.GetHeight(), e.height) << e.name;
        EXPECT_EQ(image.HasAlpha(), e.alpha) << e.name;
    }
    CPLImage error;
    ASSERT_TRUE(error.Load(GetModuleHandleA(nullptr), "ERROR.PNG"));
    EXPECT_EQ(error.GetPixel(0, 0) >> 24, 0u) << "corner outside the disc";
    uint32_t centreRing = error.GetPixel(2, 7); // on the disc, away from the cross
    EXPECT_EQ(centreRing >> 24, 255u);
    EXPECT_GT((centreRing >> 16) & 0xFF, 150u) << "red";
    EXPECT_LT(centreRing & 0xFF, 80u);
    EXPECT_EQ(error.GetPixel(7, 7), Argb(255, 255, 255, 255)) << "white cross in the middle";
}
