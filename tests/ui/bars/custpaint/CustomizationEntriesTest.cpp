// The Customize window's entries as each look draws them: which look a manager gets, the drop-down
// part and the sub-menu arrow, captions of containers, the selected colours, edit and combo boxes, the
// bars list's check boxes and the focus rectangle.
#include "CustomizationEntriesTestSupport.h"

#include "platform/vcl/Canvas.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarSkinnedPainter.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"

#include "ui/core/controls/LookAndFeel.h"
#include <functional>

using namespace custpaint_test;
using bars_test::Rgb;

namespace {

// A flat painter of a class of its own: the choice goes by the exact class, so it gets the Standard look.
class TDerivedFlatPainter : public TovBarFlatPainter {};

const TovBarPainterClass SkinnedClass{"Skinned",
                                      [](TuiLookAndFeelPainterBase*) -> std::unique_ptr<TovBarPainter> {
                                          return std::make_unique<TovBarSkinnedPainter>(nullptr);
                                      }};
const TovBarPainterClass DerivedFlatClass{"DerivedFlat",
                                          [](TuiLookAndFeelPainterBase*) -> std::unique_ptr<TovBarPainter> {
                                              return std::make_unique<TDerivedFlatPainter>();
                                          }};

TEST_F(CustomizationEntriesTest, TheLookFollowsTheExactClassOfTheManagersBarPainter) {
    EXPECT_EQ(glyphButton->BarManager(), manager) << "items made on the form belong to its manager";
    EXPECT_EQ(ovCustomizationFormPainterFor(nullptr), ovCustomizationFormStandardPainter());
    struct TCase {
        TovBarManagerStyle Style;
        const TovBarCustomizationFormPainter* Expected;
    };
    const TCase styles[] = {{bmsStandard, ovCustomizationFormStandardPainter()},
                            {bmsEnhanced, ovCustomizationFormStandardPainter()},
                            {bmsFlat, ovCustomizationFormFlatPainter()},
                            {bmsOffice11, ovCustomizationFormOffice11Painter()}};
    for (const TCase& c : styles)
        EXPECT_EQ(UseStyle(c.Style), c.Expected) << "style " << c.Style;
    manager->SetStyle(bmsUseLookAndFeel);
    manager->LookAndFeel()->SetKind(lfOffice11);
    EXPECT_EQ(ovCustomizationFormPainterFor(manager), ovCustomizationFormOffice11Painter());

    struct TClassCase {
        const TovBarPainterClass* Class;
        const TovBarCustomizationFormPainter* Expected;
    };
    const TClassCase classes[] = {{&ovBarXPPainterClass, ovCustomizationFormXPPainter()},
                                  {&SkinnedClass, ovCustomizationFormStandardPainter()},
                                  {&DerivedFlatClass, ovCustomizationFormStandardPainter()}};
    for (const TClassCase& c : classes) {
        EXPECT_EQ(UsePainterClass(c.Class), c.Expected) << c.Class->Name;
        EXPECT_STREQ(ovCustomizationFormPainterFor(manager)->LookName(), c.Expected->LookName());
    }
    ASSERT_NE(dynamic_cast<TovBarSkinnedPainter*>(UsePainterClass(&SkinnedClass) ? manager->DefaultPainter()
                                                                                 : nullptr),
              nullptr)
        << "the skinned painter is an Office11 painter by descent, and still gets the Standard look";
}

// What each look paints where.
struct TLookCase {
    const char* Name;
    TovBarManagerStyle Style;
    std::function<TColor(TovBarManager*)> Selected;   // a selected entry's fill
    std::function<TColor(TovBarManager*)> Unselected; // an unselected entry's fill
    std::function<TColor()> SelectedFrame;            // the frame of a selected entry (clNone: none)
    std::function<TColor()> PartFrame;                // an unselected drop-down part's left line
    std::function<TColor()> UnselectedSquare;         // an unselected glyph square's left edge
};

const TLookCase& LookCase(int AIndex) {
    static const TLookCase cases[] = {
        {"Standard", bmsStandard, [](TovBarManager*) { return TColor(clHighlight); },
         [](TovBarManager*) { return TColor(clBtnFace); }, [] { return TColor(clNone); },
         [] { return TColor(clBtnShadow); }, [] { return TColor(clBtnFace); }},
        {"Flat", bmsFlat, [](TovBarManager* M) { return M->FlatToolbarSelColor(); },
         [](TovBarManager*) { return TColor(clWindow); }, [] { return TColor(clHighlight); },
         [] { return TColor(clBtnShadow); }, [] { return TColor(clBtnFace); }},
        {"Office11", bmsOffice11, [](TovBarManager*) { return Office11SelectedColor; },
         [](TovBarManager*) { return Office11MenuColor; }, [] { return Office11SelectedBorderColor; },
         [] { return Office11SeparatorColor1; }, [] { return Office11MenuBandColor1; }},
    };
    return cases[AIndex];
}

class EntriesByLookTest : public CustomizationEntriesTest, public ::testing::WithParamInterface<int> {
protected:
    const TLookCase& Look() const { return LookCase(GetParam()); }
    void SetUp() override {
        CustomizationEntriesTest::SetUp();
        painter = UseStyle(Look().Style);
        ASSERT_STREQ(painter->LookName(), Look().Name);
    }
    const TovBarCustomizationFormPainter* painter = nullptr;
};

// The entry rect's geometry: 200 x 22 at (10, 4); the arrow part of a drop-down button is x 197..209,
// a sub-menu arrow's tip column is 210 - 9 = 201, from y 4 + (22 - 7) / 2 = 11 to 17.
constexpr int ArrowX = EntryRect.right - 9;
constexpr int ArrowTop = EntryRect.top + (22 - 7) / 2;
constexpr int PartLeft = EntryRect.right - 13;

TEST_P(EntriesByLookTest, SelectedAndUnselectedEntriesTakeTheLooksColours) {
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        TPicture picture = Entry(plainButton, selected);
        const TColor fill = Rgb(selected ? Look().Selected(manager) : Look().Unselected(manager));
        EXPECT_EQ(picture.At(150, 6), fill) << "the caption's part";
        const TColor square = Rgb(selected ? Look().Selected(manager) : Look().UnselectedSquare());
        // (The band's first column is its first colour; a selected entry's frame may take the edge.)
        EXPECT_EQ(picture.At(EntryRect.left + (selected ? 1 : 0), 15), square) << "the empty glyph square";
        const TColor frame = Look().SelectedFrame();
        if (selected && frame != clNone) {
            EXPECT_EQ(picture.At(150, EntryRect.top), Rgb(frame)) << "the selection frame";
            EXPECT_EQ(picture.At(EntryRect.right - 1, 15), Rgb(frame));
        } else {
            EXPECT_EQ(picture.At(150, EntryRect.top), fill) << "no frame";
        }
        EXPECT_EQ(picture.At(EntryRect.right, 15), Rgb(clWhite)) << "nothing beyond the entry";
        EXPECT_EQ(Rgb(painter->GetEntryColor(selected, plainButton)), fill);
    }
}

