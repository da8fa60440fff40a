// The item control: view levels and their width cache, view structure and size, the image it draws,
// hit testing, the click road (also when a click's handler frees the control, its link or its bar) and
// hints.
#include "BarPaintingTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/LargeButtonControls.h"
#include "ui/core/base/CoreServices.h"

#include <functional>

using namespace bars_test;
using bar_standins::TStandInToolbar;

namespace {

class ItemControlTest : public BarPaintingTest {
protected:
    // A toolbar stand-in showing the item, laid out.
    TovBarItemControl* Show(TovBarItem* AItem, TovBarDockingStyle AStyle = dsTop) {
        TStandInToolbar* toolbar = Toolbar(AStyle);
        TovBarItemLink* link = toolbar->Add(AItem);
        toolbar->Layout();
        bar = toolbar;
        return link->Control();
    }
    TStandInToolbar* bar = nullptr;
};

TovBarItemViewLevels Levels(std::initializer_list<TovBarItemViewLevel> ALevels) {
    return TovBarItemViewLevels(ALevels);
}

TEST(ViewLevelRoutines, FirstLastAndNextLevelOfASet) {
    EXPECT_EQ(GetFirstViewLevel({}), ivlDefault);
    EXPECT_EQ(GetFirstViewLevel(Levels({ivlSmallIcon, ivlSmallIconWithText})), ivlSmallIconWithText);
    EXPECT_EQ(GetLastViewLevel(Levels({ivlLargeIconWithText, ivlSmallIconWithText})), ivlSmallIconWithText);
    EXPECT_EQ(GetLastViewLevel({}), ivlDefault);
    const TovBarItemViewLevels set = Levels({ivlLargeIconWithText, ivlSmallIcon});
    EXPECT_EQ(GetNextViewLevel(set, ivlLargeIconWithText), ivlSmallIcon) << "skips the levels not in the set";
    EXPECT_EQ(GetNextViewLevel(set, ivlSmallIcon), ivlDefault) << "nothing later in the set";
    EXPECT_EQ(GetNextViewLevel(set, ivlControlOnly), ivlDefault) << "beyond the last level";
}

TEST_F(ItemControlTest, PossibleAndAllowedLevelsAndTheButtonGroupLevel) {
    TovBarItemControl* plain = Show(Button("Plain"));
    EXPECT_EQ(plain->ViewInfo()->AllowedViewLevels(), Levels({ivlSmallIconWithText}))
        << "no glyph: text only";
    EXPECT_EQ(plain->ViewInfo()->ButtonGroupViewLevel(), ivlSmallIconWithText);

    TovBarButton* glyph = Button("Glyph", 1);
    TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(glyph);
    link->ViewLevels = Levels({ivlLargeIconWithText, ivlControlOnly});
    link->RecreateControl();
    EXPECT_EQ(link->Control()->ViewInfo()->AllowedViewLevels(), Levels({ivlSmallIconWithText, ivlSmallIcon}))
        << "nothing shared with the possible levels: the possible ones";

    auto* large = new TovBarLargeButton(form);
    large->SetLargeImageIndex(2);
    TovBarItemLink* largeLink = toolbar->Add(large);
    largeLink->ViewLevels = Levels({ivlLargeIconWithText});
    largeLink->RecreateControl();
    TovBarItemControlViewInfo* info = largeLink->Control()->ViewInfo();
    EXPECT_EQ(info->AllowedViewLevels(), Levels({ivlLargeIconWithText}));
    EXPECT_EQ(info->SmallestPossibleViewLevel(), ivlSmallIcon);
    EXPECT_EQ(info->ButtonGroupViewLevel(), ivlSmallIcon) << "a large-only item groups at its smallest level";
}

// A control whose class offers no view level at all.
class TNoLevelsControl : public TovBarButtonControl {
public:
    using TovBarButtonControl::TovBarButtonControl;
    TovBarItemViewLevels GetPossibleViewLevels() const override { return {}; }
};

// A control that counts its width measurements and the level each ran at.
class TCountingControl : public TovBarButtonControl {
public:
    using TovBarButtonControl::TovBarButtonControl;
    int GetWidth() const override {
        ++Measured;
        LevelSeen = ViewInfo()->ViewLevel();
        return 40 + static_cast<int>(LevelSeen);
    }
    mutable int Measured = 0;
    mutable TovBarItemViewLevel LevelSeen = ivlDefault;
};

TEST_F(ItemControlTest, TheTwoProgrammingErrorsAreReportedWithTheirTexts) {
    TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(Button("None", 1));
    try {
        ovMakeItemControl<TNoLevelsControl>(link);
        FAIL() << "no exception";
    } catch (const EovException& E) {
        EXPECT_EQ(E.Message(), "TNoLevelsControl.GetPossibleViewLevels = []");
    }
    try {
        link->Control()->ViewInfo()->GetWidth(ivlLargeIconWithText);
        FAIL() << "no exception";
    } catch (const EovException& E) {
        EXPECT_EQ(E.Message(), "Testing! The level is not allowed");
    }
}

TEST_F(ItemControlTest, WidthsPerLevelAreMeasuredOnceAtTheirLevelUntilTheCacheIsCleared) {
    TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(Button("Count", 1));
    std::unique_ptr<TovBarItemControl> owned(ovMakeItemControl<TCountingControl>(link));
    auto* control = static_cast<TCountingControl*>(owned.get());
    TovBarItemControlViewInfo* info = control->ViewInfo();
    info->SetViewLevelDirect(ivlDefault);
    EXPECT_EQ(info->GetWidth(ivlSmallIcon), 40 + ivlSmallIcon);
    EXPECT_EQ(control->LevelSeen, ivlSmallIcon) << "measured at the level asked for";
    EXPECT_EQ(info->ViewLevel(), ivlDefault) << "and the level put back";
    EXPECT_EQ(info->GetWidth(ivlSmallIcon), 40 + ivlSmallIcon);
    EXPECT_EQ(control->Measured, 1) << "the second answer comes from the cache";
    info->GetWidth(ivlSmallIconWithText);
    EXPECT_EQ(control->Measured, 2) << "each level has its own entry";
    control->ResetCachedValues(false);
    info->GetWidth(ivlSmallIcon);
    EXPECT_EQ(control->Measured, 2) << "dropping the cached glyph keeps the widths";
    control->ResetCachedValues(true);
    info->GetWidth(ivlSmallIcon);
    EXPECT_EQ(control->Measured, 3);
}

TEST_F(ItemControlTest, ViewStructureAndSizeFollowTheLevel) {
    TovBarItemControl* control = Show(Button("Both", 2));
    struct TCase {
        TovBarItemViewLevel Level;
        TovBarItemViewStructure Structure;
        TovBarItemViewSize Size;
    };
    const TCase cases[] = {
        {ivlLargeIconWithText, {ivpGlyph, ivpCaption}, ivsLarge},
        {ivlLargeControlOnly, {}, ivsSmall},
        {ivlSmallIconWithText, {ivpGlyph, ivpCaption}, ivsSmall},
        {ivlSmallIcon, {ivpGlyph}, ivsSmall},
        {ivlControlOnly, {}, ivsSmall},
        {ivlDefault, {ivpGlyph}, ivsSmall}, // psStandard on a toolbar: the glyph alone
    };
    for (const TCase& c : cases) {
        control->ViewInfo()->SetViewLevelDirect(c.Level);
        EXPECT_EQ(control->GetViewStructure(), c.Structure) << "level " << c.Level;
        EXPECT_EQ(control->GetViewSize(), c.Size) << "level " << c.Level;
    }
    manager->SetLargeIcons(true);
    control->ViewInfo()->SetViewLevelDirect(ivlDefault);
    EXPECT_EQ(control->GetViewSize(), ivsLargeIcons) << "the manager's large icons, allowed by the painter";
}

TEST_F(ItemControlTest, ThePictureComesFromTheRightListOrGlyph) {
    TovBarButton* item = Button("Pictures", 3);
    item->SetLargeImageIndex(5);
    TovBarItemControl* control = Show(item);
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    ASSERT_TRUE(control->GetImageInfo(ivsSmall, false, index, images, glyph));
    EXPECT_EQ(images, manager->Images());
    EXPECT_EQ(index, 3);
    ASSERT_TRUE(control->GetImageInfo(ivsLarge, false, index, images, glyph));
    EXPECT_EQ(images, manager->LargeImages());
    EXPECT_EQ(index, 5) << "the large index in the large list";

    item->SetEnabled(false);
    EXPECT_FALSE(control->IsGlyphDrawnEnabled(ivsSmall)) << "no disabled list: the glyph is drawn disabled";
    auto* disabled = new TCustomImageList(form, 16, 16);
    disabled->Assign(manager->Images());
    manager->SetDisabledImages(disabled);
    control->GetImageInfo(ivsSmall, false, index, images, glyph);
    EXPECT_EQ(images, disabled);
    EXPECT_TRUE(control->IsGlyphDrawnEnabled(ivsSmall))
        << "the disabled list already holds the disabled look";

    TSize size{};
    TovBarItemControl* bare = Show(Button("Bare"));
    bare->GetGlyphSize(ivsLarge, false, size);
    EXPECT_EQ(size.cx, 20);
    EXPECT_EQ(size.cy, 20) << "large without any picture";
    bare->GetGlyphSize(ivsSmall, false, size);
    EXPECT_EQ(size.cx, manager->GetGlyphSize());
}

TEST_F(ItemControlTest, LargeButtonPicturesHotFirstWhenAsked) {
    auto* large = new TovBarLargeButton(form);
    large->SetCaption("Large");
    auto makeGlyph = [](TColor AColor) {
        auto* bitmap = new TBitmap;
        bitmap->SetSize(24, 24);
        bitmap->Canvas()->Brush()->SetColor(AColor);
        bitmap->Canvas()->FillRect(RECT{0, 0, 24, 24});
        return bitmap;
    };
    std::unique_ptr<TBitmap> hot(makeGlyph(clRed)), normal(makeGlyph(clBlue));
    large->HotGlyph()->Assign(hot.get());
    large->SetLargeGlyph(normal.get());
    TovBarItemControl* control = Show(large);
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    ASSERT_TRUE(control->GetImageInfo(ivsLarge, true, index, images, glyph));
    EXPECT_EQ(glyph, large->HotGlyph());
    ASSERT_TRUE(control->GetImageInfo(ivsLarge, false, index, images, glyph));
    EXPECT_EQ(glyph, large->LargeGlyph());
    large->LargeGlyph()->Assign(nullptr);
    ASSERT_TRUE(control->GetImageInfo(ivsLarge, false, index, images, glyph));
    EXPECT_EQ(glyph, large->HotGlyph()) << "without a large picture the hot one";
}

TEST_F(ItemControlTest, HitTestOutsideOnNoPartAndOnAPart) {
    auto* split = Button("Split", 1);
    split->SetButtonStyle(bsDropDown);
    TovBarItemControl* control = Show(split);
    const TRect bounds = control->GetBoundsRect();
    ASSERT_EQ(control->Parts().size(), 2u);
    EXPECT_EQ(control->HitTest(TPoint{bounds.right + 5, bounds.top}), ovNoHotPart);
    EXPECT_EQ(control->HitTest(TPoint{bounds.left + 1, bounds.top + 1}), 0);
    EXPECT_EQ(control->HitTest(TPoint{bounds.right - 1, bounds.top + 1}), 1);
    control->PartsRef()[0].right = control->PartsRef()[0].left + 2;
    EXPECT_EQ(control->HitTest(TPoint{bounds.left + 4, bounds.top + 1}), ovHotPartInside)
        << "inside, on no part";
    control->PartsRef().clear();
    EXPECT_EQ(control->HitTest(TPoint{bounds.left + 1, bounds.top + 1}), ovHotPartInside)
        << "no parts at all";

    split->SetEnabled(false);
    control->MouseMove(TShiftState{}, bounds.left + 1, bounds.top + 1);
    EXPECT_EQ(control->HotPartIndex(), ovNoHotPart) << "a disabled control has no hot part";
}

TEST_F(ItemControlTest, AClickRunsTheItemWithItsLinkPressedAndClosesTheBar) {
    TovBarButton* item = Button("Run", 1);
    TovBarItemControl* control = Show(item);
    TovBarItemLink* link = control->ItemLink();
    TovBarItemLink* seenLink = nullptr;
    bool seenPressed = false;
    item->SetOnClick(TNotifyEvent(
        [&](TObject*) {
            seenLink = item->ClickItemLink;
            seenPressed = control->Pressed();
        },
        this));
    const int uses = link->UseCount;
    control->Click(false);
    EXPECT_EQ(seenLink, link);
    EXPECT_TRUE(seenPressed) << "shown pressed while the click runs";
    EXPECT_EQ(item->ClickItemLink, nullptr);
    EXPECT_FALSE(control->Pressed());
    EXPECT_EQ(bar->CloseUpReason(), bcrItemClick);
    EXPECT_EQ(link->UseCount, uses + 1) << "a click counts as a use";

    item->SetEnabled(false);
    seenLink = nullptr;
    control->Click(false);
    EXPECT_EQ(seenLink, nullptr) << "a disabled control does not click";
}

TEST_F(ItemControlTest, AClickWhoseHandlerFreesTheControlTheLinkOrTheBarIsSurvived) {
    const std::vector<std::pair<const char*, std::function<void(TovBarItemLink*)>>> ways = {
        {"control", [](TovBarItemLink* ALink) { ALink->RecreateControl(); }},
        {"link", [](TovBarItemLink* ALink) { delete ALink; }},
        {"bar",
         [this](TovBarItemLink*) {
             standIns.erase(std::find_if(standIns.begin(), standIns.end(),
                                         [this](const auto& AControl) { return AControl.get() == bar; }));
         }},
    };
    for (const auto& [what, free] : ways) {
        TovBarButton* item = Button(what, 1);
        TovBarItemControl* control = Show(item);
        TovBarItemLink* link = control->ItemLink();
        bool ran = false;
        item->SetOnClick(TNotifyEvent(
            [&, link](TObject*) {
                ran = true;
                free(link);
            },
            this));
        control->Click(false);
        EXPECT_TRUE(ran) << what;
        EXPECT_EQ(item->ClickItemLink, nullptr) << what;
    }
}

TEST_F(ItemControlTest, AnActionThatChangesOrRefusesTheHintStopsIt) {
    auto* action = new TCustomAction(form);
    action->SetCaption("Amplify");
    action->SetHint("Amplify|Makes the selection louder");
    TovBarButton* item = Button("Amplify", 1);
    item->SetAction(action);
    TovBarItemControl* control = Show(item);
    bar->SetHintControl(control);
    bool restart = false;
    std::string hint, shortCut;
    EXPECT_TRUE(control->CanShowHint(restart, hint, shortCut));
    EXPECT_EQ(hint, "Amplify");
    EXPECT_FALSE(restart);
    action->OnHint = THintEvent([](std::string&, bool& ACanShow) { ACanShow = false; }, this);
    EXPECT_FALSE(control->CanShowHint(restart, hint, shortCut));
    EXPECT_TRUE(restart) << "refused";
    action->OnHint = THintEvent([](std::string& AHint, bool&) { AHint = "Louder"; }, this);
    EXPECT_FALSE(control->CanShowHint(restart, hint, shortCut));
    EXPECT_TRUE(restart) << "changed";
    bar->SetHintControl(nullptr);
    action->OnHint = THintEvent();
    EXPECT_FALSE(control->CanShowHint(restart, hint, shortCut)) << "not the bar's hint control";
}

} // namespace

TEST_F(ItemControlTest, ALongDescriptionIsMeasuredOnTwoRows) {
    bar_standins::TStandInMenu* menu = Menu();
    menu->Links()->ItemOptions()->SetSize(misLarge);
    menu->Links()->ItemOptions()->SetShowDescriptions(true);
    const std::string description = "Compressed sound for players and the web: small files at a quality you "
                                    "choose, from voice recordings to music, with tags kept.";
    TovBarButton* button = Button("MP3 file", 1);
    button->SetDescription(description);
    TovBarItemLink* link = menu->Add(button);
    menu->Layout();
    const int oneRow = menu->GetCanvas()->TextWidth(description);
    const int area = link->Control()->GetCaptionAreaWidth();
    EXPECT_LT(area, oneRow) << "two rows need about half the width of one";
    EXPECT_GT(area, oneRow / 2);
}
