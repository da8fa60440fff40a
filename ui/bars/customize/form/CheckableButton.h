// The "... modify" button beside the Commands page's labels at design time: a flat graphic button that
// stays down while its drop-down menu is open below it. It never captures the mouse (the menu takes the
// input while it is open); the press that closes the menu on the button does not open it again.
#pragma once

#include "platform/vcl/GraphicControl.h"

class TovBarCustomPopupMenu;

class TCheckableButton : public TGraphicControl {
public:
    explicit TCheckableButton(TComponent* AOwner);
    ~TCheckableButton() override;

    bool Down() const { return FDown; }
    void SetDown(bool AValue);
    // The menu a press opens (not owned; forgotten when it is freed).
    TovBarCustomPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TovBarCustomPopupMenu* AValue);
    // The cursor is over the button and its form is active: the raised edge shows.
    bool IsHot() const;
    bool DroppedDown() const { return FDroppedDown; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Shows the menu at the button's bottom-left corner (its height is the band the menu keeps clear
    // of) and returns when it closes.
    void DropDown();

    TovBarCustomPopupMenu* FDropDownMenu = nullptr;
    bool FDown = false;
    bool FMouseInside = false;
    bool FDroppedDown = false;
    // The menu closed with the left button held over this button: that press is not a new one.
    bool FClosedOnButton = false;
};
