// The Customize window's Options page: the manager's display options (menu animations, tool tips, large
// icons, personalised menus) in one of two panels, the standard one for the Standard look and the
// enhanced one for every other look. Every control writes straight into the manager.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Bevel.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/ControlCanvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Panel.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"

#include <algorithm>

namespace {

// Check boxes fire OnClick also when set in code: while the page shows the manager's values, their
// handlers must not write them back (a half-updated page would write stale values).
bool gShowingOptions = false;

class TShowingOptions {
public:
    TShowingOptions() : FSaved(gShowingOptions) { gShowingOptions = true; }
    ~TShowingOptions() { gShowingOptions = FSaved; }

private:
    bool FSaved;
};

// The width of a text in a control's font.
int TextWidthIn(TControl* AControl, const std::string& AText) {
    TControlCanvas canvas;
    canvas.SetControl(AControl);
    canvas.Font()->Assign(AControl->Font());
    return canvas.TextWidth(AText);
}

// The label's text, the combo box at least 10 pixels right of it, its five entries and a width that
// fits the widest of them.
void SetUpMenuAnimations(TLabel* ALabel, TComboBox* ACombo) {
    ALabel->SetCaption(uiGetResourceString(ovSBAR_MENUANIMATIONS));
    const int labelRight = ALabel->Left() + ALabel->Width();
    if (ACombo->Left() < labelRight + 10) ACombo->SetLeft(labelRight + 10);
    const TResStringRec* const texts[] = {&ovSBAR_MENUANIM1, &ovSBAR_MENUANIM2, &ovSBAR_MENUANIM3,
                                          &ovSBAR_MENUANIM4, &ovSBAR_MENUANIM5};
    const int index = ACombo->ItemIndex();
    ACombo->Items()->BeginUpdate();
    ACombo->Items()->Clear();
    int widest = 0;
    for (const TResStringRec* text : texts) {
        const std::string entry = uiGetResourceString(*text);
        ACombo->Items()->Add(entry);
        widest = std::max(widest, TextWidthIn(ACombo, entry));
    }
    ACombo->Items()->EndUpdate();
    ACombo->SetItemIndex(index);
    ACombo->SetWidth(widest + 54);
}

// A section label's rule begins at the label's right edge and keeps its own right edge.
void StretchRule(TLabel* ALabel, TBevel* ARule) {
    if (ALabel == nullptr || ARule == nullptr) return;
    const int right = ARule->Left() + ARule->Width();
    const int left = ALabel->Left() + ALabel->Width();
    ARule->SetBounds(left, ARule->Top(), std::max(0, right - left), ARule->Height());
}

bool IsChecked(TObject* ASender) {
    auto* box = dynamic_cast<TCheckBox*>(ASender);
    return box != nullptr && box->Checked();
}

} // namespace

void TovBarCustomizationForm::InitializeOptionsPage() {
    tsOptions->SetCaption(uiGetResourceString(ovSBAR_TABSHEET3));
    // Both panels get their texts: the style, and with it the panel shown, may change while the form
    // is open.
    CBHint1->SetCaption(uiGetResourceString(ovSBAR_HINTOPT1));
    CBHint2->SetCaption(uiGetResourceString(ovSBAR_HINTOPT2));
    CBLargeIcons->SetCaption(uiGetResourceString(ovSBAR_LARGEICONS));
    SetUpMenuAnimations(LabelMenuAnimations, ComboBoxMenuAnimations);

    Label3->SetCaption(uiGetResourceString(ovSBAR_PERSMENUSANDTOOLBARS));
    CBMenusShowRecentItemsFirst->SetCaption(uiGetResourceString(ovSBAR_MENUSSHOWRECENTITEMS));
    CBShowFullMenusAfterDelay->SetCaption(uiGetResourceString(ovSBAR_SHOWFULLMENUSAFTERDELAY));
    BResetUsageData->SetCaption(uiGetResourceString(ovSBAR_RESETUSAGEDATA));
    BResetUsageData->SetWidth(TextWidthIn(BResetUsageData, RemoveAccelChars(BResetUsageData->Caption())) +
                              17);
    Label2->SetCaption(uiGetResourceString(ovSBAR_OTHEROPTIONS));
    CBLargeIconsEx->SetCaption(uiGetResourceString(ovSBAR_LARGEICONS));
    CBHint1Ex->SetCaption(uiGetResourceString(ovSBAR_HINTOPT1));
    CBHint2Ex->SetCaption(uiGetResourceString(ovSBAR_HINTOPT2));
    SetUpMenuAnimations(Label1, ComboBoxMenuAnimationsEx);

    StretchRule(LabelDescription, DescriptionBevel);
    StretchRule(Label3, Bevel3);
    StretchRule(Label2, Bevel2);
}

void TovBarCustomizationForm::UpdateOptions() {
    TovBarManager* manager = BarManager();
    const TShowingOptions showing;
    const bool standard = manager->GetEffectiveStyle() == bmsStandard;
    StandardOptionsPanel->SetVisible(standard);
    EnhancedOptionsPanel->SetVisible(!standard);

    CBMenusShowRecentItemsFirst->SetChecked(manager->MenusShowRecentItemsFirst);
    CBShowFullMenusAfterDelay->SetChecked(manager->ShowFullMenusAfterDelay);
    CBShowFullMenusAfterDelay->SetEnabled(CBMenusShowRecentItemsFirst->Checked());
    CBLargeIcons->SetChecked(manager->LargeIcons());
    CBLargeIconsEx->SetChecked(manager->LargeIcons());
    CBHint1->SetChecked(manager->ShowHint);
    CBHint1Ex->SetChecked(manager->ShowHint);
    CBHint2->SetChecked(manager->ShowShortCutInHint);
    CBHint2Ex->SetChecked(manager->ShowShortCutInHint);
    CBHint2Ex->SetEnabled(CBHint1Ex->Checked());
    ComboBoxMenuAnimations->SetItemIndex(manager->MenuAnimations);
    ComboBoxMenuAnimationsEx->SetItemIndex(manager->MenuAnimations);
}

void TovBarCustomizationForm::CBLargeIconsClick(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->SetLargeIcons(IsChecked(Sender));
}

void TovBarCustomizationForm::CBHint1Click(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->ShowHint = IsChecked(Sender);
}

void TovBarCustomizationForm::CBHint1ExClick(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->ShowHint = IsChecked(Sender);
    CBHint2Ex->SetEnabled(IsChecked(Sender));
}

void TovBarCustomizationForm::CBHint2Click(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->ShowShortCutInHint = IsChecked(Sender);
}

void TovBarCustomizationForm::ComboBoxMenuAnimationsClick(TObject* Sender) {
    if (gShowingOptions) return;
    auto* combo = dynamic_cast<TComboBox*>(Sender);
    if (combo == nullptr) return;
    const int index = combo->ItemIndex();
    // Only the five entries name an animation; anything else (no selection) changes nothing.
    if (index >= maNone && index <= maFade)
        BarManager()->MenuAnimations = static_cast<TovBarMenuAnimations>(index);
}

void TovBarCustomizationForm::CBMenusShowRecentItemsFirstClick(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->MenusShowRecentItemsFirst = IsChecked(Sender);
    CBShowFullMenusAfterDelay->SetEnabled(IsChecked(Sender));
}

void TovBarCustomizationForm::CBShowFullMenusAfterDelayClick(TObject* Sender) {
    if (gShowingOptions) return;
    BarManager()->ShowFullMenusAfterDelay = IsChecked(Sender);
}

void TovBarCustomizationForm::BResetUsageDataClick(TObject*) {
    BarManager()->ResetUsageDataWithConfirmation();
}
