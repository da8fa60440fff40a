// The sub-item control: a menu title in a main menu bar, a drop-down button in a toolbar, or a cascading
// entry in a menu. Activating it opens the sub-menu bar control that shows the item's own links, below or
// beside the control.
#pragma once

#include "ui/bars/itemcontrols/ButtonControls.h"

class TCustomovBarSubItem;

class TovBarSubItemControl : public TovBarButtonLikeControl {
public:
    using TovBarButtonLikeControl::TovBarButtonLikeControl;
    ~TovBarSubItemControl() override;

    TCustomovBarSubItem* SubItem() const;

    // ---- Added operations
    // The item's links make (or connect) their bar control.
    virtual void CreateSubMenuControl();
    virtual void InitSubMenuControl();
    // Where the sub-menu opens (screen coordinates) and the owner's width or height it lines up with.
    virtual void GetSubMenuPosition(TPoint& P, int& AOwnerWidth, int& AOwnerHeight);
    virtual bool CanOpenSubMenu() const { return true; }

    // ---- Overrides
    bool IsDroppedDown() const override;
    TCustomovBarControl* GetSubMenuControl() const override;
    TCustomovBarControl* GetChildMenuControl() const override { return GetSubMenuControl(); }
    void CalcDrawParams(bool AFull = true) override;
    bool CanClick() const override { return false; }
    void ControlActivate(bool AImmediately, bool AByMouse) override;
    void ControlInactivate(bool AImmediately) override;
    void ControlMouseDown(bool AByMouse) override;
    void DropDown(bool AByMouse) override;
    bool KeepTextColorWhenSelected() const override;
    bool IsTextSelected() const override;
    int GetCaptionAreaWidth() const override;
    int GetTextIndent() const override;
    bool CloseMenusOnClick() const override { return false; }
    bool IsDropDown() const override { return true; }
    bool ExpandsMenuOnDblClick() const override { return true; }
    bool IsMainMenuItem() const override;
    bool IsDropDownKey(WORD AKey) const override;
    TovBarItemViewLevels GetPossibleViewLevels() const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    bool WantsDblClick() const override;
    void DoCloseUp(bool AHasSubMenu) override;
    void DoDropDown(bool AByMouse) override;
};
