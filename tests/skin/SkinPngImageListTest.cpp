// The PNG image list: placeholders kept in step with the images, names, sizes that clear the images,
// and drawing (faded when disabled, nothing for an index without an image).
#include "SkinTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "skin/images/SkinPngImageList.h"

#include <gtest/gtest.h>

namespace skin_png_image_list_test {
using namespace skintest;

// A 24 x 24 opaque red image with an alpha plane.
void MakeRed(TskPngImage& Image) {
    auto bitmap = MakeBitmap(24, 24, [](int, int) { return 0x0000FFu; });
    Image.Assign(bitmap.get());
    Image.AddAlphaPlane();
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            Image.AlphaRow(y)[x] = 255;
}

class SkinPngImageListTest : public testing::Test {
protected:
    void SetUp() override {
        List = std::make_unique<TskPngImageList>(nullptr);
        List->SetPngWidth(24);
        List->SetPngHeight(24);
        for (int i = 0; i < 6; ++i)
            MakeRed(*List->PngImages()->Add()->PngImage());
    }
    std::unique_ptr<TskPngImageList> List;
};

TEST_F(SkinPngImageListTest, PlaceholdersFollowTheImages) {
    EXPECT_EQ(List->Count(), 6);
    EXPECT_EQ(List->PngImages()->Items(3)->Name(), "PngImage3");
    EXPECT_EQ(List->PngImages()->Items(3)->DisplayName(), "PngImage3");
    List->PngImages()->Delete(2);
    EXPECT_EQ(List->Count(), 5);
    EXPECT_EQ(List->PngImages()->Count(), 5);
    List->PngImages()->Items(0)->SetName("");
    EXPECT_EQ(List->PngImages()->Items(0)->DisplayName(), List->PngImages()->Items(0)->ClassName());
}

TEST_F(SkinPngImageListTest, ANewSizeClearsTheImagesUnlessTheFormIsLoading) {
    {
        TComponentLoading loading(List.get());
        List->SetPngWidth(32);
        EXPECT_EQ(List->PngImages()->Count(), 6);
    }
    EXPECT_EQ(List->PngWidth(), 32);
    List->SetPngHeight(16);
    EXPECT_EQ(List->PngImages()->Count(), 0);
    EXPECT_EQ(List->Count(), 0);
}

TEST_F(SkinPngImageListTest, AssigningCopiesImagesAndNames) {
    TskPngImageList other(nullptr);
    other.SetPngWidth(24);
    other.SetPngHeight(24);
    List->PngImages()->Items(1)->SetName("record");
    other.SetPngImages(List->PngImages());
    ASSERT_EQ(other.PngImages()->Count(), 6);
    EXPECT_EQ(other.Count(), 6);
    EXPECT_EQ(other.PngImages()->Items(1)->Name(), "record");
    EXPECT_EQ(other.PngImages()->Items(1)->PngImage()->Width(), 24);
}

TEST_F(SkinPngImageListTest, DisabledImagesAreDrawnWithHalfTheirAlpha) {
    auto enabled = MakeBitmap(24, 24, [](int, int) { return 0xFFFFFFu; });
    auto disabled = MakeBitmap(24, 24, [](int, int) { return 0xFFFFFFu; });
    List->Draw(enabled->Canvas(), 0, 0, 0, true);
    List->Draw(disabled->Canvas(), 0, 0, 0, false);
    SavePng(*disabled, "images/disabled-entry.png", 4);
    EXPECT_EQ(PixelOf(*enabled, 12, 12), 0x0000FFu);
    // Red at alpha 128 over white: green and blue keep 255 * 127 / 255.
    const std::uint32_t faded = PixelOf(*disabled, 12, 12);
    EXPECT_EQ(faded & 0xFF, 0xFFu);
    EXPECT_NEAR(int((faded >> 8) & 0xFF), 127, 1);
    EXPECT_NEAR(int((faded >> 16) & 0xFF), 127, 1);
}

TEST_F(SkinPngImageListTest, AnIndexWithoutAnImageDrawsNothing) {
    auto extra = MakeBitmap(24, 24, [](int, int) { return 0x00FF00u; });
    List->Add(extra.get(), nullptr); // a seventh entry with no image behind it
    ASSERT_EQ(List->Count(), 7);
    auto target = MakeBitmap(24, 24, [](int, int) { return 0xFFFFFFu; });
    EXPECT_NO_THROW(List->Draw(target->Canvas(), 0, 0, 6, true));
    EXPECT_EQ(PixelOf(*target, 12, 12), 0xFFFFFFu);
}

} // namespace skin_png_image_list_test