TEST_P(EntriesByLookTest, ADropDownButtonKeepsA13PixelPartWithItsOwnEdgeAndArrow) {
    TPicture plain = Entry(dropDownButton, false);
    EXPECT_EQ(plain.At(PartLeft, 15), Rgb(Look().PartFrame())) << "the part's left line";
    EXPECT_EQ(plain.At(PartLeft - 1, 15), Rgb(Look().Unselected(manager)))
        << "the caption's fill just before it";
    EXPECT_EQ(plain.At(ArrowX, ArrowTop + 3), Rgb(clBtnText)) << "the arrow";
    EXPECT_EQ(plain.At(ArrowX + 3, ArrowTop + 3), Rgb(clBtnText)) << "the arrow's tip";
    EXPECT_NE(plain.At(ArrowX - 1, ArrowTop + 3), Rgb(clBtnText));

    TPicture selected = Entry(dropDownButton, true);
    const TColor partEdge = GetParam() == 0 ? TColor(clBtnHighlight) : Look().SelectedFrame();
    EXPECT_EQ(selected.At(PartLeft, 15), Rgb(partEdge)) << "selected: the part's own edge or frame";
    if (GetParam() != 2)
        EXPECT_NE(selected.At(PartLeft - 1, 15), selected.At(PartLeft + 3, 6))
            << "the part keeps the plain fill";
    EXPECT_EQ(selected.At(PartLeft - 3, 6), Rgb(Look().Selected(manager)));

    TPicture noPart = Entry(plainButton, false);
    EXPECT_EQ(noPart.At(PartLeft, 15), Rgb(Look().Unselected(manager))) << "a plain button has no part";
    EXPECT_NE(noPart.At(ArrowX, ArrowTop + 3), Rgb(clBtnText)) << "and no arrow";
}

TEST_P(EntriesByLookTest, ASubItemShowsItsArrowNinePixelsFromTheRightAndAContainerOnlyParentheses) {
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        TPicture sub = Entry(subItem, selected);
        const TColor fill = Rgb(selected ? Look().Selected(manager) : Look().Unselected(manager));
        const TColor ink = sub.At(ArrowX, ArrowTop);
        EXPECT_NE(ink, fill) << "the arrow's corner (x, y)";
        for (int y = ArrowTop; y <= ArrowTop + 6; ++y)
            EXPECT_EQ(sub.At(ArrowX, y), ink) << "its left side, y " << y;
        EXPECT_EQ(sub.At(ArrowX + 3, ArrowTop + 3), ink) << "its tip";
        EXPECT_EQ(sub.At(ArrowX - 1, ArrowTop + 3), fill);
        EXPECT_EQ(sub.At(ArrowX + 4, ArrowTop + 3), fill);
        EXPECT_EQ(sub.At(ArrowX + 3, ArrowTop), fill) << "a triangle, not a square";
        EXPECT_EQ(ink, Rgb(painter->GetTextColor(selected))) << "in the caption's colour";

        TPicture box = Entry(container, selected);
        for (int y = ArrowTop; y <= ArrowTop + 6; ++y)
            EXPECT_EQ(box.At(ArrowX, y), fill) << "a container has no arrow, y " << y;
    }
}

