// The skin the bar painting tests draw with: a hue per part kind and a row per state, nothing for kinds
// and states it lacks, the base tables answered, captions only for tab groups, the recording of calls; and
// pictures of its sheet and of parts at several sizes for the eye.
#include "TestSkin.h"
#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <set>

using namespace skin_test;

namespace test_skin_test {

class TestSkinTest : public SkinTest {
protected:
    // Made once the imaging interface is started, and gone before it ends.
    void SetUp() override {
        SkinTest::SetUp();
        skin = std::make_unique<TRecordingTestSkin>();
    }
    void TearDown() override {
        skin.reset();
        SkinTest::TearDown();
    }
    std::unique_ptr<TRecordingTestSkin> skin;
};

TEST_F(TestSkinTest, EveryPartKindDrawsItsOwnHueInARowPerState) {
    for (int state = 0; state < ovSkinStateCount; ++state) {
        std::set<TColor> centres;
        for (std::size_t column = 0; column < kTestSkinPartKinds.size(); ++column) {
            const int kind = kTestSkinPartKinds[column];
            auto bitmap = MakeBitmap(26, 24, clWhite);
            skin->DrawBackground(bitmap->Canvas()->Handle(), TRect{3, 2, 23, 22}, kind, state);
            const TTestSkinCellColors colors = TestSkinCellColors(int(column), state);
            EXPECT_EQ(ColorAt(*bitmap, 3, 2), colors.Outline) << kind << "/" << state;
            EXPECT_EQ(ColorAt(*bitmap, 4, 3), colors.Frame) << kind << "/" << state;
            EXPECT_EQ(ColorAt(*bitmap, 13, 12), colors.Centre) << kind << "/" << state;
            EXPECT_EQ(ColorAt(*bitmap, 23, 12), clWhite) << kind << "/" << state;
            centres.insert(colors.Centre);
        }
        EXPECT_EQ(centres.size(), kTestSkinPartKinds.size()) << "state " << state;
    }
}

TEST_F(TestSkinTest, KindsAndStatesWithoutACellDrawNothing) {
    auto bitmap = MakeBitmap(30, 30, clWhite);
    HDC dc = bitmap->Canvas()->Handle();
    for (const auto& [kind, state] : std::vector<std::pair<int, int>>{{ovSkinPartEditArrowGlyph, 0},
                                                                      {ovSkinPartCollapsedTabGroup, 0},
                                                                      {9999, 2},
                                                                      {ovSkinPartButton, 9},
                                                                      {ovSkinPartButton, -1}}) {
        skin->DrawBackground(dc, TRect{0, 0, 30, 30}, kind, state);
        skin->DrawBackgroundEx(dc, TRect{0, 0, 30, 30}, TRect{0, 0, 30, 30}, kind, state);
    }
    EXPECT_EQ(BoundsOfColor(*bitmap, clWhite), (RECT{0, 0, 30, 30}));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(ColorAt(*bitmap, x, y), clWhite) << x << "," << y;
}

TEST_F(TestSkinTest, ItAnswersTheBaseTables) {
    EXPECT_EQ(skin->GetContentOffsets(ovSkinPartButton), (TRect{3, 3, 3, 3}));
    EXPECT_EQ(skin->GetContentOffsets(ovSkinPartLargeButton), (TRect{5, 3, 5, 3}));
    // The bar parts add the caption strip to their bottom.
    EXPECT_EQ(skin->GetContentOffsets(ovSkinPartTabGroup), (TRect{2, 2, 2, 19}));
    EXPECT_EQ(skin->GetContentOffsets(ovSkinPartTabGroupInPopup), (TRect{2, 2, 2, 19}));
    EXPECT_EQ(skin->GetPartSize(ovSkinPartExtraPanePinButton), 31);
    EXPECT_EQ(skin->GetPartSize(ovSkinPartMenuSeparatorHorz), 2);
    EXPECT_EQ(skin->GetPartColor(ovSkinColorItemText, ovSkinStateHot), clHighlightText);
    EXPECT_EQ(skin->GetPartColor(ovSkinPartMenuViewBackground, 0), clDefault);
    skin->Inputs.LowColors = true;
    EXPECT_EQ(skin->GetPartColor(ovSkinPartMenuViewBackground, 0), clBtnFace);
    EXPECT_EQ(skin->GetName(), "");
    EXPECT_TRUE(skin->UseRoundedWindowCorners());
    EXPECT_FALSE(skin->GetIsAlphaUsed(ovSkinPartButton));
    EXPECT_EQ(skin->GetFadingOptions()->FadeInFrameCount(), 4);
    EXPECT_EQ(skin->GetFadingOptions()->FadeOutFrameDelay(), 20);
}

TEST_F(TestSkinTest, OnlyTabGroupsHaveACaption) {
    const TRect group{0, 0, 100, 90};
    EXPECT_EQ(skin->GetCaptionRect(group, ovSkinPartTabGroup), (TRect{2, 72, 98, 88}));
    EXPECT_EQ(skin->GetCaptionRect(group, ovSkinPartTabGroupInPopup), (TRect{2, 72, 98, 88}));
    EXPECT_EQ(skin->GetCaptionRect(group, ovSkinPartButton), TRect{});
    EXPECT_EQ(skin->GetCaptionRect(TRect{0, 0, 50, 10}, ovSkinPartTabGroup), (TRect{2, 0, 48, 8}));

    TestFontScope font;
    auto bitmap = MakeBitmap(100, 90, clWhite);
    HDC dc = bitmap->Canvas()->Handle();
    SetTextColor(dc, 0x123456);
    SetBkMode(dc, OPAQUE);
    skin->DrawCaption(dc, "Group", skin->GetCaptionRect(group, ovSkinPartButton), ovSkinPartButton, 0);
    skin->DrawCaption(dc, "Group", group, ovSkinPartButton, 0);
    EXPECT_EQ(BoundsOfColor(*bitmap, clWhite), (RECT{0, 0, 100, 90}));
    skin->DrawCaption(dc, "Group", skin->GetCaptionRect(group, ovSkinPartTabGroup), ovSkinPartTabGroup, 0);
    const RECT text = BoundsOfColor(*bitmap, ColorToRGB(clWindowText));
    EXPECT_FALSE(uiIsRectEmpty(text));
    EXPECT_TRUE(uiDoesRectEnclose(TRect{2, 73, 98, 88}, text));
    EXPECT_EQ(GetTextColor(dc), COLORREF(0x123456));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
}

TEST_F(TestSkinTest, TheRecordingSkinWritesDownEveryCallInOrder) {
    auto bitmap = MakeBitmap(60, 40, clWhite);
    HDC dc = bitmap->Canvas()->Handle();
    skin->DrawBackground(dc, TRect{0, 0, 20, 22}, ovSkinPartButton, ovSkinStateHot);
    skin->GetPartColor(ovSkinColorItemText, ovSkinStateHot);
    skin->DrawBackgroundEx(dc, TRect{0, 0, 60, 40}, TRect{40, 0, 60, 40}, ovSkinPartApplicationMenuBackground,
                           0);
    skin->DrawCaption(dc, "Edit", TRect{0, 20, 60, 36}, ovSkinPartTabGroup, 0);
    skin->GetContentOffsets(ovSkinPartLargeButton);
    std::vector<std::string> calls;
    for (const TSkinCall& call : skin->Calls)
        calls.push_back(ToString(call));
    EXPECT_EQ(calls,
              (std::vector<std::string>{"DrawBackground 3/2 (0, 0, 20, 22)", "GetPartColor 335/2",
                                        "DrawBackgroundEx 452/0 (0, 0, 60, 40) in (40, 0, 60, 40)",
                                        "DrawCaption 1/0 (0, 20, 60, 36) \"Edit\"", "GetContentOffsets 6"}));
    EXPECT_EQ(skin->TakeDrawn(),
              (std::vector<std::string>{"DrawBackground 3/2 (0, 0, 20, 22)",
                                        "DrawBackgroundEx 452/0 (0, 0, 60, 40) in (40, 0, 60, 40)"}));
    EXPECT_TRUE(skin->Calls.empty());
}

TEST_F(TestSkinTest, PicturesOfTheSheetAndOfPartsAtSeveralSizes) {
    // The sheet, four times enlarged pixel by pixel.
    constexpr int kZoom = 4;
    const auto sheet = MakeTestSkinSheet();
    auto sheetPicture = MakeBitmap(sheet->Width() * kZoom, sheet->Height() * kZoom, clWhite);
    auto onePixel = MakeBitmap(sheet->Width(), sheet->Height(), clWhite);
    sheet->StretchDraw(onePixel->Canvas()->Handle(), sheet->GetClientRect());
    for (int y = 0; y < sheetPicture->Height(); ++y)
        for (int x = 0; x < sheetPicture->Width(); ++x)
            SetPixelAt(*sheetPicture, x, y, PixelAt(*onePixel, x / kZoom, y / kZoom));
    EXPECT_TRUE(SaveBarsPng(*sheetPicture, "test-skin-sheet.png"));

    // A few kinds in three states at growing sizes; the lower half tiled.
    const int kinds[] = {ovSkinPartButton, ovSkinPartLargeButton, ovSkinPartButtonDropDown,
                         ovSkinPartScreenTip, ovSkinPartButtonMainPart};
    const int states[] = {ovSkinStateNormal, ovSkinStateHot, ovSkinStatePressed};
    const TSize sizes[] = {{12, 12}, {22, 22}, {40, 66}, {90, 30}};
    auto parts = MakeBitmap(10 + 3 * (90 + 8) * 4, 2 * (5 * (66 + 6)) + 30, clWhite);
    HDC dc = parts->Canvas()->Handle();
    for (int half = 0; half < 2; ++half)
        for (int k = 0; k < 5; ++k)
            for (int s = 0; s < 3; ++s)
                for (int z = 0; z < 4; ++z) {
                    TovSkinnedRect* part = skin->Parts().PartOf(kinds[k], states[s]);
                    part->SetStretch(half == 1);
                    const int left = 10 + (s * 4 + z) * 98, top = 10 + half * (5 * 72 + 10) + k * 72;
                    part->Draw(dc, uiRectOfBounds(left, top, sizes[z].cx, sizes[z].cy));
                }
    EXPECT_TRUE(SaveBarsPng(*parts, "test-skin-parts.png"));
    // The large button's centre, stretched and tiled, is the centre colour of its cell.
    const TColor centre = TestSkinCellColors(6, ovSkinStateNormal).Centre;
    EXPECT_EQ(ColorAt(*parts, 10 + 2 * 98 + 20, 10 + 72 + 33), centre);
    EXPECT_EQ(ColorAt(*parts, 10 + 2 * 98 + 20, 10 + 370 + 72 + 33), centre);
}

} // namespace test_skin_test
