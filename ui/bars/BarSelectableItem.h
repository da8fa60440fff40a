// What the designer and the customization form select besides components: links, tabs, groups. Each
// such object answers this interface (directly or through a selection helper).
#pragma once

class TObject;
class TovBarManager;

class IovBarSelectableItem {
public:
    virtual ~IovBarSelectableItem() = default;
    virtual bool IsSelected() = 0;
    virtual void SelectionChanged() = 0;
    virtual void Select(bool AAddToSelection) = 0;
    virtual void Deselect() = 0;
    virtual bool CanDelete(bool ADestruction) = 0;
    virtual void DeleteSelection(bool ADestruction) = 0;
    virtual TObject* GetSelectableParent() = 0;
    virtual TovBarManager* GetBarManager() = 0;
    virtual void Invalidate() = 0;
};