TEST_P(EntriesByLookTest, EditAndComboEntriesHaveACaptionPartThenTheBoxAndOnlyTheComboAButton) {
    TPicture edit = Entry(this->edit, false);
    TPicture combo = Entry(this->combo, false);
    // The combo's box: inside its frame (one pixel here, two in the Standard look), a button at the right.
    const int inner = EntryRect.right - (GetParam() == 0 ? 2 : 1);
    const int buttonLeft = inner - painter->GetComboButtonWidth();
    int comboInk = 0, editInk = 0;
    for (int x = buttonLeft + 1; x < inner; ++x)
        for (int y = EntryRect.top + 2; y < EntryRect.bottom - 2; ++y) {
            comboInk += combo.At(x, y) == Rgb(clBtnText) ? 1 : 0;
            editInk += edit.At(x, y) == Rgb(clBtnText) ? 1 : 0;
        }
    EXPECT_GE(comboInk, 6) << "the combo's down arrow";
    EXPECT_EQ(editInk, 0) << "an edit has no button";
    EXPECT_EQ(edit.At(buttonLeft + 5, 15), Rgb(clWindow)) << "the edit's interior is the window colour";
    EXPECT_EQ(combo.At(buttonLeft - 5, 15), Rgb(clWindow));
}

INSTANTIATE_TEST_SUITE_P(Looks, EntriesByLookTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int>& AInfo) {
                             return LookCase(AInfo.param).Name;
                         });

TEST_F(CustomizationEntriesTest, TheStandardEditCaptionPartIsTheTextPlusSevenThenTheSunkenBox) {
    UseStyle(bmsStandard);
    TPicture measure = Picture(10, 10);
    UseListFont(measure.Bitmap->Canvas());
    const int boxLeft = EntryRect.left + measure.Bitmap->Canvas()->TextWidth("Find:") + 7;
    TPicture plain = Entry(edit, false);
    EXPECT_EQ(plain.At(boxLeft + 1, 15), Rgb(clBtnFace)) << "the ring in the caption's fill";
    EXPECT_EQ(plain.At(boxLeft + 2, 15), Rgb(clWindow)) << "the interior two pixels in";
    EXPECT_EQ(plain.At(boxLeft - 1, 6), Rgb(clBtnFace));
    TPicture selected = Entry(edit, true);
    EXPECT_EQ(selected.At(boxLeft - 1, 6), Rgb(clHighlight)) << "the caption's part";
    EXPECT_EQ(selected.At(boxLeft, 15), Rgb(clBtnShadow)) << "a sunken outer edge";
    EXPECT_EQ(selected.At(EntryRect.right - 1, 15), Rgb(clBtnHighlight));
    EXPECT_EQ(selected.At(boxLeft + 2, 15), Rgb(clWindow));
}

TEST_F(CustomizationEntriesTest, AGlyphSitsOnTheFaceAndIsRaisedWhenSelectedInTheStandardLook) {
    UseStyle(bmsStandard);
    TPicture plain = Entry(glyphButton, false);
    TPicture selected = Entry(glyphButton, true);
    EXPECT_EQ(selected.At(EntryRect.left, 15), Rgb(clBtnHighlight)) << "raised inner edge, left";
    EXPECT_EQ(selected.At(EntryRect.left + 21, 15), Rgb(clBtnShadow)) << "and right";
    EXPECT_EQ(selected.At(EntryRect.left + 2, 6), Rgb(clBtnFace)) << "the square keeps the face";
    EXPECT_EQ(plain.At(EntryRect.left, 15), Rgb(clBtnFace)) << "no edge when not selected";
    EXPECT_EQ(selected.At(EntryRect.left + 23, 15), Rgb(clHighlight)) << "the entry is selected beside it";
    int differing = 0;
    for (int y = EntryRect.top + 3; y < EntryRect.top + 19; ++y)
        for (int x = EntryRect.left + 3; x < EntryRect.left + 19; ++x)
            differing += plain.At(x, y) != Rgb(clBtnFace) ? 1 : 0;
    EXPECT_GT(differing, 20) << "the image is drawn in the square";
}

