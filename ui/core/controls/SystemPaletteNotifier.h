// Notice of a system-colour change, delivered to subscribers through one shared hidden window that
// exists while at least one notifier does. Primary notifiers (the painters' own) are told before the
// others, so painters refresh before any look-and-feel hears of the change.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

class TuiSystemPaletteChangedNotifier : public TObject {
public:
    explicit TuiSystemPaletteChangedNotifier(bool AIsPrimary);
    ~TuiSystemPaletteChangedNotifier() override;
    bool IsPrimary() const { return FIsPrimary; }
    TEvent<> OnSystemPaletteChanged;

protected:
    friend class TuiSystemPaletteChangedListener;
    // Calls OnSystemPaletteChanged when assigned.
    virtual void DoChanged();

private:
    bool FIsPrimary;
};

// The shared listener's hidden window (null while no notifier exists).
HWND uiSystemPaletteListenerHandle();
