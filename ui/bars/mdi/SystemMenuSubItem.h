// The item that stands for a maximized MDI child's system menu at the front of the frame's main menu:
// a sub-item that knows the child window whose menu it drops down. The manager makes and frees it as the
// active child is maximized and restored; it is internal (kept out of the manager's item list and the
// stored layout).
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/bars/BarSubItems.h"

class TSystemMenuSubItem : public TCustomovBarSubItem {
public:
    using TCustomovBarSubItem::TCustomovBarSubItem;

    HWND MDIChild() const { return FMDIChild; }
    void SetMDIChild(HWND AValue) { FMDIChild = AValue; }

private:
    HWND FMDIChild = nullptr;
};
