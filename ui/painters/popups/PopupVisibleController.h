// The popups that are shown, in the order they were shown, and the flag the show and mouse paths raise
// while a popup opens or closes (the caption-activation rule of the hooks reads it).
#pragma once

#include "platform/rtl/Object.h"

#include <vector>

class TuiCustomPopupWindow;

class TuiPopupVisibleController : public TObject {
public:
    bool HasVisiblePopups() const { return !FPopups.empty(); }
    bool IsVisible(const TuiCustomPopupWindow* APopup) const;
    void Add(TuiCustomPopupWindow* APopup);
    void Remove(TuiCustomPopupWindow* APopup);
    int Count() const { return static_cast<int>(FPopups.size()); }
    TuiCustomPopupWindow* Items(int AIndex) const { return FPopups[AIndex]; }
    TuiCustomPopupWindow* Last() const { return FPopups.empty() ? nullptr : FPopups.back(); }

private:
    std::vector<TuiCustomPopupWindow*> FPopups;
};

// The one controller, made on first use; uiFreePopupVisibleController frees it (the unit's end).
TuiPopupVisibleController* uiPopupVisibleController();
void uiFreePopupVisibleController();

// Set while a popup opens or closes by a mouse click.
bool uiPopupInTransition();
// Raises the flag for the life of the object (nests).
class TuiPopupTransition {
public:
    TuiPopupTransition();
    ~TuiPopupTransition();
    TuiPopupTransition(const TuiPopupTransition&) = delete;
    TuiPopupTransition& operator=(const TuiPopupTransition&) = delete;
};
