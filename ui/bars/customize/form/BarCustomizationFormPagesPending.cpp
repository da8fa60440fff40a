// Stand-in for the Options, All commands and Groups pages until their own sources land (they replace
// this file whole): the form shows the option panel of its style and the pages do nothing else yet.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Panel.h"
#include "ui/bars/BarManager.h"

void TovBarCustomizationForm::UpdateOptions() {
    const bool standard = BarManager()->GetEffectiveStyle() == bmsStandard;
    StandardOptionsPanel->SetVisible(standard);
    EnhancedOptionsPanel->SetVisible(!standard);
}

void TovBarCustomizationForm::InitializeOptionsPage() {}
void TovBarCustomizationForm::InitializeAllCommandsPage() {}
void TovBarCustomizationForm::InitializeGroupsPage() {}
void TovBarCustomizationForm::FinalizePages() {}

void TovBarCustomizationForm::CBLargeIconsClick(TObject*) {}
void TovBarCustomizationForm::CBHint1Click(TObject*) {}
void TovBarCustomizationForm::CBHint1ExClick(TObject*) {}
void TovBarCustomizationForm::CBHint2Click(TObject*) {}
void TovBarCustomizationForm::ComboBoxMenuAnimationsClick(TObject*) {}
void TovBarCustomizationForm::CBMenusShowRecentItemsFirstClick(TObject*) {}
void TovBarCustomizationForm::CBShowFullMenusAfterDelayClick(TObject*) {}
void TovBarCustomizationForm::BResetUsageDataClick(TObject*) {}
void TovBarCustomizationForm::LAllCommandsClick(TObject*) {}
void TovBarCustomizationForm::LAllCommandsDrawItem(TWinControl*, int, RECT, TOwnerDrawState) {}
void TovBarCustomizationForm::LAllCommandsKeyDown(TObject*, WORD&, TShiftState) {}
void TovBarCustomizationForm::CBShowCommandsWithShortCutClick(TObject*) {}
void TovBarCustomizationForm::lbGroupsClick(TObject*) {}
void TovBarCustomizationForm::lbGroupsDrawItem(TWinControl*, int, RECT, TOwnerDrawState) {}
void TovBarCustomizationForm::lbGroupsKeyDown(TObject*, WORD&, TShiftState) {}
void TovBarCustomizationForm::lbGroupsMeasureItem(TWinControl*, int, int&) {}
void TovBarCustomizationForm::lbGroupItemsClick(TObject*) {}
void TovBarCustomizationForm::lbGroupItemsDrawItem(TWinControl*, int, RECT, TOwnerDrawState) {}
void TovBarCustomizationForm::lbGroupItemsKeyDown(TObject*, WORD&, TShiftState) {}
void TovBarCustomizationForm::aAddGroupExecute(TObject*) {}
void TovBarCustomizationForm::aDeleteGroupExecute(TObject*) {}
void TovBarCustomizationForm::aMoveGroupExecute(TObject*) {}
void TovBarCustomizationForm::aAddGroupItemExecute(TObject*) {}
void TovBarCustomizationForm::aDeleteGroupItemExecute(TObject*) {}
void TovBarCustomizationForm::aMoveGroupItemExecute(TObject*) {}
