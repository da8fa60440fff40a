#include "RibbonTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/PopupMenu.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"

#include <memory>

using namespace ribbon_test;

namespace {

class RibbonButtonsTest : public RibbonTest {};

// An application menu that records what the ribbon asks of it.
class TRecordingMenu : public TComponent, public IovRibbonApplicationMenu {
public:
    explicit TRecordingMenu(TComponent* AOwner) : TComponent(AOwner) {}
    bool CanShowPopup(TovCustomRibbon*) override { return CanShow; }
    bool ClosePopup() override {
        CallLog().push_back("Menu.Close");
        const bool was = Shown;
        Shown = false;
        return was;
    }
    int GetDisplayMode() override { return 0; }
    TPoint GetOrigin(bool) override { return {}; }
    std::string QueryText() override { return {}; }
    void GetTabOrderList(std::vector<TWinControl*>&) override {}
    bool Popup(TovCustomRibbon* ARibbon, bool& AClosedByEscape) override {
        Shown = true;
        StateWhileShown = ARibbon->GetApplicationMenuState();
        CallLog().push_back("Menu.Popup");
        if (OnPopup) OnPopup();
        Shown = false;
        AClosedByEscape = true;
        return true;
    }
    void RibbonFormResized() override {}
    void SelectFirstItem() override {}
    void ShowKeyTips() override {}
    void RibbonRepainted() override {}
    bool CanShow = true;
    bool Shown = false;
    int StateWhileShown = -1;
    std::function<void()> OnPopup;
};

TEST_F(RibbonButtonsTest, ATwentyFourBitGlyphBecomesThirtyTwoBitsWithAlpha) {
    MakeRibbon();
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(static_cast<TColor>(0x00FF00FF)); // the transparent colour
    glyph.Canvas()->FillRect(TRect{0, 0, 4, 4});
    glyph.Canvas()->SetPixels(1, 1, static_cast<TColor>(0x00123456));
    glyph.SetTransparentColor(static_cast<TColor>(0x00FF00FF));
    TovRibbonApplicationButton* button = ribbon->ApplicationButton();
    button->SetGlyph(&glyph);
    TBitmap* stored = button->Glyph();
    EXPECT_EQ(stored->PixelFormat(), pf32bit);
    auto* corner = static_cast<std::uint8_t*>(stored->ScanLine(0));
    EXPECT_EQ(corner[3], 0); // the transparent colour is clear
    auto* inside = static_cast<std::uint8_t*>(stored->ScanLine(1)) + 4;
    EXPECT_EQ(inside[3], 255);
    // A 32-bit glyph is kept as it is; none empties the glyph and still recalculates.
    TBitmap alpha;
    alpha.SetPixelFormat(pf32bit);
    alpha.SetSize(2, 2);
    button->SetGlyph(&alpha);
    EXPECT_EQ(button->Glyph()->Width(), 2);
    CallLog().clear();
    button->SetGlyph(nullptr);
    EXPECT_TRUE(button->Glyph()->Empty());
    EXPECT_GE(CountCalls("ViewInfo.Calculate"), 1);
}

TEST_F(RibbonButtonsTest, AMenuWithoutTheInterfaceIsRefusedAndAFreedMenuLetsGo) {
    MakeRibbon();
    TovRibbonApplicationButton* button = ribbon->ApplicationButton();
    auto* menu = new TRecordingMenu(form);
    button->SetMenu(menu);
    EXPECT_EQ(button->Menu(), menu);
    auto* plain = new TPopupMenu(form);
    button->SetMenu(plain);
    EXPECT_EQ(button->Menu(), menu);
    // Another menu closes the shown one first.
    auto* second = new TRecordingMenu(form);
    menu->Shown = true;
    button->SetMenu(second);
    EXPECT_FALSE(menu->Shown);
    EXPECT_EQ(button->Menu(), second);
    delete second;
    EXPECT_EQ(button->Menu(), nullptr);
    EXPECT_EQ(button->MenuInterface(), nullptr);
}

TEST_F(RibbonButtonsTest, TheApplicationMenuShowsOnceAndAnswersWhetherItShowed) {
    MakeRibbon();
    auto* menu = new TRecordingMenu(form);
    EXPECT_FALSE(ribbon->ShowApplicationMenu()); // no menu
    ribbon->ApplicationButton()->SetMenu(menu);
    EXPECT_EQ(ribbon->GetApplicationMenuState(), 0);
    EXPECT_TRUE(ribbon->ShowApplicationMenu());
    EXPECT_EQ(menu->StateWhileShown, 1);
    EXPECT_FALSE(ribbon->IsApplicationMenuShown());
    // The pressed button is released after every request, shown or not.
    EXPECT_EQ(CountCalls("Controller.ClearPressed"), 2);
    // A handler that takes the click, or a menu that cannot show now, opens nothing.
    menu->CanShow = false;
    EXPECT_FALSE(ribbon->ShowApplicationMenu());
    menu->CanShow = true;
    ribbon->OnApplicationMenuClick =
        TovRibbonApplicationMenuClickEvent([](TovCustomRibbon*, bool& AHandled) { AHandled = true; }, this);
    EXPECT_FALSE(ribbon->ShowApplicationMenu());
    EXPECT_EQ(CountCalls("Menu.Popup"), 1);
}

TEST_F(RibbonButtonsTest, TheRibbonMayGoWhileItsMenuRuns) {
    MakeRibbon();
    auto* menu = new TRecordingMenu(form);
    ribbon->ApplicationButton()->SetMenu(menu);
    menu->OnPopup = [this] { delete ribbon; };
    EXPECT_TRUE(ribbon->ShowApplicationMenu());
    EXPECT_EQ(CountCalls("Controller.ClearPressed"), 0);
}

TEST_F(RibbonButtonsTest, AssigningCopiesEverythingButTheText) {
    MakeRibbon();
    auto* menu = new TRecordingMenu(form);
    auto* tip = new TovScreenTip(form);
    TovRibbonApplicationButton source(ribbon);
    source.SetKeyTip("F");
    source.SetMenu(menu);
    source.SetVisible(false);
    source.SetText("Start");
    source.SetStretchGlyph(false);
    source.SetScreenTip(tip);
    TovRibbonApplicationButton* button = ribbon->ApplicationButton();
    ribbon->SetApplicationButton(&source);
    EXPECT_EQ(button->KeyTip(), "F");
    EXPECT_EQ(button->Menu(), menu);
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(button->Text(), "");
    EXPECT_FALSE(button->StretchGlyph());
    EXPECT_EQ(button->ScreenTip(), tip);
    source.SetMenu(nullptr);
    source.SetScreenTip(nullptr);
    // The help button takes the glyph values from either kind.
    ribbon->SetHelpButton(ribbon->HelpButton());
    TovRibbonHelpButton help(ribbon);
    help.Assign(button);
    EXPECT_FALSE(help.StretchGlyph());
    EXPECT_EQ(help.ScreenTip(), tip);
    help.SetScreenTip(nullptr); // a button of no ribbon hears of no freed tip
    EXPECT_THROW(help.Assign(ribbon->Tabs()), EConvertError);
    // A freed screen tip leaves no reference behind.
    delete tip;
    EXPECT_EQ(button->ScreenTip(), nullptr);
}

TEST_F(RibbonButtonsTest, TextChangesRecalculateAndKeyTipsDoNot) {
    MakeRibbon();
    TovRibbonApplicationButton* button = ribbon->ApplicationButton();
    button->SetText("Open");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    button->SetText("open");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 2);
    button->SetKeyTip("Q");
    button->SetStretchGlyph(true);
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 2);
}

} // namespace
