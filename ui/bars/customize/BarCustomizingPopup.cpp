#include "ui/bars/customize/BarCustomizingPopup.h"

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/BarControlEditors.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/BarDesignHelpers.h"
#include "ui/core/base/ResourceStrings.h"

#include <algorithm>

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

bool TovBarCustomizingPopup::IsDesigning() const {
    return BarManager() != nullptr && BarManager()->IsDesigning();
}

std::vector<TovBarItemLink*> TovBarCustomizingPopup::SelectedLinks() const {
    std::vector<TovBarItemLink*> links;
    if (!IsDesigning() || FLink == nullptr) return links;
    std::vector<TPersistent*> selection;
    BarManager()->DesignerGetSelection(selection);
    for (TPersistent* object : selection) {
        TovBarItemLink* link = dynamic_cast<TovBarItemLink*>(object);
        // A selected item with a single link stands for that link.
        if (auto* item = dynamic_cast<TovBarItem*>(object); item != nullptr && item->LinkCount() == 1)
            link = item->Links(0);
        if (link != nullptr && link != FLink && std::find(links.begin(), links.end(), link) == links.end())
            links.push_back(link);
    }
    return links;
}

TovBarCustomizationActions TovBarCustomizingPopup::OfferedActions() const {
    if (FLink == nullptr) return {};
    TovBarCustomizationActions actions = FLink->GetSupportedActions();
    if (IsDesigning()) {
        std::vector<TPersistent*> selection;
        BarManager()->DesignerGetSelection(selection);
        for (TPersistent* object : selection) {
            if (auto* link = dynamic_cast<TovBarItemLink*>(object))
                actions *= link->GetSupportedActions();
            else if (auto* item = dynamic_cast<TovBarItem*>(object))
                actions *= item->GetSupportedActions();
        }
    }
    return BarDesignController()->GetDesignHelper(FBarControl)->RemoveForbiddenActions(actions);
}

TovBarItem* TovBarCustomizingPopup::AddEntry(TovBarItem* AItem, const std::string& ACaption, int ATag,
                                             bool ABeginGroup) {
    // Internal: owned by the popup, never listed among the manager's commands.
    TovBarDesignController::RemoveFromManagerItems(AItem);
    AItem->SetCaption(ACaption);
    AItem->SetTag(ATag);
    ItemLinks()->AddItem(AItem)->SetBeginGroup(ABeginGroup);
    return AItem;
}

TovBarItem* TovBarCustomizingPopup::AddButton(const std::string& ACaption, int ATag, bool ABeginGroup,
                                              bool AChecked, bool ADown, TovBarItemLinks* ALinks) {
    auto* button = new TovBarButton(this);
    if (ALinks == nullptr) {
        AddEntry(button, ACaption, ATag, ABeginGroup);
    } else {
        TovBarDesignController::RemoveFromManagerItems(button);
        button->SetCaption(ACaption);
        button->SetTag(ATag);
        ALinks->AddItem(button)->SetBeginGroup(ABeginGroup);
    }
    if (AChecked) {
        button->SetButtonStyle(bsChecked);
        button->SetDown(ADown);
    }
    button->SetOnClick(TNotifyEvent(
        [this](TObject* ASender) { Perform(static_cast<int>(static_cast<TComponent*>(ASender)->Tag())); },
        this));
    return button;
}

TovBarItemLinks* TovBarCustomizingPopup::AddSubMenu(const std::string& ACaption, bool ABeginGroup) {
    auto* subItem = new TovBarSubItem(this);
    AddEntry(subItem, ACaption, -1, ABeginGroup);
    return subItem->ItemLinks();
}

void TovBarCustomizingPopup::AddEditorEntries() {
    // The editors add items at the right-clicked link, so they are offered for one selected object only.
    std::vector<TPersistent*> selection;
    BarManager()->DesignerGetSelection(selection);
    if (selection.size() != 1) return;
    std::vector<const TovBarControlEditor*> editors;
    BarDesignController()->GetDesignHelper(FBarControl)->GetEditors(editors);
    for (const TovBarControlEditor* editor : editors)
        editor->AddMenuItem(ItemLinks());
}

