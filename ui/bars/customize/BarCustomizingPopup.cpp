#include "ui/bars/customize/BarCustomizingPopup.h"

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/core/base/ResourceStrings.h"

namespace {

// The paint-style entries are one radio group of their own.
constexpr int kPaintStyleGroupIndex = -1000;

} // namespace

TovBarCustomizingPopup::TovBarCustomizingPopup(TovBarManager* AManager, TCustomovBarControl* ABarControl,
                                               TovBarItemLink* ALink)
    : TovBarCustomPopupMenu(AManager), FBarControl(ABarControl), FLink(ALink) {}

TovBarSubMenuControl* TovBarCustomizingPopup::CreateSubMenuControl() {
    auto* menu = new TovBarCustomizingPopupControl(BarManager());
    menu->SetBarSize(BarSize());
    return menu;
}

TovBarCustomizationActions TovBarCustomizingPopup::OfferedActions() const {
    TovBarCustomizationActions actions;
    if (FLink == nullptr) return actions;
    const unsigned forbidden = dynamic_cast<TovBarSubMenuControl*>(FBarControl) != nullptr
                                   ? ovSubMenuForbiddenActions
                                   : ovToolbarForbiddenActions;
    const TovBarCustomizationActions supported = FLink->GetSupportedActions();
    for (int bit = bcaReset; bit <= bcaMostRecentlyUsed; ++bit) {
        const auto action = static_cast<TovBarCustomizationAction>(bit);
        if (supported.Contains(action) && (forbidden & (1u << bit)) == 0) actions.Include(action);
    }
    return actions;
}

TovBarItem* TovBarCustomizingPopup::AddEntry(TovBarItem* AItem, const std::string& ACaption, int ATag,
                                             bool ABeginGroup) {
    // Internal: owned by the popup, never listed among the manager's commands.
    if (AItem->BarManager() != nullptr) AItem->BarManager()->RemoveItem(AItem);
    AItem->SetCaption(ACaption);
    AItem->SetTag(ATag);
    ItemLinks()->AddItem(AItem)->SetBeginGroup(ABeginGroup);
    return AItem;
}

TovBarItem* TovBarCustomizingPopup::AddButton(const std::string& ACaption, int ATag, bool ABeginGroup,
                                              bool AChecked, bool ADown) {
    auto* button = new TovBarButton(this);
    AddEntry(button, ACaption, ATag, ABeginGroup);
    if (AChecked) {
        button->SetButtonStyle(bsChecked);
        button->SetDown(ADown);
    }
    button->SetOnClick(TNotifyEvent(
        [this](TObject* ASender) { Perform(static_cast<int>(static_cast<TComponent*>(ASender)->Tag())); },
        this));
    return button;
}

bool TovBarCustomizingPopup::Fill() {
    const TovBarCustomizationActions actions = OfferedActions();
    auto offers = [&actions](TovBarCustomizationAction AAction) { return actions.Contains(AAction); };
    if (offers(bcaReset)) AddButton(uiGetResourceString(ovSBAR_CP_RESET), ovCustomizeTag(bcaReset), true);
    if (offers(bcaDeleteLink))
        AddButton(uiGetResourceString(ovSBAR_CP_DELETE), ovCustomizeTag(bcaDeleteLink), true);
    if (offers(bcaCaption)) {
        auto* edit = new TovBarEdit(this);
        AddEntry(edit, uiGetResourceString(ovSBAR_CP_NAME), ovCustomizeTag(bcaCaption), true);
        edit->SetText(FLink->EffectiveCaption());
        edit->OnChange = TNotifyEvent(
            [this](TObject* ASender) { NameEntered(static_cast<TovBarEdit*>(ASender)->GetText()); }, this);
    }
    if (offers(bcaPaintStyle)) {
        const TovBarPaintStyle current = FLink->EffectivePaintStyle();
        const bool supported = FLink->Item()->IsPaintStyleSupported();
        const TResStringRec* captions[] = {&ovSBAR_CP_DEFAULTSTYLE, &ovSBAR_CP_TEXTONLYALWAYS,
                                           &ovSBAR_CP_TEXTONLYINMENUS, &ovSBAR_CP_IMAGEANDTEXT};
        for (int style = psStandard; style <= psCaptionGlyph; ++style) {
            auto* button = static_cast<TovBarButton*>(AddButton(uiGetResourceString(*captions[style]),
                                                                ovCustomizeTag(bcaPaintStyle, style),
                                                                style == psStandard, true));
            button->SetGroupIndex(kPaintStyleGroupIndex);
            button->SetDown(style == current);
            button->SetEnabled(supported);
        }
    }
    if (offers(bcaBeginGroup)) {
        TovBarItem* entry = AddButton(uiGetResourceString(ovSBAR_CP_BEGINAGROUP),
                                      ovCustomizeTag(bcaBeginGroup), true, true, FLink->BeginGroup());
        // The first link of a bar has nothing before it to be parted from.
        entry->SetEnabled(FLink->Index() > 0);
    }
    if (offers(bcaMostRecentlyUsed))
        AddButton(uiGetResourceString(ovSBAR_CP_MOSTRECENTLYUSED), ovCustomizeTag(bcaMostRecentlyUsed),
                  !offers(bcaBeginGroup), true, FLink->MostRecentlyUsed());
    return ItemLinks()->Count() > 0;
}

void TovBarCustomizingPopup::Perform(int ATag) {
    if (FLink == nullptr) return;
    const int value = ATag & 0xFFFF;
    switch (static_cast<TovBarCustomizationAction>(ATag >> 16)) {
    case bcaReset:
        FLink->SetUserDefine({});
        break;
    case bcaDeleteLink: {
        TovBarItemLink* link = FLink;
        FLink = nullptr;
        TovBarManager* manager = link->OwningBarManager();
        delete link;
        if (manager != nullptr) manager->DesignerModified();
        return;
    }
    case bcaPaintStyle:
        FLink->SetUserPaintStyle(static_cast<TovBarPaintStyle>(value));
        break;
    case bcaBeginGroup:
        FLink->SetBeginGroup(!FLink->BeginGroup());
        break;
    case bcaMostRecentlyUsed:
        FLink->SetMostRecentlyUsed(!FLink->MostRecentlyUsed());
        break;
    default:
        return;
    }
    if (TovBarManager* manager = FLink->OwningBarManager()) manager->DesignerModified();
}

void TovBarCustomizingPopup::NameEntered(const std::string& AText) {
    if (FLink == nullptr) return;
    if (AText.find_first_not_of(' ') == std::string::npos) {
        // Refused: the popup closes and its caller says why; the link keeps its name.
        FNameWasBlank = true;
        if (TovBarSubMenuControl* menu = GetSubMenuControl()) menu->CloseUp(bcrOther);
        return;
    }
    FLink->SetUserCaption(AText);
    if (TovBarManager* manager = FLink->OwningBarManager()) manager->DesignerModified();
}
