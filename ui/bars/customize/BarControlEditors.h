// The editors of the customizing popup at design time: each adds one "Add ..." entry whose click makes a
// new item right after the right-clicked link. They are stateless and used as shared instances; the
// design controller keeps them in registration order.
#pragma once

#include <string>

class TObject;
class TovBarItemLink;
class TovBarItemLinks;
class TuiClassRef;

class TovBarControlEditor {
public:
    virtual ~TovBarControlEditor() = default;
    // The class of the item to create; AClickedCaption is the caption of the entry that was clicked.
    virtual const TuiClassRef* GetItemClass(const std::string& AClickedCaption) const;
    virtual std::string EffectiveCaption() const { return {}; }
    virtual void InitializeMenuItem(TovBarItemLink* AMenuLink) const {}
    virtual const TuiClassRef* GetMenuItemClass() const;
    // The new item's link, right after it was placed.
    virtual void InitializeItem(TovBarItemLink* ANewLink, const std::string& AClickedCaption) const {}
    // Adds the internal menu entry (GetMenuItemClass with EffectiveCaption), then InitializeMenuItem.
    virtual TovBarItemLink* AddMenuItem(TovBarItemLinks* ALinks) const;

protected:
    // The click handler of every editor entry: the controller makes the item.
    void EntryClicked(TObject* AEntry) const;
};

// "Add &SubItem", "Add &Button", "Add L&argeButton", "Add &Separator": one fixed class each.
class TovAddSubItemEditor : public TovBarControlEditor {
public:
    const TuiClassRef* GetItemClass(const std::string&) const override;
    std::string EffectiveCaption() const override;
};
class TovAddButtonEditor : public TovBarControlEditor {
public:
    const TuiClassRef* GetItemClass(const std::string&) const override;
    std::string EffectiveCaption() const override;
};
class TovAddLargeButtonEditor : public TovBarControlEditor {
public:
    const TuiClassRef* GetItemClass(const std::string&) const override;
    std::string EffectiveCaption() const override;
};
class TovAddSeparatorEditor : public TovBarControlEditor {
public:
    const TuiClassRef* GetItemClass(const std::string&) const override;
    std::string EffectiveCaption() const override;
};

// "Add &Item": a sub-menu with one entry per item class offered to users, captioned with the class name;
// the clicked entry's caption names the class to create.
class TovItemsEditorEx : public TovBarControlEditor {
public:
    const TuiClassRef* GetItemClass(const std::string& AClickedCaption) const override;
    std::string EffectiveCaption() const override;
    const TuiClassRef* GetMenuItemClass() const override;
    void InitializeMenuItem(TovBarItemLink* AMenuLink) const override;
    virtual void FillSubMenu(TovBarItemLinks* ASubMenuLinks) const;
};

// The shared instances (registered by the bar unit's start-up).
const TovAddSubItemEditor* ovAddSubItemEditor();
const TovAddButtonEditor* ovAddButtonEditor();
const TovAddLargeButtonEditor* ovAddLargeButtonEditor();
const TovAddSeparatorEditor* ovAddSeparatorEditor();
const TovItemsEditorEx* ovItemsEditorEx();
