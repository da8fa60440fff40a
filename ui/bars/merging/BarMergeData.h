// What a toolbar remembers about merging: which toolbar it is merged into, which toolbars are merged
// into it (in merge order), whether it was made only to take merged links, and the visibility to give
// back afterwards. While the customization form is open merged toolbars are taken apart; the saved list
// keeps who was merged so that they can be merged again, and forgets a toolbar that is freed meanwhile.
#pragma once

#include "platform/rtl/Object.h"

#include <memory>
#include <vector>

class TComponent;
class TuiFreeNotificator;
class TovBar;

// The base of merge data: a watcher whose notification of a freed component reaches ComponentFreed.
class TovBarCustomMergeData : public TObject {
public:
    TovBarCustomMergeData();
    ~TovBarCustomMergeData() override;

protected:
    virtual void ComponentFreed(TComponent* AComponent) {}
    TuiFreeNotificator* FreeNotificator() const { return FFreeNotificator.get(); }

private:
    std::unique_ptr<TuiFreeNotificator> FFreeNotificator;
};

class TovBarMergeData : public TovBarCustomMergeData {
public:
    bool CreatedByMerging = false;
    bool VisibleBeforeMerging = false;
    bool VisibleBeforeCustomization = false;
    // Kept hidden rather than freed when its last merged toolbar leaves (while customizing).
    bool KeepWhenEmpty = false;
    TovBar* MergedWith = nullptr;
    std::vector<TovBar*> MergedBars;

    const std::vector<TovBar*>& SavedBars() const { return FSavedBars; }
    void SaveMergedBars();
    void ClearSavedBars();

protected:
    void ComponentFreed(TComponent* AComponent) override;

private:
    std::vector<TovBar*> FSavedBars;
};
