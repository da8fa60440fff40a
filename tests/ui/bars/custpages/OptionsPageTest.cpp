// The Customize window's Options page: the panel by the effective style, the check boxes that depend on
// others, the five menu-animation entries in order, clicks and keys reaching the manager and from there
// the stored layout, and the page showing the manager's values without writing them back.
#include "CustPagesTestSupport.h"

#include "platform/rtl/IniFile.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/ControlCanvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Panel.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/layout/BarLayoutFormat.h"
#include "ui/bars/layout/BarLayoutNames.h"

#include <gtest/gtest.h>

using namespace custpages_test;

namespace {

class OptionsPageTest : public CustPagesTest {
protected:
    TovBarCustomizationForm* Open(TovBarManagerStyle AStyle) {
        manager->SetStyle(AStyle);
        TovBarCustomizationForm* f = OpenForm(false);
        f->PageControl->SetActivePage(f->tsOptions);
        olva::win::PumpMessages();
        return f;
    }
    void Click(TControl* AControl) {
        ClickAt(AControl, POINT{6, AControl->Height() / 2});
        olva::win::PumpMessages();
    }
    void Key(int AKey) {
        olva::win::InjectKey(AKey, true);
        olva::win::InjectKey(AKey, false);
        olva::win::PumpMessages();
    }
};

TEST_F(OptionsPageTest, TheStandardPanelShowsOnlyForTheStandardStyle) {
    for (TovBarManagerStyle style : {bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11}) {
        TovBarCustomizationForm* f = Open(style);
        const bool standard = manager->GetEffectiveStyle() == bmsStandard;
        EXPECT_EQ(standard, f->StandardOptionsPanel->Visible()) << style;
        EXPECT_EQ(!standard, f->EnhancedOptionsPanel->Visible()) << style;
        if (style == bmsStandard || style == bmsEnhanced) EXPECT_EQ(style == bmsStandard, standard);
        // The style changing while the form is open switches the panel.
        manager->SetStyle(standard ? bmsEnhanced : bmsStandard);
        f->UpdateOptions();
        EXPECT_EQ(!standard, f->StandardOptionsPanel->Visible()) << style;
        CloseForm();
    }
}

TEST_F(OptionsPageTest, MenuAnimationsOfferFiveEntriesInOrderBesideTheirLabel) {
    TovBarCustomizationForm* f = Open(bmsEnhanced);
    const std::vector<std::string> expected{"(None)", "Random", "Unfold", "Slide", "Fade"};
    for (TComboBox* combo : {f->ComboBoxMenuAnimations, f->ComboBoxMenuAnimationsEx}) {
        std::vector<std::string> entries;
        int widest = 0;
        TControlCanvas canvas;
        canvas.SetControl(combo);
        canvas.Font()->Assign(combo->Font());
        for (int i = 0; i < combo->Items()->Count(); ++i) {
            entries.push_back(combo->Items()->Strings(i));
            widest = std::max(widest, canvas.TextWidth(entries.back()));
        }
        EXPECT_EQ(expected, entries);
        EXPECT_EQ(widest + 54, combo->Width());
    }
    EXPECT_GE(f->ComboBoxMenuAnimationsEx->Left(), f->Label1->Left() + f->Label1->Width() + 10);
    EXPECT_GE(f->ComboBoxMenuAnimations->Left(),
              f->LabelMenuAnimations->Left() + f->LabelMenuAnimations->Width() + 10);
    EXPECT_EQ("&Menu animations:", f->Label1->Caption());

    // Keys in the combo box choose the animation.
    f->ComboBoxMenuAnimationsEx->SetFocus();
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(3, f->ComboBoxMenuAnimationsEx->ItemIndex());
    EXPECT_EQ(maSlide, manager->MenuAnimations);
}

TEST_F(OptionsPageTest, DependentCheckBoxesFollowTheBoxesTheyDependOn) {
    TovBarCustomizationForm* f = Open(bmsEnhanced);
    ASSERT_TRUE(f->CBMenusShowRecentItemsFirst->Checked());
    ASSERT_TRUE(f->CBHint1Ex->Checked());
    EXPECT_TRUE(f->CBShowFullMenusAfterDelay->Enabled());
    EXPECT_TRUE(f->CBHint2Ex->Enabled());

    Click(f->CBMenusShowRecentItemsFirst);
    EXPECT_FALSE(manager->MenusShowRecentItemsFirst);
    EXPECT_FALSE(f->CBShowFullMenusAfterDelay->Enabled());
    Click(f->CBHint1Ex);
    EXPECT_FALSE(manager->ShowHint);
    EXPECT_FALSE(f->CBHint2Ex->Enabled());

    Click(f->CBHint1Ex);
    EXPECT_TRUE(manager->ShowHint);
    EXPECT_TRUE(f->CBHint2Ex->Enabled());
    Click(f->CBMenusShowRecentItemsFirst);
    EXPECT_TRUE(f->CBShowFullMenusAfterDelay->Enabled());

    // Opening the form with the options off shows the dependent boxes disabled.
    manager->MenusShowRecentItemsFirst = false;
    manager->ShowHint = false;
    f->UpdateOptions();
    EXPECT_FALSE(f->CBShowFullMenusAfterDelay->Enabled());
    EXPECT_FALSE(f->CBHint2Ex->Enabled());
}

TEST_F(OptionsPageTest, ChangesReachTheManagerAndTheStoredLayout) {
    TovBarCustomizationForm* f = Open(bmsEnhanced);
    Click(f->CBLargeIconsEx);
    Click(f->CBHint2Ex);
    Click(f->CBShowFullMenusAfterDelay);
    f->ComboBoxMenuAnimationsEx->SetFocus();
    Key(VK_END);
    EXPECT_TRUE(manager->LargeIcons());
    EXPECT_TRUE(manager->ShowShortCutInHint);
    EXPECT_FALSE(manager->ShowFullMenusAfterDelay);
    EXPECT_EQ(maFade, manager->MenuAnimations);

    TMemIniFile ini("");
    manager->WriteLayout(&ini, "Test", bskIniFile);
    const std::string main = MakeMainSectionName("Test", bskIniFile);
    EXPECT_TRUE(ini.ReadBool(main, layout_keys::LargeIcons, false));
    EXPECT_TRUE(ini.ReadBool(main, layout_keys::ShowShortCutInHint, false));
    EXPECT_FALSE(ini.ReadBool(main, layout_keys::ShowFullMenusAfterDelay, true));
    EXPECT_EQ(maFade, ini.ReadInteger(main, layout_keys::MenuAnimations, -1));
}

TEST_F(OptionsPageTest, ThePageShowsTheManagersValuesWithoutWritingThemBack) {
    TovBarCustomizationForm* f = Open(bmsStandard);
    manager->ShowHint = false;
    manager->ShowShortCutInHint = true;
    manager->SetLargeIcons(true);
    manager->MenuAnimations = maUnfold;
    f->UpdateOptions();
    EXPECT_FALSE(f->CBHint1->Checked());
    EXPECT_TRUE(f->CBHint2->Checked());
    EXPECT_TRUE(f->CBLargeIcons->Checked());
    EXPECT_TRUE(f->CBLargeIconsEx->Checked());
    EXPECT_EQ(maUnfold, f->ComboBoxMenuAnimations->ItemIndex());
    EXPECT_FALSE(manager->ShowHint);
    EXPECT_TRUE(manager->ShowShortCutInHint);

    // In the standard panel a click on the shortcut box writes the manager too.
    Click(f->CBHint2);
    EXPECT_FALSE(manager->ShowShortCutInHint);
    Click(f->CBLargeIcons);
    EXPECT_FALSE(manager->LargeIcons());
}

TEST_F(OptionsPageTest, PicturesOfBothPanels) {
    for (auto [style, name] : {std::pair{bmsStandard, "customize-options-standard.png"},
                               std::pair{bmsEnhanced, "customize-options-enhanced.png"}}) {
        TovBarCustomizationForm* f = Open(style);
        f->Repaint();
        olva::win::PumpMessages();
        EXPECT_TRUE(olva::win::SaveWindowPng(f->Handle(), OutputPath(name)));
        // The reset button fits its caption.
        if (style == bmsEnhanced) {
            TControlCanvas canvas;
            canvas.SetControl(f->BResetUsageData);
            canvas.Font()->Assign(f->BResetUsageData->Font());
            EXPECT_EQ(canvas.TextWidth("Reset my usage data") + 17, f->BResetUsageData->Width());
        }
        CloseForm();
    }
}

} // namespace
