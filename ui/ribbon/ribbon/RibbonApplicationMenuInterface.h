// IovRibbonApplicationMenu: what the ribbon and its application button need of the menu that opens from
// the application button. The button refuses a menu component that does not implement it.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <vector>

class TovCustomRibbon;
class TWinControl;

class IovRibbonApplicationMenu {
public:
    virtual ~IovRibbonApplicationMenu() = default;
    // 1. Asked before the menu opens.
    virtual bool CanShowPopup(TovCustomRibbon* ARibbon) = 0;
    // 2. Closes a shown menu; answers whether it was shown.
    virtual bool ClosePopup() = 0;
    // 3. 0 for the ordinary menu view (the ribbon maps it to its application-menu state).
    virtual int GetDisplayMode() = 0;
    // 4. The screen position of the menu window's client area (AClientOrigin) or of its top-left corner.
    virtual TPoint GetOrigin(bool AClientOrigin) = 0;
    // 5. A text nothing in this program asks for.
    virtual std::string QueryText() = 0;
    // 6. The ribbon form's tab-order list while the menu is shown.
    virtual void GetTabOrderList(std::vector<TWinControl*>& AList) = 0;
    // 7. Opens the menu for the ribbon and returns when it has closed; AClosedByEscape tells how.
    virtual bool Popup(TovCustomRibbon* ARibbon, bool& AClosedByEscape) = 0;
    // 8. The ribbon's form changed its size while the menu is shown.
    virtual void RibbonFormResized() = 0;
    // 9. Selects the first item (keyboard access).
    virtual void SelectFirstItem() = 0;
    // 10. Shows the key tips of the menu's items.
    virtual void ShowKeyTips() = 0;
    // 11. The ribbon finished a full repaint.
    virtual void RibbonRepainted() = 0;
};
