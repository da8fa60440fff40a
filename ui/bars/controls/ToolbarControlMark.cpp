// The toolbar's mark: its normal, selected and pressed states, the quick customization popup a press
// opens, hover, the more-buttons hint timer, and what the toolbar puts into the popup.
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/popupcontrols/BarQuickControl.h"
#include "ui/bars/popupcontrols/QuickCustItems.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ResourceStrings.h"

namespace {

constexpr UINT_PTR kMarkHintTimerId = 1;
constexpr UINT kMarkHintTime = 50;

// The item of a link made for a popup is taken out of the manager's commands and freed with AOwner.
template <class T> T* MakeInternalItem(TovBarManager* AManager, TComponent* AOwner) {
    auto* item = new T(AManager);
    BarDesignController()->RegisterInternalItem(item, AOwner);
    return item;
}

} // namespace

// ---- Where the mark is

bool TovBarControl::IsPointOnMark(const TPoint& AClientPoint) const {
    if (!HasMark()) return false;
    const TRect mark = GetMarkRectInWindow();
    if (DockingStyleOf() != dsNone) return uiIsPointInRect(mark, AClientPoint);
    // A floating toolbar's mark lies in its caption: window coordinates.
    const TRect borders = BorderSizes();
    return uiIsPointInRect(mark, TPoint{AClientPoint.x + borders.left, AClientPoint.y + borders.top});
}

TRect TovBarControl::GetMarkScreenRect() const {
    const TRect mark = GetMarkRectInWindow();
    if (DockingStyleOf() != dsNone) {
        const TPoint topLeft = ClientToScreenPoint(TPoint{mark.left, mark.top});
        return TRect{topLeft.x, topLeft.y, topLeft.x + uiWidthOfRect(mark), topLeft.y + uiHeightOfRect(mark)};
    }
    const RECT window = ScreenBounds();
    return TRect{window.left + mark.left, window.top + mark.top, window.left + mark.right,
                 window.top + mark.bottom};
}

// ---- States

void TovBarControl::SetMarkState(int AState) {
    if (IsCustomizing() || AState == FMarkState) return;
    // A control without a window (measuring, painting in place) only takes the state to draw.
    if (FHandle == nullptr) {
        FMarkState = AState;
        return;
    }
    const int previous = FMarkState;
    if (FMarkHintTimer) {
        FMarkHintTimer = false;
        if (FHandle != nullptr) ::KillTimer(FHandle, kMarkHintTimerId);
    }
    FMarkState = AState;
    TWeakLink<TCustomovBarControl> self(this);
    if (AState == 2) {
        FQuickPopup = BarDesignController()->ShowQuickCustomizationPopup(this, GetMarkScreenRect());
        if (!self) return;
    } else {
        FreeQuickPopup();
        if (!self) return;
        if (AState == 1 && DockingStyleOf() == dsNone && FHandle != nullptr) {
            ::SetTimer(FHandle, kMarkHintTimerId, kMarkHintTime, nullptr);
            FMarkHintTimer = true;
        }
    }
    if (IsFadingAvailable()) {
        if (previous == 1)
            ovFadeOutHelper(FMarkFadingHelper.get());
        else if (previous == 0 && AState == 1)
            ovFadeInHelper(FMarkFadingHelper.get());
    }
    if (TovBarPainter* painter = GetPainter()) painter->BarRedrawMark(this);
}

void TovBarControl::FreeQuickPopup() {
    TovBarPopupControl* popup = FQuickPopup.Get();
    FQuickPopup.Reset();
    if (popup != nullptr) popup->Release();
}

void TovBarControl::MoveQuickPopup() {
    if (TovBarPopupControl* popup = FQuickPopup.Get()) popup->Reposition(GetMarkScreenRect());
}

void TovBarControl::MarkHintTimer() {
    if (FHandle != nullptr && ::IsWindowVisible(FHandle)) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (uiIsPointInRect(GetMarkScreenRect(), TPoint{cursor.x, cursor.y})) return;
    }
    if (FMarkHintTimer) {
        FMarkHintTimer = false;
        if (FHandle != nullptr) ::KillTimer(FHandle, kMarkHintTimerId);
    }
    if (FMarkState == 1) SetMarkState(0);
}

// ---- Mouse