namespace {

const char* const kViewLevelNames[] = {"ivlLargeIconWithText", "ivlLargeControlOnly", "ivlSmallIconWithText",
                                       "ivlSmallIcon", "ivlControlOnly"};
const char* const kPositionNames[] = {"ipBeginsNewRow", "ipBeginsNewColumn", "ipContinuesRow"};
const char* const kButtonGroupNames[] = {"bgpNone", "bgpStart", "bgpMember"};

} // namespace

void TovBarCustomizingPopup::AddViewLevelEntries() {
    FViewLevelLinks = AddSubMenu(uiGetResourceString(ovSBAR_CP_VIEWLEVELSMENU), false);
    TovBarItemViewLevels possible;
    if (FLink->Control() != nullptr)
        possible = FLink->Control()->GetPossibleViewLevels();
    else
        possible = TovBarItemViewLevels{ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText,
                                        ivlSmallIcon, ivlControlOnly};
    const bool multi = BarDesignController()->GetDesignHelper(FBarControl)->IsViewLevelsMultiChoice();
    auto keepOpen = [](TovBarItem* AEntry) {
        static_cast<TovBarButton*>(AEntry)->CloseSubMenuOnClick = false;
    };
    if (multi) {
        for (int level = ivlLargeIconWithText; level <= ivlControlOnly; ++level)
            if (possible.Contains(static_cast<TovBarItemViewLevel>(level)))
                keepOpen(AddButton(kViewLevelNames[level], ovCustomizeTag(bcaViewLevels, level), false, true,
                                   false, FViewLevelLinks));
        keepOpen(AddButton(uiGetResourceString(ovSBAR_CP_ALLVIEWLEVELS),
                           ovCustomizeTag(bcaViewLevels, ovViewLevelAll), true, false, false,
                           FViewLevelLinks));
    }
    bool first = true;
    for (int level = ivlLargeIconWithText; level <= ivlControlOnly; ++level)
        if (possible.Contains(static_cast<TovBarItemViewLevel>(level))) {
            keepOpen(
                AddButton(kViewLevelNames[level] + uiGetResourceString(ovSBAR_CP_SINGLEVIEWLEVELITEMSUFFIX),
                          ovCustomizeTag(bcaViewLevels, ovViewLevelOnly | level), multi && first, !multi,
                          false, FViewLevelLinks));
            first = false;
        }
    RefreshViewLevelEntries();
}

void TovBarCustomizingPopup::RefreshViewLevelEntries() {
    if (FViewLevelLinks == nullptr || FLink == nullptr) return;
    const bool multi = BarDesignController()->GetDesignHelper(FBarControl)->IsViewLevelsMultiChoice();
    for (int i = 0; i < FViewLevelLinks->Count(); ++i) {
        auto* button = dynamic_cast<TovBarButton*>(FViewLevelLinks->Items(i)->Item());
        if (button == nullptr || button->ButtonStyle() != bsChecked) continue;
        const int value = static_cast<int>(button->Tag()) & 0xFFFF;
        const auto level = static_cast<TovBarItemViewLevel>(value & 0x0F);
        if (multi && (value & ovViewLevelOnly) == 0)
            button->SetDown(FLink->ViewLevels.Contains(level));
        else
            button->SetDown(FLink->ViewLevels == TovBarItemViewLevels{level});
    }
}

