#include "ui/ribbon/ribbon/RibbonMergeHelper.h"

#include "platform/rtl/Format.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/merging/BarMergeData.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/controls/ControlServices.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonToolbarContainer.h"

namespace {

IovRibbonToolbarContainer* ContainerOf(TObject* AObject) {
    return dynamic_cast<IovRibbonToolbarContainer*>(AObject);
}

} // namespace

void TovRibbonMergeHelper::Merge(TObject* ATarget, TObject* ASource, bool ACreateToolbar) {
    IovRibbonToolbarContainer* target = ContainerOf(ATarget);
    IovRibbonToolbarContainer* source = ContainerOf(ASource);
    if (ATarget == ASource || target == nullptr || source == nullptr) RaiseError(ovSBAR_CANTMERGETOOLBAR);
    TovCustomRibbon* targetRibbon = target->GetRibbon();
    TovCustomRibbon* sourceRibbon = source->GetRibbon();
    if (targetRibbon == nullptr || sourceRibbon == nullptr || !targetRibbon->IsBarManagerValid() ||
        !sourceRibbon->IsBarManagerValid())
        RaiseError(ovSBAR_RIBBONCANTMERGEWITHOUTBARMANAGER);
    TovBar* sourceBar = source->GetToolbar();
    if (target->GetToolbar() == nullptr && ACreateToolbar) {
        TovBar* bar = targetRibbon->AddToolbar();
        target->SetToolbar(bar);
        if (sourceBar != nullptr) bar->SetCaption(sourceBar->Caption());
        bar->SetVisible(true);
    }
    if (TovBar* targetBar = target->GetToolbar(); targetBar != nullptr && sourceBar != nullptr)
        targetBar->Merge(sourceBar);
}

void TovRibbonMergeHelper::Unmerge(TObject* ATarget, TObject* ASource) {
    TovBar* targetBar = GetToolbar(ATarget);
    if (targetBar == nullptr) return;
    TovBar* sourceBar = GetToolbar(ASource);
    // A source container that binds no toolbar has nothing merged here.
    if (ASource != nullptr && sourceBar == nullptr) return;
    targetBar->UnMerge(sourceBar);
}

TovBar* TovRibbonMergeHelper::GetToolbar(TObject* AObject) {
    IovRibbonToolbarContainer* container = ContainerOf(AObject);
    return container != nullptr ? container->GetToolbar() : nullptr;
}

bool TovRibbonMergeHelper::IsMergedWith(TovBar* ABar, TovBar* ATarget) {
    return ABar != nullptr && ATarget != nullptr && ABar->MergeTarget() == ATarget;
}

void TovRibbonMergeHelper::RaiseError(const TResStringRec& AResString) {
    throw EovException(uiGetResourceString(AResString));
}

void TovRibbonMergeHelper::RaiseErrorFmt(const TResStringRec& AResString, TComponent* AComponent1,
                                         TComponent* AComponent2) {
    throw EovException(Format(uiGetResourceString(AResString),
                              {uiGetFullComponentName(AComponent1), uiGetFullComponentName(AComponent2)}));
}