TEST_F(CustomizationEntriesTest, CheckBoxesShowCheckedAndDisabledStates) {
    const TovBarCustomizationFormPainter* painter = UseStyle(bmsStandard);
    auto draw = [&](bool AEnabled, bool AChecked) {
        TPicture picture = Picture(20, 20, clWhite);
        painter->DrawCheckBox(picture.Bitmap->Canvas(), TRect{0, 0, 18, 18}, AEnabled, AChecked);
        return picture;
    };
    auto count = [](const TPicture& P, TColor AColor) {
        int n = 0;
        for (int y = 3; y < 15; ++y)
            for (int x = 3; x < 15; ++x)
                n += P.At(x, y) == Rgb(AColor) ? 1 : 0;
        return n;
    };
    TPicture on = draw(true, true), off = draw(true, false), grayOn = draw(false, true),
             grayOff = draw(false, false);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(on.At(i, 0), Rgb(clWhite)) << "drawn inside the rect shrunk by 1, x " << i;
        EXPECT_EQ(on.At(0, i), Rgb(clWhite)) << "y " << i;
    }
    EXPECT_EQ(off.At(9, 9), Rgb(clWindow)) << "an enabled box is white inside";
    EXPECT_EQ(grayOff.At(9, 9), Rgb(clBtnFace)) << "a disabled one has the face inside";
    EXPECT_GT(count(on, clBtnText), 5) << "a dark check mark";
    EXPECT_EQ(count(grayOn, clBtnText), 0) << "a disabled mark is not dark";
    EXPECT_GT(count(grayOn, clBtnShadow), 5) << "it is grey";
}

TEST_F(CustomizationEntriesTest, TheStandardFocusIsInsetByTwoAndTheFlatLookDrawsNone) {
    for (TovBarManagerStyle style : {bmsStandard, bmsFlat}) {
        const TovBarCustomizationFormPainter* painter = UseStyle(style);
        TPicture picture = Entry(plainButton, true);
        TPicture before = Entry(plainButton, true);
        painter->DrawFocus(picture.Bitmap->Canvas(), EntryRect, plainButton);
        int changed = 0, changedOutside = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 220; ++x) {
                if (picture.At(x, y) == before.At(x, y)) continue;
                ++changed;
                const TRect inset = uiGrowRect(EntryRect, -2, -2);
                const bool onRing =
                    (x == inset.left || x == inset.right - 1 || y == inset.top || y == inset.bottom - 1) &&
                    x >= inset.left && x < inset.right && y >= inset.top && y < inset.bottom;
                changedOutside += onRing ? 0 : 1;
            }
        if (style == bmsStandard) {
            EXPECT_GT(changed, 100) << "a dotted ring";
            EXPECT_EQ(changedOutside, 0) << "only on the ring two pixels in";
        } else {
            EXPECT_EQ(changed, 0) << "the flat selection frame is the focus mark";
        }
    }
}

} // namespace

namespace {

TEST_F(CustomizationEntriesTest, WithoutVisualStylesTheXPLookFallsBackToTheBaseDrawing) {
    const TovBarCustomizationFormPainter* xp = ovCustomizationFormXPPainter();
    const TovBarCustomizationFormPainter* standard = ovCustomizationFormStandardPainter();
    EXPECT_EQ(xp->GetComboButtonWidth(), 13);
    auto same = [](const TPicture& A, const TPicture& B) {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 220; ++x)
                if (A.At(x, y) != B.At(x, y)) return false;
        return true;
    };
    const TRect button{150, 4, 163, 26};
    TPicture themed = Picture(220, 30, clWhite), plain = Picture(220, 30, clWhite);
    xp->DrawComboButton(themed.Bitmap->Canvas(), combo, false, button);
    standard->DrawComboButton(plain.Bitmap->Canvas(), combo, false, button);
    EXPECT_TRUE(same(themed, plain)) << "the combo button";
    themed = Picture(220, 30, clWhite);
    plain = Picture(220, 30, clWhite);
    xp->DrawDropDownPart(themed.Bitmap->Canvas(), button, true, dropDownButton);
    standard->DrawDropDownPart(plain.Bitmap->Canvas(), button, true, dropDownButton);
    EXPECT_TRUE(same(themed, plain)) << "the drop-down part";

    // The focus frame keeps to the caption of an entry with a picture.
    TPicture focus = Picture(220, 30, clWhite);
    xp->DrawFocus(focus.Bitmap->Canvas(), EntryRect, glyphButton);
    EXPECT_EQ(focus.At(EntryRect.left, 15), Rgb(clWhite));
    bool ringAfterSquare = false;
    for (int y = EntryRect.top; y < EntryRect.bottom; ++y)
        ringAfterSquare |= focus.At(EntryRect.left + 22, y) != Rgb(clWhite);
    EXPECT_TRUE(ringAfterSquare);
}

} // namespace
