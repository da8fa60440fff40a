// The edit layout on a toolbar: glyph, caption and text field areas for both view layouts, the large view
// and a client-aligned item; the heights; and the width a user drags at the edge while customizing.
#include "EditControlsTestSupport.h"

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/itemcontrols/EditControls.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/core/base/Geometry.h"

#include <gtest/gtest.h>

using namespace edit_controls_test;

namespace {

constexpr int Field = 0, Caption = 2;

class EditLayoutTest : public EditControlsTest {
protected:
    TovBarEditControl* Place(TovBarEdit* AEdit, TovBarItemViewLayout ALayout, bool ALarge) {
        bar = Toolbar(dsTop);
        link = bar->Add(AEdit);
        link->ViewLayout = ALayout;
        auto* control = dynamic_cast<TovBarEditControl*>(link->Control());
        if (ALarge) control->ViewInfo()->SetViewLevelDirect(ivlLargeIconWithText);
        bar->CalcMetrics();
        control->UpdateStyles();
        bar->Layout();
        Recalc(control);
        return control;
    }
    void Recalc(TovBarEditControl* AControl) {
        AControl->CalcDrawParams(true);
        AControl->CalcParts();
    }
    void SetItemRect(const TRect& R) {
        bar->Links()->BeginCalcItemRects();
        link->SetItemRect(R);
        bar->Links()->EndCalcItemRects();
    }

    bar_standins::TStandInToolbar* bar = nullptr;
    TovBarItemLink* link = nullptr;
};

struct TLayoutCase {
    const char* Name;
    TovBarItemViewLayout Layout;
    bool Large;
};

class EditLayoutTableTest : public EditLayoutTest, public ::testing::WithParamInterface<TLayoutCase> {};

} // namespace

TEST_P(EditLayoutTableTest, CaptionAndFieldShareTheBoundsByTheLayout) {
    const TLayoutCase& c = GetParam();
    TovBarEdit* edit = NewEdit("Gain", "0 dB");
    edit->SetShowCaption(true);
    TovBarEditControl* control = Place(edit, c.Layout, c.Large);
    const TRect bounds = control->GetBoundsRect();
    const std::vector<TRect>& area = control->AreaParts();
    ASSERT_EQ(3u, area.size());
    const int caption = control->GetCaptionAreaWidth();
    ASSERT_GT(caption, 0);
    if (c.Large) {
        EXPECT_EQ(bounds.right - control->GetControlAreaWidth(), area[Field].left);
        EXPECT_EQ(bounds.right, area[Field].right);
        EXPECT_EQ(area[Field].left, area[Caption].right);
        EXPECT_EQ(bounds.bottom, area[Caption].bottom);
        EXPECT_LT(bounds.top, area[Caption].top) << "the caption takes the bottom line";
    } else if (c.Layout == ivlGlyphCaptionControl) {
        EXPECT_EQ(bounds.left, area[Caption].left);
        EXPECT_EQ(bounds.left + caption, area[Caption].right);
        EXPECT_EQ(area[Caption].right, area[Field].left);
        EXPECT_EQ(bounds.right, area[Field].right);
    } else {
        EXPECT_EQ(bounds.right - caption, area[Caption].left);
        EXPECT_EQ(bounds.right, area[Caption].right);
        EXPECT_EQ(bounds.left, area[Field].left);
        EXPECT_EQ(area[Caption].left, area[Field].right);
    }
    // The text field part is the area less the painter's content offsets.
    TRect offsets{};
    painter->EditGetContentOffsets(iptHorizontal, offsets);
    EXPECT_EQ(area[Field].left + offsets.left, control->Parts()[Field].left);
    EXPECT_EQ(area[Field].right - offsets.right, control->Parts()[Field].right);
}

INSTANTIATE_TEST_SUITE_P(Layouts, EditLayoutTableTest,
                         ::testing::Values(TLayoutCase{"CaptionBeforeField", ivlGlyphCaptionControl, false},
                                           TLayoutCase{"CaptionAfterField", ivlGlyphControlCaption, false},
                                           TLayoutCase{"Large", ivlGlyphCaptionControl, true}),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(EditLayoutTest, AClientAlignedEditKeepsItsWidthAtTheRightUnlessTheBarStretchesIt) {
    TovBarEdit* edit = NewEdit("Find", "");
    edit->SetShowCaption(true);
    edit->SetAlign(iaClient);
    TovBarEditControl* control = Place(edit, ivlGlyphCaptionControl, false);
    const TRect natural = control->GetBoundsRect();
    SetItemRect(TRect{natural.left, natural.top, natural.right + 120, natural.bottom});
    Recalc(control);
    TRect field{};
    control->GetEditRect(field);
    EXPECT_EQ(natural.right + 120, field.right);
    EXPECT_EQ(control->GetControlAreaWidth(), uiWidthOfRect(field));
    bar->SetBehaviorOptions(bar->GetBehaviorOptions() + bboStretchClientItems);
    control->GetEditRect(field);
    EXPECT_EQ(control->AreaParts()[Field].left, field.left) << "stretched: the whole area";
}

TEST_F(EditLayoutTest, HeightsFollowTheEditTextAndTheCaption) {
    TovBarEdit* bare = NewEdit("Bare", "");
    TovBarEditControl* control = Place(bare, ivlGlyphCaptionControl, false);
    EXPECT_EQ(bar->GetEditTextSize(), control->GetHeight());
    EXPECT_GT(control->GetHeight(), 0);
    TovBarEdit* captioned = NewEdit("With caption", "");
    captioned->SetShowCaption(true);
    TovBarEditControl* withCaption = Place(captioned, ivlGlyphCaptionControl, false);
    EXPECT_GE(withCaption->GetHeight(), bar->GetItemHeight(withCaption));
    EXPECT_GE(withCaption->GetHeight(), bar->GetEditTextSize());
    EXPECT_EQ(std::max(withCaption->GetMinEditWidth(), 90), withCaption->GetControlAreaWidth());
}

TEST_F(EditLayoutTest, DraggingTheSevenPixelEdgeWhileCustomizingStoresTheUserWidth) {
    TovBarEdit* edit = NewEdit("Wide", "");
    edit->SetShowCaption(true);
    TovBarEditControl* control = Place(edit, ivlGlyphCaptionControl, false);
    const TRect r = control->GetBoundsRect();
    const int y = (r.top + r.bottom) / 2;
    EXPECT_FALSE(control->IsSizingPoint(TPoint{r.right - 3, y})) << "only while customizing";
    manager->SetIsCustomizing(true);
    EXPECT_TRUE(control->IsSizingPoint(TPoint{r.right - 7, y}));
    EXPECT_TRUE(control->IsSizingPoint(TPoint{r.left + 6, y}));
    EXPECT_FALSE(control->IsSizingPoint(TPoint{r.right - 8, y}));
    const int fieldOffset = control->AreaParts()[Field].left - r.left;
    control->BeginSizing(TPoint{r.right - 2, y});
    control->Sizing(TPoint{r.right + 38, y});
    EXPECT_EQ(uiWidthOfRect(r) + 38, control->SizingWidth()) << "from the fixed left edge to the point";
    control->Sizing(TPoint{r.left + 1, y});
    EXPECT_EQ(control->GetMinWidth(), control->SizingWidth()) << "never below the minimum";
    control->Sizing(TPoint{r.right + 38, y});
    control->EndSizing(true);
    EXPECT_EQ(uiWidthOfRect(r) + 38 - fieldOffset, link->UserWidth());
    manager->SetIsCustomizing(false);
}
