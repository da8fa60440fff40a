// TovBarQuickControl: the quick customization popup behind a toolbar's mark. It shows the commands that
// found no room on the toolbar and, when the toolbar allows quick customizing, "&Add or Remove Buttons";
// it opens under the mark of a horizontal toolbar and beside the mark of a vertical one.
#pragma once

#include "ui/bars/popupcontrols/BarPopupControl.h"

class TovBarQuickControl : public TovBarPopupControl {
public:
    explicit TovBarQuickControl(TovBarManager* AManager);

    // The parent toolbar's mark in screen coordinates, taken at InitPopup and whenever the toolbar moves.
    TRect OwnerBounds() const { return FOwnerRect; }

    void InitPopup(TovBarControl* AParentBarControl, TovBar* AMasterBar) override;
    // The floating size of the content plus the painter's borders.
    void CalcPopupSize(TSize& ASize) override;
    // Beside the mark (to its right) when the parent toolbar is vertical.
    void CalcPopupPosition(const TSize& ASize, const TRect& AOwnerRect, TPoint& APosition,
                           int AAlignment) override;
    // Beside a vertical parent: to the left of the mark at the right edge, kept between the top and the
    // bottom of the work area.
    void AdjustPopupPosition(TPoint& APosition, const TSize& ASize, const TRect& AWorkArea,
                             const TRect& AOwnerRect) override;
    // Right-aligned under a docked toolbar's mark; under a floating one's as the painter says.
    int PopupAlignment() const override;
    // Other bars keep their hot tracking while the popup is open.
    bool KeepsHotTrackWhilePopup() const override { return false; }
    // Right presses get the default handling: no context menu.
    void WndProc(TMessage& AMessage) override;

private:
    bool ParentIsVertical() const;
};

// What a toolbar's GetQuickControlClass names by default.
TovBarPopupControl* ovMakeBarQuickControl(TovBarManager* AManager);
// The quick customization popup open now (at most one in the process), or null.
TovBarPopupControl* ovBarOpenQuickControl();
