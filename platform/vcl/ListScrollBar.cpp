#include "platform/vcl/ListScrollBar.h"

#include "platform/vcl/ScrollBar.h"
#include "platform/win/WinUser.h"

TScrollBar* CreateListScrollBar(TWinControl* List, const TNotifyEvent& OnChange) {
    auto* bar = new TScrollBar(List);
    bar->SetKind(sbVertical);
    bar->SetTabStop(false);
    bar->SetVisible(false);
    bar->OnChange = OnChange;
    return bar;
}

void UpdateListScrollBar(TScrollBar* Bar, int Right, int Top, int Height, int Count, int Visible,
                         int TopRow) {
    const bool needed = Count > Visible;
    Bar->SetBounds(Right - ListScrollBarWidth, Top, ListScrollBarWidth, Height);
    Bar->SetVisible(needed);
    if (!needed) return;
    // The page goes to nothing first so that the old page cannot clamp the new position.
    Bar->SetPageSize(0);
    Bar->SetParams(TopRow, 0, Count - 1);
    Bar->SetPageSize(Visible);
    Bar->SetLargeChange(Visible);
    Bar->SetPosition(TopRow);
}

RECT ListRowsArea(const RECT& Client, int Frame, int HeaderHeight, const TScrollBar* Bar) {
    RECT r = Client;
    ::InflateRect(&r, -Frame, -Frame);
    r.top += HeaderHeight;
    if (Bar->Visible()) r.right -= ListScrollBarWidth;
    return r;
}

bool FollowListScrollBar(const TScrollBar* Bar, int& TopRow) {
    if (Bar->Position() == TopRow) return false;
    TopRow = Bar->Position();
    return true;
}
