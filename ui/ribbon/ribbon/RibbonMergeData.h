// The merge bookkeeping of ribbons and tabs: what is merged into an object (its children, forgotten when
// freed), whether the object was made by merging and the visibility to give back when the merge ends.
#pragma once

#include "ui/bars/merging/BarMergeData.h"
#include "ui/core/base/ComponentList.h"

class TovCustomRibbon;
class TovRibbonTab;

class TovRibbonCustomMergeData : public TovBarCustomMergeData {
public:
    TovRibbonCustomMergeData() = default;
    // Not owned; a child that is freed leaves the list.
    TuiComponentList& Children() { return FChildren; }
    const TuiComponentList& Children() const { return FChildren; }
    bool CreatedByMerging = false;
    bool VisibleBeforeMerging = false;

private:
    TuiComponentList FChildren;
};

// A tab's: the tab it is merged into (its Children are the tabs merged into it).
class TovRibbonTabMergeData : public TovRibbonCustomMergeData {
public:
    TovRibbonTab* MergeTarget = nullptr;
};

// A ribbon's: the ribbon it is merged into, and what it showed before.
class TovRibbonMergeData : public TovRibbonCustomMergeData {
public:
    TovCustomRibbon* MergeTarget = nullptr;
    TovRibbonTab* ActiveTabBeforeMerging = nullptr;
};
