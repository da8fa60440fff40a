// The base skin's tables as data: content offsets (three of them following the screen's DPI), part sizes
// with the pin glyph and menu separator inputs, and the colours of keys by state, with the low-colour rule.
#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/skin/SkinBaseTables.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/graphics/ScreenMetrics.h"

#include <vector>

using namespace skin_test;

namespace skin_base_tables_test {

struct TColorCase {
    int Key, State;
    TColor Color;
};
void ExpectColors(const std::vector<TColorCase>& ACases, const TovSkinBaseInputs& AInputs) {
    for (const TColorCase& c : ACases)
        EXPECT_EQ(ovSkinBasePartColor(c.Key, c.State, AInputs), c.Color) << c.Key << "/" << c.State;
}

class SkinBaseTablesTest : public SkinTest {
protected:
    void TearDown() override {
        GdiSetPixelsPerInch(0);
        uiReadScreenPixelsPerInch();
        SkinTest::TearDown();
    }
};

TEST_F(SkinBaseTablesTest, ContentOffsetsByPartKind) {
    const struct {
        int Part;
        TRect Offsets;
    } cases[] = {{1, {2, 2, 2, 1}},
                 {1003, {2, 2, 2, 1}},
                 {3, {3, 3, 3, 3}},
                 {313, {3, 3, 3, 3}},
                 {520, {3, 3, 3, 3}},
                 {6, {5, 3, 5, 3}},
                 {252, {6, 5, 6, 6}},
                 {260, {10, 0, 0, 0}},
                 {270, {21, 12, 11, 12}},
                 {305, {7, 4, 7, 4}},
                 {311, {7, 0, 8, 0}},
                 {395, {7, 0, 8, 0}},
                 {453, {4, 16, 4, 29}},
                 {454, {0, 4, 0, 3}},
                 {455, {3, 5, 4, 0}},
                 {459, {8, 8, 10, 10}},
                 {1000, {2, 2, 2, 2}},
                 {1002, {2, 2, 2, 2}},
                 {1001, {7, 4, 7, 11}},
                 {1010, {3, 3, 3, 4}},
                 {1011, {3, 3, 3, 4}},
                 {0, {}},
                 {4, {}},
                 {460, {}},
                 {-5, {}},
                 {99999, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ovSkinBaseContentOffsets(c.Part), c.Offsets) << c.Part;
}

TEST_F(SkinBaseTablesTest, TheApplicationMenuOffsetsFollowTheScreensDPI) {
    const struct {
        int DPI;
        TRect Menu, Offsets455, Offsets459;
    } cases[] = {{96, {4, 16, 4, 29}, {3, 5, 4, 0}, {8, 8, 10, 10}},
                 {120, {5, 20, 5, 36}, {4, 6, 5, 0}, {10, 10, 13, 13}},
                 {144, {6, 24, 6, 44}, {5, 8, 6, 0}, {12, 12, 15, 15}}};
    for (const auto& c : cases) {
        GdiSetPixelsPerInch(c.DPI);
        uiReadScreenPixelsPerInch();
        EXPECT_EQ(ovSkinBaseContentOffsets(ovSkinPartApplicationMenuContent), c.Menu) << c.DPI;
        EXPECT_EQ(ovSkinBaseContentOffsets(455), c.Offsets455) << c.DPI;
        EXPECT_EQ(ovSkinBaseContentOffsets(459), c.Offsets459) << c.DPI;
        // The others are pixels at any DPI.
        EXPECT_EQ(ovSkinBaseContentOffsets(ovSkinPartLargeButton), (TRect{5, 3, 5, 3})) << c.DPI;
    }
}

TEST_F(SkinBaseTablesTest, PartSizesWithThePinGlyphAndMenuSeparatorInputs) {
    const TovSkinBaseInputs base;
    TovSkinBaseInputs other;
    other.PinGlyphWidth = 20;
    other.MenuSeparatorSize = 5;
    const struct {
        int Part, Base, Other;
    } cases[] = {{1, 1, 1},     {21, 1, 1},    {254, 1, 1},   {301, 1, 1},   {1003, 1, 1},  {1013, 1, 1},
                 {10150, 1, 1}, {10151, 1, 1}, {260, 25, 25}, {270, 40, 40}, {280, 2, 2},   {470, 2, 2},
                 {490, 2, 2},   {281, 32, 32}, {302, 2, 5},   {400, 2, 5},   {311, 31, 35}, {313, 22, 26},
                 {395, 31, 35}, {460, 3, 3},   {500, 3, 3},   {10191, 3, 3}, {0, 0, 0},     {3, 0, 0},
                 {410, 0, 0},   {-1, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ovSkinBasePartSize(c.Part, base), c.Base) << c.Part;
        EXPECT_EQ(ovSkinBasePartSize(c.Part, other), c.Other) << c.Part;
    }
}

TEST_F(SkinBaseTablesTest, ColoursOfKeysByState) {
    constexpr TColor W = clWhite;
    ExpectColors({{9, 0, clBtnFace},
                  {9, 5, clBtnFace},
                  {10, 0, clBtnShadow},
                  {10, 1, clBtnShadow},
                  {10, 2, W},
                  {12, 8, W},
                  {12, 1, clBtnShadow},
                  {17, 0, clWindowText},
                  {17, 1, clGrayText},
                  {17, 4, clWindowText},
                  {19, 0, 0xDAD5D2},
                  {20, 3, 0xEFE7DE},
                  {22, 0, clMenuText},
                  {22, 1, clGrayText},
                  {22, 2, clHighlightText},
                  {41, 0, 0xDDBB9E},
                  {42, 0, clDefault},
                  {43, 2, clDefault},
                  {44, 0, clBtnText},
                  {51, 0, clBtnFace},
                  {52, 0, clBtnShadow},
                  {56, 0, clBtnFace},
                  {64, 1, clMenuText},
                  {64, 4, clMenuText},
                  {66, 0, clBtnText},
                  {67, 0, clHighlight},
                  {68, 3, clHighlight},
                  {71, 0, 0xF5F5F5},
                  {80, 2, clDefault},
                  {81, 0, W},
                  {200, 1, clGrayText},
                  {201, 2, clHighlightText},
                  {250, 0, clDefault},
                  {251, 0, 0},
                  {340, 4, 0},
                  {261, 0, clMenuText},
                  {271, 1, clGrayText},
                  {301, 0, clBtnShadow},
                  {306, 2, clMenuText},
                  {314, 3, clHighlightText},
                  {315, 0, clGrayText},
                  {335, 0, clWindowText},
                  {335, 1, clGrayText},
                  {335, 7, clHighlightText},
                  {362, 0, clMenuText},
                  {362, 8, clHighlightText},
                  {393, 1, clGrayText},
                  {394, 0, clMenuText},
                  {420, 0, clDefault},
                  {425, 3, 0x85B6CA},
                  {425, 8, 0xCDCDCD},
                  {425, 0, clDefault},
                  {454, 2, clHighlightText},
                  {10018, 0, clBtnShadow},
                  {10066, 0, 0xF3E2D5},
                  {10130, 0, clCaptionText},
                  {10130, 1, clInactiveCaptionText},
                  {10131, 5, clInactiveCaptionText},
                  {10132, 0, clWindowText},
                  {10132, 2, clHighlightText},
                  {10133, 1, clGrayText},
                  {10134, 6, clWindowText},
                  {10138, 0, clWindowText},
                  {10138, 6, clWindowText},
                  {10138, 1, clGrayText},
                  {10138, 7, clHighlightText},
                  {10139, 3, clWindowText},
                  {10140, 0, clWindowText},
                  {10140, 4, clHighlightText},
                  {10141, 0, clNone},
                  {10142, 2, clNone},
                  {10154, 2, clHighlightText},
                  {10581, 0, clBtnText},
                  {3, 0, clDefault},
                  {12345, 2, clDefault},
                  // A state outside 0..8 takes the colour of the key's other states.
                  {335, 9, clHighlightText},
                  {10, -1, W},
                  {17, 40, clWindowText}},
                 TovSkinBaseInputs{});
}

TEST_F(SkinBaseTablesTest, OnLowColourScreensKeysWithoutAColourAnswerTheButtonFace) {
    TovSkinBaseInputs low;
    low.LowColors = true;
    ExpectColors({{250, 0, clBtnFace},
                  {3, 2, clBtnFace},
                  {12345, 0, clBtnFace},
                  {80, 0, clBtnFace}, // through 10065, which has no colour
                  {335, 1, clGrayText},
                  {10, 2, clWhite},
                  {340, 0, 0},
                  // Keys whose painters pick the colour keep clDefault.
                  {42, 0, clDefault},
                  {420, 0, clDefault},
                  {425, 0, clDefault}},
                 low);
}

} // namespace skin_base_tables_test
