// The radio-button image list: 128 images of the system radio size, the map index, the ring and dot
// colours of each kind, the default state drawn as normal, and the picture of all 128 images.
#include "PaintersTestSupport.h"

#include "platform/vcl/ImageList.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/SystemPaletteNotifier.h"
#include "ui/core/graphics/Colors.h"
#include "ui/painters/lookandfeel/RadioButtonImageList.h"
#include "ui/painters/office11/Office11Colors.h"

using namespace painters_test;

namespace {

class RadioButtonImagesTest : public PaintersTest {
protected:
    // One image drawn on white; its pixel at a pattern code.
    std::unique_ptr<TBitmap> Image(int AKind, TuiPainterButtonState AState, bool AChecked, bool AEmphasisB,
                                   bool AEmphasisA) {
        TuiRadioButtonImageList* list = RadioButtonImageList();
        const TSize size = list->RadioImageSize();
        return Draw(size.cx, size.cy, clWhite, [&](TuiCanvas* c) {
            list->PaintRadioImage(c, 0, 0, clDefault, AKind, AState, AChecked, AEmphasisB, AEmphasisA);
        });
    }
    TPoint FirstOf(int ACode) {
        TuiRadioButtonImageList* list = RadioButtonImageList();
        const TSize size = list->RadioImageSize();
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                if (list->PatternCode(x, y) == ACode) return TPoint{x, y};
        return TPoint{-1, -1};
    }
};

TEST_F(RadioButtonImagesTest, HoldsAllCombinationsInTheSystemRadioSize) {
    TuiRadioButtonImageList* list = RadioButtonImageList();
    EXPECT_EQ(list->RadioImageSize(), (TSize{13, 13}));
    EXPECT_EQ(list->ImageCount(), 128);
    EXPECT_EQ(Painter("Flat")->RadioButtonExtent(), (TSize{13, 13}));
    // Map index = state + 8 kind + 32 emphasis A + 64 emphasis B + 4 checked - 1.
    EXPECT_EQ(uiRadioMapIndex(1, cxbsHot, true, false, false), 13);
    EXPECT_EQ(uiRadioMapIndex(3, cxbsDisabled, true, true, true), 4 + 24 + 32 + 64 + 4 - 1);
    // The default state has no image of its own: it is drawn as normal.
    EXPECT_EQ(uiRadioMapIndex(0, cxbsDefault, false, false, false), 0);
    EXPECT_EQ(list->ImageIndexOf(2, cxbsDefault, true, false, false),
              list->ImageIndexOf(2, cxbsNormal, true, false, false));
    EXPECT_EQ(list->ImageIndexOf(4, cxbsNormal, true, false, false), -1);
    EXPECT_EQ(list->ImageIndexOf(1, static_cast<TuiPainterButtonState>(9), true, false, false), -1);
    // Every pattern code is present: rings, body and dot.
    for (int code = 0; code <= 6; ++code)
        EXPECT_GE(FirstOf(code).x, 0) << code;
    EXPECT_EQ(uiRadioKindOfStyle(lfsNative), 1);
    EXPECT_EQ(uiRadioKindOfStyle(lfsOffice11), 3);
    EXPECT_EQ(uiRadioKindOfStyle(lfsSkin), 2);
}

TEST_F(RadioButtonImagesTest, RingBodyAndDotColoursOfEachKind) {
    const TPoint outerUpperLeft = FirstOf(1), innerUpperLeft = FirstOf(3), body = FirstOf(5),
                 dot = FirstOf(6);
    ReferenceOffice11Colors();
    RadioButtonImageList()->RebuildImages();
    struct Row {
        int Kind;
        TuiPainterButtonState State;
        bool EmphasisB, EmphasisA;
        TColor Outer, Inner, Body;
    } const rows[] = {
        {0, cxbsNormal, false, false, clBtnShadow, cl3DLight, clWindow},
        {1, cxbsNormal, false, false, clBtnShadow, cl3DDkShadow, clWindow},
        {1, cxbsPressed, false, false, clBtnShadow, cl3DDkShadow, clBtnFace},
        {2, cxbsNormal, false, false, clBtnShadow, clWindow, clWindow},
        {2, cxbsHot, false, false, clHighlight, uiGetUltraFlatSelectedColor(), uiGetUltraFlatSelectedColor()},
        // A disabled ultra-flat radio: emphasis A alone keeps the shadow ring, emphasis B lights it.
        {2, cxbsDisabled, false, true, clBtnShadow, clBtnFace, clBtnFace},
        {2, cxbsDisabled, true, false, clHighlight, clBtnFace, clBtnFace},
        // Office11: rings from the palette, the body from the Office11 painter's button faces.
        {3, cxbsNormal, false, false, clBtnText, clWindow, clWindow},
        {3, cxbsHot, false, false, Office11SelectedBorderColor, Office11HotColor1, Office11HotColor1},
        {3, cxbsPressed, false, false, Office11SelectedBorderColor, Office11PressedColor1,
         Office11PressedColor1},
        {3, cxbsDisabled, false, false, Office11DisabledTextColor, clBtnFace, clBtnFace},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("kind " + std::to_string(row.Kind) + " state " + std::to_string(row.State));
        auto image = Image(row.Kind, row.State, false, row.EmphasisB, row.EmphasisA);
        EXPECT_EQ(ColorAt(*image, outerUpperLeft.x, outerUpperLeft.y), Rgb(row.Outer));
        EXPECT_EQ(ColorAt(*image, innerUpperLeft.x, innerUpperLeft.y), Rgb(row.Inner));
        EXPECT_EQ(ColorAt(*image, body.x, body.y), Rgb(row.Body));
        // Unchecked, the dot takes the body colour.
        EXPECT_EQ(ColorAt(*image, dot.x, dot.y), Rgb(row.Body));
    }
    ReleaseOffice11Palette();
    auto checked = Image(1, cxbsNormal, true, false, false);
    EXPECT_EQ(ColorAt(*checked, dot.x, dot.y), Rgb(clWindowText));
    auto disabled = Image(1, cxbsDisabled, true, false, false);
    EXPECT_EQ(ColorAt(*disabled, dot.x, dot.y), Rgb(clBtnShadow));
}

TEST_F(RadioButtonImagesTest, OutsideTheCircleTheBackgroundStaysOrTakesTheGivenColour) {
    TuiRadioButtonImageList* list = RadioButtonImageList();
    auto masked = Draw(13, 13, clFuchsia, [&](TuiCanvas* c) {
        list->PaintRadioImage(c, 0, 0, clDefault, 1, cxbsNormal, true, false, false);
    });
    EXPECT_EQ(ColorAt(*masked, 0, 0), Rgb(clFuchsia));
    auto square = Draw(13, 13, clFuchsia, [&](TuiCanvas* c) {
        list->PaintRadioImage(c, 0, 0, clYellow, 1, cxbsNormal, true, false, false);
    });
    EXPECT_EQ(ColorAt(*square, 0, 0), Rgb(clYellow));
    // Drawing through a painter picks the painter's kind; the default state draws the normal image.
    auto byPainter = Draw(13, 13, clFuchsia, [&](TuiCanvas* c) {
        Painter("UltraFlat")->DrawRadioButton(c, 0, 0, cxbsDefault, true, false);
    });
    auto normal = Draw(13, 13, clFuchsia, [&](TuiCanvas* c) {
        list->PaintRadioImage(c, 0, 0, clDefault, 2, cxbsNormal, true, false, false);
    });
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(ColorAt(*byPainter, x, y), ColorAt(*normal, x, y)) << x << "," << y;
}

TEST_F(RadioButtonImagesTest, ASystemColourChangeRebuildsAnExistingList) {
    SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_FALSE(RadioButtonImageListExists());
    TuiRadioButtonImageList* list = RadioButtonImageList();
    list->Images()->Delete(0);
    ASSERT_EQ(list->ImageCount(), 127);
    SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(list->ImageCount(), 128);
    EXPECT_EQ(list->ImageIndexOf(3, cxbsDisabled, true, true, true), 127);
    // A new window colour reaches the bodies of the images.
    olva::win::SetSysColorOverride(COLOR_WINDOW, RGB(255, 255, 0));
    SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
    const TPoint body = FirstOf(5);
    auto image = Image(1, cxbsNormal, false, false, false);
    EXPECT_EQ(ColorAt(*image, body.x, body.y), TColor(0x00FFFF));
    olva::win::ResetSystemOverrides();
}

TEST_F(RadioButtonImagesTest, PictureOfAllImages) {
    TuiRadioButtonImageList* list = RadioButtonImageList();
    // Rows: kind and checked; columns: emphasis B, emphasis A and state, each image on a 20-pixel grid.
    auto sheet = Draw(16 * 22 + 10, 8 * 22 + 10, clWindow, [&](TuiCanvas* c) {
        for (int kind = 0; kind < 4; ++kind)
            for (int checked = 0; checked < 2; ++checked)
                for (int b = 0; b < 2; ++b)
                    for (int a = 0; a < 2; ++a)
                        for (int state = 1; state <= 4; ++state) {
                            const int column = b * 8 + a * 4 + state - 1, row = kind * 2 + checked;
                            list->PaintRadioImage(c, 5 + column * 22, 5 + row * 22, clDefault, kind,
                                                  static_cast<TuiPainterButtonState>(state), checked == 1,
                                                  b == 1, a == 1);
                        }
    });
    EXPECT_TRUE(SaveSurfaceToPng(*SurfaceOf(*sheet), PaintersOutputPath("radio-images.png")));
}

} // namespace
