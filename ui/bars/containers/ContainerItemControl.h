// Container items (a list item, or a container of other items) make their links at run time. In a menu
// those links stand in place of the container's own link; on a toolbar, and wherever the container is
// opened as a sub-item, they show in a menu of their own: TContainerItemSubMenuControl fills itself with
// the container's links when it opens and gives them back when it closes. TovBarContainerItemControl is
// the container's item control that opens it.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/SubItemControl.h"

#include <memory>
#include <string>

class TCustomovBarContainerItem;
class TovBarContainerLinkData;
struct TovBarItemControlClass;

class TContainerItemSubMenuControl : public TovBarSubMenuControl {
public:
    explicit TContainerItemSubMenuControl(TovBarManager* AManager);
    ~TContainerItemSubMenuControl() override;

    TCustomovBarContainerItem* ContainerItem() const { return FContainerItem.Get(); }
    void SetContainerItem(TCustomovBarContainerItem* AItem);
    // The links this menu's opening made.
    TovBarContainerLinkData* LinkData() const { return FLinkData.get(); }

protected:
    // The made links go back first, then the menu closes as any other.
    void DoCloseUp() override;

private:
    void GiveLinksBack();

    TWeakLink<TCustomovBarContainerItem> FContainerItem;
    std::unique_ptr<TovBarContainerLinkData> FLinkData;
};

class TovBarContainerItemControl : public TovBarSubItemControl {
public:
    using TovBarSubItemControl::TovBarSubItemControl;

    TCustomovBarContainerItem* ContainerItem() const;
    // The container's own link shows here (toolbars); elsewhere its links stand in for it.
    bool ShowsOwnLink() const;

    // A menu of the container's links, none while the bars are customized.
    void CreateSubMenuControl() override;
    // In parentheses where the container's links stand in for it.
    std::string GetCaption() const override;
    bool CanClick() const override;
    bool CanOpenSubMenu() const override;
};

extern const TovBarItemControlClass ovBarContainerItemControlClass;
