// Contextual tab sets: a context is a named, coloured set of tabs (those whose Context is it) that shows
// only while the context is visible; its caption is drawn as a header over its tabs. The order of the
// contexts is the order of their tab runs.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/vcl/Graphics.h"

#include <string>

class TovCustomRibbon;
class TovRibbonContexts;
class TovRibbonTab;

class TovRibbonContext : public TCollectionItem {
public:
    explicit TovRibbonContext(TCollection* ACollection);

    // From another context: the four values straight into the fields (no notice, tabs untouched).
    void Assign(TPersistent* Source) override;

    TovCustomRibbon* Ribbon() const;
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& AValue);
    TColor Color() const { return FColor; }
    void SetColor(TColor AValue);
    int MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(int AValue) { FMergeOrder = AValue < 0 ? 0 : AValue; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool AValue);

    // The context shows its tabs and its first tab becomes active (only when it has tabs; a visible
    // context activates its first tab only when forced).
    void Activate(bool AForceActivate);
    // The AIndex-th tab of the ribbon (in tab order) that belongs to the context; null when none.
    TovRibbonTab* GetTab(int AIndex) const;
    int GetTabCount() const;

    // Merging marks: made by merging another ribbon's context (the one it was copied from).
    bool CreatedByMerging = false;
    TovRibbonContext* MergeSource = nullptr;

protected:
    std::string GetDisplayName() const override;

private:
    std::string FCaption;
    TColor FColor = static_cast<TColor>(0xFFFFFF);
    int FMergeOrder = 0;
    bool FVisible = false;
};

class TovRibbonContexts : public TOwnedCollection {
public:
    explicit TovRibbonContexts(TovCustomRibbon* ARibbon);
    ~TovRibbonContexts() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovRibbonContext* Items(int AIndex) const {
        return static_cast<TovRibbonContext*>(TCollection::Items(AIndex));
    }
    TovRibbonContext* Add() { return static_cast<TovRibbonContext*>(TCollection::Add()); }
    TovRibbonContext* Insert(int AIndex) {
        return static_cast<TovRibbonContext*>(TCollection::Insert(AIndex));
    }
    // Null for an index outside the collection.
    TovRibbonContext* GetItemSafe(int AIndex) const;

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
    void Update(TCollectionItem* Item) override;

private:
    TovCustomRibbon* FRibbon;
};