void TovBarControl::DoMouseDown(TMouseButton AButton, TShiftState AShift, const TPoint& P,
                                TovBarItemControl* AControl, bool AInClient) {
    if (AButton == mbLeft && !IsCustomizing() && AControl == nullptr && IsPointOnMark(P)) {
        SetMarkState(FMarkState == 2 ? 1 : 2);
        return;
    }
    TovBarDockedControl::DoMouseDown(AButton, AShift, P, AControl, AInClient);
}

void TovBarControl::DoMouseMove(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl) {
    TWeakLink<TCustomovBarControl> self(this);
    if (!IsMouseOutside(true) && ovBarActiveBarControl() == nullptr && FMarkState != 2 && HasMark()) {
        TovBarPainter* painter = GetPainter();
        if (painter != nullptr && painter->BarCanQuickCustomize()) SetMarkState(IsPointOnMark(P) ? 1 : 0);
        if (!self) return;
    }
    TovBarDockedControl::DoMouseMove(AShift, P, AControl);
}

void TovBarControl::MouseLeave() {
    TWeakLink<TCustomovBarControl> self(this);
    if (FMarkState == 1) SetMarkState(0);
    if (self) TovBarDockedControl::MouseLeave();
}

// ---- What the popup shows

TovBarControl::TovBarQuickControlClass TovBarControl::GetQuickControlClass() const {
    return &ovMakeBarQuickControl;
}

void TovBarControl::AddHiddenLinksToQuickControl(TovBarPopupControl* AControl) {
    TovBarItemLinks* links = ItemLinks();
    TovBarItemLinks* target = AControl != nullptr ? AControl->ItemLinks() : nullptr;
    if (links == nullptr || target == nullptr) return;
    for (int i = 0; i < links->Count(); ++i) {
        TovBarItemLink* link = links->Items(i);
        if (link->Item() == nullptr || !link->IsShown()) continue;
        // A link that found its place shows on the toolbar itself.
        if (link->Control() != nullptr && !uiIsRectEmpty(TRect(link->ItemRect))) continue;
        TovBarItemLink* copy = target->Add();
        copy->Assign(link);
        copy->SourceLink = link;
    }
    if (AllowQuickCustomizing()) AddQuickCustomizationCommands(AControl);
}

void TovBarControl::AddQuickCustomizationCommands(TovBarPopupControl* AControl) {
    if (AControl == nullptr || AControl->ItemLinks() == nullptr || FManager == nullptr) return;
    auto* item = MakeInternalItem<TovBarQuickAccessItem>(FManager, AControl->InternalItems());
    item->SetCaption(uiGetResourceString(ovSBAR_ADDREMOVEBUTTONS));
    item->SetToolbar(this);
    AControl->ItemLinks()->AddItem(item)->SetBeginGroup(true);
}

void TovBarControl::FillQuickCustomizationList(TovBarItemLinks* ALinks) {
    TovBarItemLinks* links = ItemLinks();
    if (ALinks == nullptr || links == nullptr || FManager == nullptr || FBar == nullptr) return;
    // The entries' items belong to the list: it frees them each time it is filled again.
    auto* owner = dynamic_cast<TComponent*>(ALinks->OwnerObject());
    auto* entries = MakeInternalItem<TovBarQuickCustItem>(FManager, owner);
    for (int i = 0; i < links->Count(); ++i) {
        TovBarItemLink* link = links->Items(i);
        // Commands the user can see at run time, shown or hidden on the toolbar.
        if (link->Item() == nullptr || !link->Item()->IsShownAtRunTime()) continue;
        ALinks->AddItem(entries)->Data = link;
    }
    const bool canReset = FManager->CanReset() && FBar->CanReset();
    if (canReset) {
        auto* reset = MakeInternalItem<TovBarQuickCustExtButton>(FManager, owner);
        reset->SetCaption(uiGetResourceString(ovSBAR_RESETTOOLBAR));
        TovBarManager* manager = FManager;
        TWeakLink<TovBar> bar(FBar);
        reset->SetOnClick(TNotifyEvent(
            [manager, bar](TObject*) {
                if (bar) manager->ResetToolbar(bar.Get());
            },
            reset));
        ALinks->AddItem(reset)->SetBeginGroup(true);
    }
    if (TovBarItemLink* customize = BarDesignController()->AddCustomizeItem(
            ALinks, TuiClassRef::Of<TovBarQuickCustExtButton>(), !canReset))
        BarDesignController()->RegisterInternalItem(customize->Item(), owner);
}
