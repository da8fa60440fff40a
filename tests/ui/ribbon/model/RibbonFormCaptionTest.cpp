#include "RibbonTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"

#include <algorithm>
#include <cstdlib>

using namespace ribbon_test;

namespace {

// A form whose caption its ribbon draws, recording what the ribbon asks of it.
class TRecordingRibbonForm : public TForm, public IovRibbonFormHost {
public:
    explicit TRecordingRibbonForm(TComponent* AOwner) : TForm(AOwner) {}
    void UpdateNonClientArea() override { CallLog().push_back("Form.UpdateNonClientArea"); }
    void HideRibbonUI() override { CallLog().push_back("Form.HideRibbonUI"); }
    void ShowRibbonUI() override {}
    void SetRibbon(TovCustomRibbon* ARibbon) override { Ribbon = ARibbon; }
    void SetCaptionHelper(IovRibbonFormCaptionHelper* AHelper) override {
        Helper = AHelper;
        CallLog().push_back(AHelper != nullptr ? "Form.Helper" : "Form.NoHelper");
    }
    void UpdateFrame() override { CallLog().push_back("Form.UpdateFrame"); }
    void UpdateFrameStyle() override { CallLog().push_back("Form.UpdateFrameStyle"); }
    void RecalculateFrame() override {}
    bool IsNonClientDrawing() override { return Helper != nullptr; }
    bool IsCaptionOnGlass() override { return false; }
    bool IsFormActive() override { return true; }
    int GetExtraCaptionHeight() override { return 0; }
    bool IsAutoHideModeActive() override { return false; }
    void SwitchAutoHideModeOff() override { CallLog().push_back("Form.AutoHideOff"); }
    bool IsRibbonUIHiddenByAutoHide() override { return false; }
    void SetActionUpdateTarget(TComponent*) override {}
    TovCustomRibbon* Ribbon = nullptr;
    IovRibbonFormCaptionHelper* Helper = nullptr;
};

class RibbonFormCaptionTest : public RibbonTest {
protected:
    TovCustomRibbon* MakeFormRibbon() {
        ribbonForm = TCustomForm::New<TRecordingRibbonForm>(nullptr);
        ribbonForm->SetCaption("OLVA Audio Editor");
        ribbonForm->SetBounds(0, 0, 900, 600);
        auto* made = TovCustomRibbon::New<TTestRibbon>(ribbonForm);
        made->SetParent(ribbonForm);
        CallLog().clear();
        return made;
    }
    void TearDown() override {
        delete ribbonForm;
        RibbonTest::TearDown();
    }
    TRecordingRibbonForm* ribbonForm = nullptr;
};

TEST_F(RibbonFormCaptionTest, TheRibbonRegistersWithItsForm) {
    TovCustomRibbon* made = MakeFormRibbon();
    EXPECT_EQ(ribbonForm->Ribbon, made);
    EXPECT_EQ(made->GetRibbonForm(), static_cast<IovRibbonFormHost*>(ribbonForm));
    delete made;
    EXPECT_EQ(ribbonForm->Ribbon, nullptr);
}

TEST_F(RibbonFormCaptionTest, NonClientDrawingHandsTheFormACaptionHelperAndTakesItBack) {
    TovCustomRibbon* made = MakeFormRibbon();
    EXPECT_EQ(made->GetCaptionHeight(), 0); // without non-client drawing
    made->SetSupportNonClientDrawing(true);
    EXPECT_NE(ribbonForm->Helper, nullptr);
    EXPECT_EQ(ribbonForm->Helper, made->FormCaptionHelper());
    EXPECT_EQ(CountCalls("Form.UpdateFrame"), 1);
    made->SetSupportNonClientDrawing(false);
    EXPECT_EQ(ribbonForm->Helper, nullptr);
    EXPECT_EQ(made->FormCaptionHelper(), nullptr);
    // The form let go of the helper before it was freed.
    const auto calls = CallLog();
    const auto noHelper = std::find(calls.begin(), calls.end(), "Form.NoHelper");
    const auto freed = std::find(calls.begin(), calls.end(), "CaptionHelper.Freed");
    ASSERT_NE(noHelper, calls.end());
    ASSERT_NE(freed, calls.end());
    EXPECT_LT(noHelper, freed);
}

TEST_F(RibbonFormCaptionTest, TheCaptionHeightFollowsTheSystemTheCaptionFontAndTheToolbarRow) {
    Parts().GroupRowHeight = 40;
    TovCustomRibbon* made = MakeFormRibbon();
    made->SetSupportNonClientDrawing(true);
    const int system = std::max(GetSystemMetrics(SM_CYCAPTION) - 1, GetSystemMetrics(SM_CYSIZE)) + 6;
    const int font = 2 * std::abs(made->Fonts()->GetFormCaptionFont(true)->Height());
    EXPECT_EQ(made->GetCaptionHeight(), std::max(system, font));
    made->SetBarManager(new TovBarManager(ribbonForm));
    EXPECT_EQ(made->GetCaptionHeightWithQuickAccessToolbar(), std::max({system, font, 9 + 40}));
    // Without a usable bar manager the toolbar row does not count.
    made->SetBarManager(nullptr);
    EXPECT_EQ(made->GetCaptionHeightWithQuickAccessToolbar(), made->GetCaptionHeight());
}

TEST_F(RibbonFormCaptionTest, TheWindowCaptionIsTheDocumentThenTheProgram) {
    TovCustomRibbon* made = MakeFormRibbon();
    EXPECT_EQ(made->GetWindowCaption(), "OLVA Audio Editor");
    made->SetDocumentName("Song.wav");
    EXPECT_EQ(made->GetWindowCaption(), "Song.wav - OLVA Audio Editor");
    // A ribbon on a plain form has no form caption to join.
    MakeRibbon();
    ribbon->SetDocumentName("Song.wav");
    EXPECT_EQ(ribbon->GetWindowCaption(), "Song.wav");
}

class TMaximizedChild : public IovBarMDISource {
public:
    HWND ActiveChild() override { return Child; }
    bool IsMaximized(HWND) override { return Maximized; }
    TovBarManager* ChildBarManager(HWND) override { return nullptr; }
    bool HasSystemMenu(HWND) override { return true; }
    HWND Child = nullptr;
    bool Maximized = true;
};

TEST_F(RibbonFormCaptionTest, AnMDIParentShowsItsMaximizedChildsCaption) {
    Parts().MDIParent = true;
    TovCustomRibbon* made = MakeFormRibbon();
    TForm* child = TCustomForm::New<TForm>(nullptr);
    child->SetCaption("Take 2");
    child->HandleNeeded();
    TMaximizedChild source;
    source.Child = child->Handle();
    IovBarMDISource* previous = ovSetBarMDISource(&source);
    made->MDIStateChanged(0, child->Handle());
    EXPECT_EQ(made->DocumentName(), "Take 2");
    EXPECT_EQ(made->GetWindowCaption(), "OLVA Audio Editor - Take 2");
    EXPECT_EQ(Application()->Title(), "OLVA Audio Editor - Take 2");
    source.Maximized = false;
    made->MDIStateChanged(2, child->Handle());
    EXPECT_EQ(made->GetWindowCaption(), "OLVA Audio Editor");
    made->MDIStateChanged(1, child->Handle()); // a deactivation changes nothing
    EXPECT_EQ(made->DocumentName(), "");
    source.Maximized = true;
    made->UpdateFormCaption();
    EXPECT_EQ(made->DocumentName(), "Take 2");
    ovSetBarMDISource(previous);
    delete child;
}

TEST_F(RibbonFormCaptionTest, TouchModeEnlargesCaptionsAndButtonsAndSkipsButtonsWithoutHeight) {
    TovCustomRibbon* made = MakeFormRibbon();
    made->SetSupportNonClientDrawing(true);
    const int plain = made->GetCaptionHeight();
    TuiLookAndFeelController controller(nullptr);
    controller.SetTouchMode(true);
    EXPECT_EQ(made->GetCaptionHeight(), std::max(plain, uiScaleToCurrentDPI(48)));
    TSize size{20, 18};
    made->AdjustCaptionButtonSize(0, false, size);
    EXPECT_EQ(size.cy, 29);
    EXPECT_EQ(size.cx, 32); // 20 × 29 / 18, rounded
    TSize flat{20, 0};
    made->AdjustCaptionButtonSize(0, false, flat); // no height to scale by: left alone
    EXPECT_EQ(flat.cx, 20);
    EXPECT_EQ(flat.cy, 0);
    TRect margins{1, 2, 1, 3};
    made->TouchModeHelper()->AdjustMargins(margins, 9);
    EXPECT_EQ(margins, (TRect{3, 6, 3, 9}));
    controller.SetTouchMode(false);
    TSize off{20, 18};
    made->AdjustCaptionButtonSize(0, false, off);
    EXPECT_EQ(off.cy, 18);
}

TEST_F(RibbonFormCaptionTest, TheApplicationMenuTellsTheForm) {
    TovCustomRibbon* made = MakeFormRibbon();
    made->SetEnableTabAero(false);
    EXPECT_EQ(CountCalls("Form.UpdateFrameStyle"), 1);
    made->SetShowTabGroups(false);
    EXPECT_EQ(CountCalls("Form.AutoHideOff"), 1);
}

} // namespace