bool TovBarCustomizingPopup::Fill() {
    if (FLink == nullptr) return false;
    const bool designing = IsDesigning();
    if (designing) AddEditorEntries();
    const TovBarCustomizationActions actions = OfferedActions();
    auto offers = [&actions](TovBarCustomizationAction AAction) { return actions.Contains(AAction); };
    TovBarDesignController* controller = BarDesignController();
    if (offers(bcaReset)) AddButton(uiGetResourceString(ovSBAR_CP_RESET), ovCustomizeTag(bcaReset), true);
    if (offers(bcaDelete))
        AddButton(uiGetResourceString(ovSBAR_CP_DELETE), ovCustomizeTag(bcaDelete), true)
            ->SetEnabled(controller->CanDeleteSelection());
    if (offers(bcaDeleteItem))
        AddButton(uiGetResourceString(ovSBAR_CP_DELETEITEM), ovCustomizeTag(bcaDeleteItem),
                  !offers(bcaDelete))
            ->SetEnabled(BarManager()->DesignerCanDelete(FLink->Item()));
    if (offers(bcaDeleteLink))
        AddButton(uiGetResourceString(designing ? ovSBAR_CP_DELETELINK : ovSBAR_CP_DELETE),
                  ovCustomizeTag(bcaDeleteLink), !offers(bcaDelete) && !offers(bcaDeleteItem));
    if (offers(bcaSelectLink)) AddButton("Select Link", ovCustomizeTag(bcaSelectLink), true);
    if (offers(bcaCaption)) {
        auto* edit = new TovBarEdit(this);
        AddEntry(edit, uiGetResourceString(designing ? ovSBAR_CP_CAPTION : ovSBAR_CP_NAME),
                 ovCustomizeTag(bcaCaption), true);
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
    if (offers(bcaPosition)) {
        TovBarItemLinks* position = AddSubMenu(uiGetResourceString(ovSBAR_CP_POSITIONMENU), true);
        for (int value = ipBeginsNewRow; value <= ipContinuesRow; ++value)
            AddButton(kPositionNames[value], ovCustomizeTag(bcaPosition, value), false, true,
                      FLink->Position == value, position);
    }
    if (offers(bcaViewLevels)) AddViewLevelEntries();
    if (offers(bcaButtonGroup)) {
        TovBarItemLinks* group = AddSubMenu(uiGetResourceString(ovSBAR_CP_BUTTONGROUPMENU), false);
        for (int value = bgpNone; value <= bgpMember; ++value)
            AddButton(kButtonGroupNames[value], ovCustomizeTag(bcaButtonGroup, value), false, true,
                      FLink->ButtonGroup == value, group);
        AddButton(uiGetResourceString(ovSBAR_CP_BUTTONGROUP),
                  ovCustomizeTag(bcaButtonGroup, ovButtonGroupGroup), true, false, false, group);
        AddButton(uiGetResourceString(ovSBAR_CP_BUTTONUNGROUP),
                  ovCustomizeTag(bcaButtonGroup, ovButtonGroupUngroup), false, false, false, group);
    }
    if (offers(bcaDistributed))
        AddButton(uiGetResourceString(ovSBAR_CP_DISTRIBUTED), ovCustomizeTag(bcaDistributed), false, true,
                  FLink->Distributed);
    if (offers(bcaBeginGroup)) {
        TovBarItem* entry = AddButton(uiGetResourceString(ovSBAR_CP_BEGINAGROUP),
                                      ovCustomizeTag(bcaBeginGroup), true, true, FLink->BeginGroup());
        // The first link of a bar has nothing before it to be parted from.
        entry->SetEnabled(FLink->Index() > 0);
    }
    if (offers(bcaVisible))
        AddButton(uiGetResourceString(ovSBAR_CP_VISIBLE), ovCustomizeTag(bcaVisible), !offers(bcaBeginGroup),
                  true, FLink->Visible());
    if (offers(bcaMostRecentlyUsed))
        AddButton(uiGetResourceString(ovSBAR_CP_MOSTRECENTLYUSED), ovCustomizeTag(bcaMostRecentlyUsed),
                  !offers(bcaBeginGroup) && !offers(bcaVisible), true, FLink->MostRecentlyUsed());
    if (TovBarManager* manager = BarManager()) manager->OnShowCustomizingPopup(manager, ItemLinks());
    return ItemLinks()->Count() > 0;
}

void TovBarCustomizingPopup::CopyActionValue(TovBarItemLink* ATarget,
                                             TovBarCustomizationAction AAction) const {
    switch (AAction) {
    case bcaReset:
        ATarget->SetUserDefine({});
        break;
    case bcaPaintStyle:
        ATarget->SetUserPaintStyle(FLink->UserPaintStyle());
        break;
    case bcaPosition:
        ATarget->Position = FLink->Position;
        break;
    case bcaViewLevels:
        ATarget->ViewLevels = FLink->ViewLevels;
        break;
    case bcaButtonGroup:
        ATarget->ButtonGroup = FLink->ButtonGroup;
        break;
    case bcaDistributed:
        ATarget->Distributed = FLink->Distributed;
        break;
    case bcaBeginGroup:
        ATarget->SetBeginGroup(FLink->BeginGroup());
        break;
    case bcaVisible:
        ATarget->SetVisible(FLink->Visible());
        break;
    case bcaMostRecentlyUsed:
        ATarget->SetMostRecentlyUsed(FLink->MostRecentlyUsed());
        break;
    default:
        break;
    }
}

void TovBarCustomizingPopup::GroupSelectedLinks(bool AGroup) {
    auto* links = dynamic_cast<TovBarItemLinks*>(FLink->Collection());
    if (links == nullptr) return;
    bool first = true;
    for (int i = 0; i < links->Count(); ++i) {
        TovBarItemLink* link = links->Items(i);
        if (BarManager()->DesignerSelectionStatus(link) != 1) continue;
        link->ButtonGroup = !AGroup ? bgpNone : first ? bgpStart : bgpMember;
        first = false;
    }
}

void TovBarCustomizingPopup::Perform(int ATag) {
    if (FLink == nullptr) return;
    const int value = ATag & 0xFFFF;
    const auto action = static_cast<TovBarCustomizationAction>(ATag >> 16);
    TovBarManager* manager = FLink->OwningBarManager();
    switch (action) {
    case bcaReset:
        FLink->SetUserDefine({});
        break;
    case bcaDelete:
    case bcaDeleteItem:
        // The selection may hold the customizing link: it is forgotten before anything goes.
        FLink = nullptr;
        BarDesignController()->DeleteSelectedObjects(action == bcaDelete ? bdkLinks : bdkItems, false);
        return;
    case bcaDeleteLink: {
        TovBarItemLink* link = FLink;
        FLink = nullptr;
        delete link;
        if (manager != nullptr) manager->DesignerModified();
        return;
    }
    case bcaSelectLink:
        if (manager != nullptr) manager->DesignerSelect(FLink, bsoExclusive);
        BarDesignController()->SelectLink(FLink, dsoExclusive);
        return;
    case bcaPaintStyle:
        FLink->SetUserPaintStyle(static_cast<TovBarPaintStyle>(value));
        break;
    case bcaPosition:
        FLink->Position = static_cast<TovBarItemPosition>(value);
        break;
    case bcaViewLevels: {
        const auto level = static_cast<TovBarItemViewLevel>(value & 0x0F);
        if (value == ovViewLevelAll)
            FLink->ViewLevels = TovBarItemViewLevels{ivlLargeIconWithText, ivlLargeControlOnly,
                                                     ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly};
        else if ((value & ovViewLevelOnly) != 0)
            FLink->ViewLevels = TovBarItemViewLevels{level};
        else if (FLink->ViewLevels.Contains(level))
            FLink->ViewLevels.Exclude(level);
        else
            FLink->ViewLevels.Include(level);
        RefreshViewLevelEntries();
        break;
    }
    case bcaButtonGroup:
        if (value <= bgpMember)
            FLink->ButtonGroup = static_cast<TovBarButtonGroupPosition>(value);
        else
            GroupSelectedLinks(value == ovButtonGroupGroup);
        break;
    case bcaDistributed:
        FLink->Distributed = !FLink->Distributed;
        break;
    case bcaBeginGroup:
        FLink->SetBeginGroup(!FLink->BeginGroup());
        break;
    case bcaVisible:
        FLink->SetVisible(!FLink->Visible());
        break;
    case bcaMostRecentlyUsed:
        FLink->SetMostRecentlyUsed(!FLink->MostRecentlyUsed());
        break;
    default:
        return;
    }
    // A multiple selection at design time changes together (Group and Ungroup already did).
    if (action != bcaButtonGroup || value <= bgpMember)
        for (TovBarItemLink* link : SelectedLinks())
            CopyActionValue(link, action);
    if (manager != nullptr) manager->DesignerModified();
}

void TovBarCustomizingPopup::NameEntered(const std::string& AText) {
    if (FLink == nullptr) return;
    if (AText.find_first_not_of(' ') == std::string::npos) {
        // Refused: the popup closes and its caller says why; the link keeps its name.
        FNameWasBlank = true;
        if (TovBarSubMenuControl* menu = GetSubMenuControl()) menu->CloseUp(bcrOther);
        return;
    }
    TovBarManager* manager = FLink->OwningBarManager();
    // The designer names the command itself; a user names only this link.
    if (IsDesigning())
        FLink->Item()->SetCaption(AText);
    else
        FLink->SetUserCaption(AText);
    if (manager != nullptr) manager->DesignerModified();
}
