#include "ui/bars/navigation/BarControlAccessibilityHelpers.h"

#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/DockedControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

namespace {

bool IsEmptyBounds(const TRect& R) {
    return R.right <= R.left || R.bottom <= R.top;
}

TRect UnionBounds(const TRect& A, const TRect& B) {
    if (IsEmptyBounds(A)) return B;
    if (IsEmptyBounds(B)) return A;
    return TRect{std::min(A.left, B.left), std::min(A.top, B.top), std::max(A.right, B.right),
                 std::max(A.bottom, B.bottom)};
}

// A bar window on screen: its window when it has one, else its client area where its owner put it.
TRect BarScreenBounds(TCustomovBarControl* ABar) {
    TRect R{0, 0, 0, 0};
    if (ABar->Handle() != nullptr) {
        GetWindowRect(ABar->Handle(), &R);
        return R;
    }
    const TRect client = ABar->GetClientRect();
    const TPoint origin = ABar->ClientToScreenPoint(TPoint{0, 0});
    return TRect{origin.x, origin.y, origin.x + client.right - client.left,
                 origin.y + client.bottom - client.top};
}

bool BarShown(TCustomovBarControl* ABar) {
    if (!ABar->IsVisible()) return false;
    return ABar->Handle() == nullptr || IsWindowVisible(ABar->Handle());
}

int ExchangeVerticalDirection(int ADirection) {
    switch (ADirection) {
    case bndLeft:
        return bndUp;
    case bndUp:
        return bndLeft;
    case bndRight:
        return bndDown;
    case bndDown:
        return bndRight;
    default:
        return ADirection;
    }
}

} // namespace

// ---- Dock control

TovDockControlAccessibilityHelper::TovDockControlAccessibilityHelper(TovDockControl* ADock)
    : TovBarAccessibilityHelper(ADock), FDock(ADock) {}

TovBarManager* TovDockControlAccessibilityHelper::OwningBarManager() {
    return IsOwnerAlive() ? FDock->GetBarManager() : nullptr;
}

std::vector<TovBarControl*> TovDockControlAccessibilityHelper::Toolbars() {
    std::vector<TovBarControl*> result;
    if (!IsOwnerAlive()) return result;
    // The dock's rows, and within a row its columns.
    for (int r = 0; r < FDock->DockRowCount(); ++r) {
        TovDockRow* row = FDock->RowAt(r);
        for (int c = 0; row != nullptr && c < row->GetColCount(); ++c)
            if (TovBarControl* toolbar = row->GetCol(c)->BarControl()) result.push_back(toolbar);
    }
    if (!result.empty() || FDock->GetBarManager() == nullptr) return result;
    // A dock without rows (no window of its own yet): the toolbars that name it, by their place in it.
    TovBars* bars = FDock->GetBarManager()->Bars();
    for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
        auto* toolbar = dynamic_cast<TovBarControl*>(bars->GetItem(i)->GetControl());
        if (toolbar != nullptr && toolbar->GetDockControl() == FDock) result.push_back(toolbar);
    }
    // Rows first, then along the row: across a horizontal dock rows go down, along it to the right.
    const bool horizontal = FDock->DockingStyle() == dsTop || FDock->DockingStyle() == dsBottom;
    std::stable_sort(result.begin(), result.end(), [horizontal](TovBarControl* A, TovBarControl* B) {
        const TRect a = A->BoundsInDock(), b = B->BoundsInDock();
        return horizontal ? std::make_pair(a.top, a.left) < std::make_pair(b.top, b.left)
                          : std::make_pair(a.left, a.top) < std::make_pair(b.left, b.top);
    });
    return result;
}

TuiAccessibilityHelper* TovDockControlAccessibilityHelper::ChildHelperAt(int AIndex) {
    const auto toolbars = Toolbars();
    return AIndex >= 0 && AIndex < static_cast<int>(toolbars.size()) ? ovBarControlHelper(toolbars[AIndex])
                                                                     : nullptr;
}

int TovDockControlAccessibilityHelper::GetChildCount() {
    return static_cast<int>(Toolbars().size());
}

int TovDockControlAccessibilityHelper::IndexOfChildHelper(TuiAccessibilityHelper* AHelper) {
    const auto toolbars = Toolbars();
    for (int i = 0; i < static_cast<int>(toolbars.size()); ++i)
        if (ovBarControlHelper(toolbars[i]) == AHelper) return i;
    return -1;
}

TRect TovDockControlAccessibilityHelper::DockScreenBounds(TovDockControl* ADock) {
    auto* helper = static_cast<TovDockControlAccessibilityHelper*>(ovDockControlHelper(ADock));
    TRect R{0, 0, 0, 0};
    for (TovBarControl* toolbar : helper->Toolbars())
        R = UnionBounds(R, BarScreenBounds(toolbar));
    return R;
}

void TovDockControlAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (!IsOwnerAlive() || !GetVisible()) return;
    if (FDock->Handle() != nullptr)
        GetWindowRect(FDock->Handle(), &R);
    else
        R = DockScreenBounds(FDock);
}

HWND TovDockControlAccessibilityHelper::GetOwnerWindow() {
    return IsOwnerAlive() ? FDock->Handle() : nullptr;
}

LONG TovDockControlAccessibilityHelper::GetState(int) {
    if (!IsOwnerAlive()) return STATE_SYSTEM_INVISIBLE;
    if (FDock->Handle() != nullptr) return IsWindowVisible(FDock->Handle()) ? 0 : STATE_SYSTEM_INVISIBLE;
    return !Toolbars().empty() ? 0 : STATE_SYSTEM_INVISIBLE;
}

// ---- Bar controls

TCustomovBarControlAccessibilityHelper::TCustomovBarControlAccessibilityHelper(
    TCustomovBarControl* ABarControl)
    : TovBarAccessibilityHelper(ABarControl), FBarControl(ABarControl) {}

std::vector<TovBarItemControl*> TCustomovBarControlAccessibilityHelper::ItemControls() {
    std::vector<TovBarItemControl*> result;
    if (!IsOwnerAlive() || FBarControl->ItemLinks() == nullptr) return result;
    TovBarItemLinks* links = FBarControl->ItemLinks();
    for (int i = 0; i < links->VisibleItemCount(); ++i)
        if (TovBarItemControl* control = links->VisibleItems(i)->Control()) result.push_back(control);
    return result;
}

TovBarManager* TCustomovBarControlAccessibilityHelper::OwningBarManager() {
    return IsOwnerAlive() ? FBarControl->GetBarManager() : nullptr;
}

bool TCustomovBarControlAccessibilityHelper::AllowsChildNavigation(WORD) {
    if (!IsOwnerAlive()) return false;
    TovBarItemControl* selected = FBarControl->SelectedControl();
    return !(selected != nullptr && selected->IsWinControl() && selected->Focused());
}

TuiAccessibilityHelper* TCustomovBarControlAccessibilityHelper::ChildHelperAt(int AIndex) {
    const auto controls = ItemControls();
    return AIndex >= 0 && AIndex < static_cast<int>(controls.size())
               ? ovBarItemControlHelper(controls[AIndex])
               : nullptr;
}

int TCustomovBarControlAccessibilityHelper::GetChildCount() {
    return static_cast<int>(ItemControls().size());
}

int TCustomovBarControlAccessibilityHelper::IndexOfChildHelper(TuiAccessibilityHelper* AHelper) {
    auto* item = dynamic_cast<TovBarItemControlAccessibilityHelper*>(AHelper);
    if (item == nullptr) return -1;
    const auto controls = ItemControls();
    const auto it = std::find(controls.begin(), controls.end(), item->Control());
    return it == controls.end() ? -1 : static_cast<int>(it - controls.begin());
}

HWND TCustomovBarControlAccessibilityHelper::GetOwnerWindow() {
    return IsOwnerAlive() ? FBarControl->Handle() : nullptr;
}

void TCustomovBarControlAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (IsOwnerAlive() && GetVisible()) R = BarScreenBounds(FBarControl);
}

LONG TCustomovBarControlAccessibilityHelper::GetState(int) {
    return IsOwnerAlive() && BarShown(FBarControl) ? 0 : STATE_SYSTEM_INVISIBLE;
}

TovBarAccessibilityHelper* TCustomovBarControlAccessibilityHelper::GetNextLogicalChild(int AIndex,
                                                                                       TShiftState AShift) {
    if (!IsOwnerAlive()) return nullptr;
    const bool backward = AShift.Contains(ssShift);
    if (AShift.Contains(ssCtrl)) {
        // The next shown toolbar (the previous with Shift) among the managers of the bar's form, in the
        // managers' order and each manager's toolbar order; none past either end.
        std::vector<TovBarControl*> toolbars;
        TovBarManager* own = FBarControl->GetBarManager();
        TovBarManagerList* managers = BarManagerList();
        for (int m = 0; own != nullptr && managers != nullptr && m < managers->Count(); ++m) {
            TovBarManager* manager = managers->Managers(m);
            if (manager != own &&
                (manager->GetTopForm() == nullptr || manager->GetTopForm() != own->GetTopForm()))
                continue;
            TovBars* bars = manager->Bars();
            for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
                auto* toolbar = dynamic_cast<TovBarControl*>(bars->GetItem(i)->GetControl());
                if (toolbar != nullptr && (toolbar == FBarControl || BarShown(toolbar)))
                    toolbars.push_back(toolbar);
            }
        }
        const auto it = std::find(toolbars.begin(), toolbars.end(), FBarControl);
        if (it == toolbars.end()) return nullptr;
        const int index = static_cast<int>(it - toolbars.begin()) + (backward ? -1 : 1);
        return index >= 0 && index < static_cast<int>(toolbars.size()) ? ovBarControlHelper(toolbars[index])
                                                                       : nullptr;
    }
    TovBarAccessibilityHelper* child = LogicalChildAt(AIndex);
    if (child == nullptr) return FirstSelectableDescendant(!backward);
    // Tab goes forward along the bar, Shift+Tab backward, whichever way the bar lies: on a vertically
    // docked toolbar forward is down, which its item search turns into the next link.
    const bool vertical = FBarControl->IsDockedVertically();
    const int direction = vertical ? (backward ? bndUp : bndDown) : (backward ? bndLeft : bndRight);
    return child->GetNextAccessibleObject(direction);
}

TCustomovBarControlAccessibilityHelper* TCustomovBarControlAccessibilityHelper::GetKeyTipTargetHelper() {
    throw EovException("");
}

void TCustomovBarControlAccessibilityHelper::GetItemKeyTipPosition(TovBarAccessibilityHelper* AItemHelper,
                                                                   TovBarKeyTipInfo& AInfo) {
    const TRect R = AItemHelper->ScreenBounds();
    AInfo.BasePoint = POINT{uiGetRangeCenter(R.left, R.right), uiGetRangeCenter(R.top, R.bottom)};
    AInfo.HorzAlign = 2;
    AInfo.VertAlign = 2;
}

TovBarAccessibilityHelper*
TCustomovBarControlAccessibilityHelper::GetNextItemObject(TovBarAccessibilityHelper* AItemHelper,
                                                          int ADirection) {
    const TRect S = AItemHelper->ScreenBounds();
    std::vector<TovBarAccessibilityHelper*> helpers;
    std::vector<RECT> bounds;
    CollectNavigationCandidates(this, AItemHelper, S, ADirection, helpers, bounds);
    return NearestCandidate(S, helpers, bounds, ADirection, false);
}

void TCustomovBarControlAccessibilityHelper::ReleaseSelection() {
    if (!IsOwnerAlive()) return;
    FBarControl->SetSelectedControl(nullptr);
    if (FBarControl->IsActive()) FBarControl->BarLostFocus();
}

TovBarAccessibilityHelper*
TCustomovBarControlAccessibilityHelper::CycleItem(TovBarAccessibilityHelper* AItemHelper, bool AForward) {
    std::vector<TovBarAccessibilityHelper*> selectable;
    int current = -1;
    for (TovBarItemControl* control : ItemControls()) {
        TovBarAccessibilityHelper* helper = ovBarItemControlHelper(control);
        if (helper == AItemHelper) current = static_cast<int>(selectable.size());
        if (helper == AItemHelper || helper->IsSelectableObject()) selectable.push_back(helper);
    }
    const int count = static_cast<int>(selectable.size());
    if (count == 0) return nullptr;
    if (current < 0) return selectable[AForward ? 0 : count - 1];
    TovBarAccessibilityHelper* next = selectable[(current + (AForward ? 1 : count - 1)) % count];
    return next == AItemHelper ? nullptr : next;
}

// ---- Toolbars

TovBarControlAccessibilityHelper::TovBarControlAccessibilityHelper(TovBarControl* AToolbar)
    : TCustomovBarControlAccessibilityHelper(AToolbar) {}

TovBarControl* TovBarControlAccessibilityHelper::Toolbar() const {
    return static_cast<TovBarControl*>(BarControl());
}

bool TovBarControlAccessibilityHelper::HasCaptionButtons() {
    if (!IsOwnerAlive() || Toolbar()->Bar() == nullptr) return false;
    TovBarCaptionButtons* buttons = Toolbar()->Bar()->CaptionButtons();
    return buttons != nullptr && buttons->Count() > 0;
}

bool TovBarControlAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState AShift) {
    if (TCustomovBarControlAccessibilityHelper::TryNavigationKey(AKey, AShift)) return true;
    // Across a vertically docked toolbar the arrows turn with it.
    if (IsOwnerAlive() && Toolbar()->IsDockedVertically()) {
        switch (AKey) {
        case VK_LEFT:
            AKey = VK_UP;
            break;
        case VK_UP:
            AKey = VK_LEFT;
            break;
        case VK_RIGHT:
            AKey = VK_DOWN;
            break;
        case VK_DOWN:
            AKey = VK_RIGHT;
            break;
        default:
            break;
        }
    }
    // A drop-down key opens the selected control's menu.
    return IsOwnerAlive() && Toolbar()->IsKeyForSelectedControl(AKey);
}

void TovBarControlAccessibilityHelper::Select(bool) {
    if (!IsOwnerAlive()) return;
    Toolbar()->BarGetFocus(nullptr);
    // Until the toolbar is the active bar the controller keeps it as the parent of the selection.
    if (BarNavigationController()->GetNavigationBarControl() != Toolbar())
        BarNavigationController()->SetSelectedObject(nullptr, this);
}

void TovBarControlAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarHelperRef self(this);
    TCustomovBarControlAccessibilityHelper::LoseSelection(ANext);
    if (IsOwnerAlive()) Toolbar()->CloseUp(bcrOther);
}

TuiAccessibilityHelper* TovBarControlAccessibilityHelper::ChildHelperAt(int AIndex) {
    const int items = TCustomovBarControlAccessibilityHelper::GetChildCount();
    if (AIndex == items && HasCaptionButtons()) return ovBarCaptionButtonsHelper(Toolbar());
    return TCustomovBarControlAccessibilityHelper::ChildHelperAt(AIndex);
}

int TovBarControlAccessibilityHelper::GetChildCount() {
    return TCustomovBarControlAccessibilityHelper::GetChildCount() + (HasCaptionButtons() ? 1 : 0);
}

int TovBarControlAccessibilityHelper::IndexOfChildHelper(TuiAccessibilityHelper* AHelper) {
    if (HasCaptionButtons() && AHelper == ovBarCaptionButtonsHelper(Toolbar()))
        return TCustomovBarControlAccessibilityHelper::GetChildCount();
    return TCustomovBarControlAccessibilityHelper::IndexOfChildHelper(AHelper);
}

TuiAccessibilityHelper* TovBarControlAccessibilityHelper::GetParent() {
    if (IsOwnerAlive() && Toolbar()->GetDockControl() != nullptr)
        return ovDockControlHelper(Toolbar()->GetDockControl());
    return nullptr;
}

TovBarAccessibilityHelper*
TovBarControlAccessibilityHelper::GetNextItemObject(TovBarAccessibilityHelper* AItemHelper, int ADirection) {
    if (!IsOwnerAlive()) return nullptr;
    if (Toolbar()->IsDockedVertically()) ADirection = ExchangeVerticalDirection(ADirection);
    switch (ADirection) {
    case bndLeft:
        return CycleItem(AItemHelper, false);
    case bndUp:
    case bndDown:
        return TCustomovBarControlAccessibilityHelper::GetNextItemObject(AItemHelper, ADirection);
    default:
        return CycleItem(AItemHelper, true);
    }
}

void TovBarControlAccessibilityHelper::GetCaptionButtonKeyTipPosition(TovBarCaptionButton*, int&,
                                                                      std::uint8_t&) {
    throw EovException("");
}

// ---- Menus

TovBarSubMenuControlAccessibilityHelper::TovBarSubMenuControlAccessibilityHelper(TovBarSubMenuControl* AMenu)
    : TCustomovBarControlAccessibilityHelper(AMenu) {}

TovBarSubMenuControl* TovBarSubMenuControlAccessibilityHelper::Menu() const {
    return static_cast<TovBarSubMenuControl*>(BarControl());
}

TovBarAccessibilityHelper*
TovBarSubMenuControlAccessibilityHelper::GetNextLink(TovBarAccessibilityHelper* ALink, bool AForward) {
    return CycleItem(ALink, AForward);
}

bool TovBarSubMenuControlAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState AShift) {
    TCustomovBarControlAccessibilityHelper::TryNavigationKey(AKey, AShift);
    if (!IsOwnerAlive()) return true;
    TovBarHelperRef self(this);
    Menu()->StopAnimation(true);
    const bool withModifier = AShift.Contains(ssShift) || AShift.Contains(ssCtrl) || AShift.Contains(ssAlt);
    if (Menu()->HasMark()) {
        // A personalised menu shows its hidden items on Ctrl+Down, and on Down (or Tab) past the last
        // item shown, which then goes on to the next item.
        if (AKey == VK_DOWN && AShift == TShiftState{ssCtrl}) {
            Menu()->ExpandMenu();
            return true;
        }
        TovBarItemControl* selected = Menu()->SelectedControl();
        TovBarItemLinks* links = Menu()->ItemLinks();
        const bool onLast = selected != nullptr && links != nullptr &&
                            selected->ItemLink()->VisibleIndexOf() == links->VisibleItemCount() - 1;
        if ((AKey == VK_DOWN || (AKey == VK_TAB && !withModifier)) && onLast) {
            Menu()->ExpandMenu();
            if (!IsOwnerAlive()) return true;
            AKey = VK_DOWN;
        }
    }
    const bool byTab = AKey == VK_TAB;
    if (byTab) AKey = withModifier ? VK_UP : VK_DOWN;
    // The selected control's own keys first: Right on a sub-menu item opens its menu.
    if (Menu()->IsKeyForSelectedControl(AKey) || !IsOwnerAlive()) return true;
    switch (AKey) {
    case VK_LEFT:
    case VK_RIGHT:
        SelectSiblingMenu(AKey == VK_LEFT);
        break;
    case VK_UP:
    case VK_DOWN:
        SelectNextItem(AKey == VK_UP, byTab);
        break;
    default:
        break;
    }
    return true;
}

void TovBarSubMenuControlAccessibilityHelper::SelectNextItem(bool AUp, bool AByTab) {
    TovBarItemControl* selected = Menu()->SelectedControl();
    TovBarAccessibilityHelper* current = selected != nullptr ? ovBarItemControlHelper(selected) : nullptr;
    if (TovBarAccessibilityHelper* next = GetNextLink(current, !AUp)) {
        TovBarHelperRef self(this);
        BarNavigationController()->ChangeSelectedObject(AByTab, next, current);
        // A menu that scrolls brings the new item into view.
        if (IsOwnerAlive() && Menu()->SelectedControl() != nullptr)
            Menu()->MakeItemVisible(Menu()->SelectedControl());
    }
}

void TovBarSubMenuControlAccessibilityHelper::SelectSiblingMenu(bool ALeft) {
    TovBarNavigationController* controller = BarNavigationController();
    TovBarHelperRef self(this);
    if (TovBarItemControl* selected = Menu()->SelectedControl()) {
        TovBarAccessibilityHelper* current = ovBarItemControlHelper(selected);
        TovBarAccessibilityHelper* next = current->GetNextAccessibleObject(ALeft ? bndLeft : bndRight);
        if (next != nullptr && next->BarParent() != this) {
            controller->ChangeSelectedObject(false, next, current);
            return;
        }
    }
    // The toolbar at the root of the open menu chain moves to its neighbouring item.
    TCustomovBarControl* root = Menu()->ParentBarControl();
    while (root != nullptr && root->ParentBarControl() != nullptr)
        root = root->ParentBarControl();
    TCustomovBarControl* parent = Menu()->ParentBarControl();
    if (ALeft) {
        if (parent == nullptr || parent->SelectedControl() == nullptr) return;
        // In a sub-menu of a menu, Left closes this menu and leaves its opener selected.
        if (dynamic_cast<TovBarSubMenuControl*>(parent) != nullptr) {
            parent->SelectedControl()->ControlInactivate(true);
            return;
        }
    }
    auto* toolbar = dynamic_cast<TovBarControl*>(root);
    if (toolbar == nullptr) return;
    if (ALeft && toolbar->IsDockedVertically()) {
        Menu()->CloseUp(bcrEscape);
        return;
    }
    TovBarItemControl* opener = toolbar->SelectedControl();
    controller->ProcessKey(ALeft ? VK_LEFT : VK_RIGHT, {},
                           opener != nullptr ? ovBarItemControlHelper(opener) : nullptr,
                           ovBarControlHelper(toolbar));
}

void TovBarSubMenuControlAccessibilityHelper::GetItemKeyTipPosition(TovBarAccessibilityHelper* AItemHelper,
                                                                    TovBarKeyTipInfo& AInfo) {
    const TRect R = AItemHelper->ScreenBounds();
    const TPoint origin = Menu()->ClientToScreenPoint(TPoint{0, 0});
    AInfo.BasePoint = POINT{origin.x + Menu()->GetBandRect().right + Menu()->GetGlyphAreaWidth() / 2,
                            uiGetRangeCenter(R.top, R.bottom)};
    AInfo.HorzAlign = 1;
    AInfo.VertAlign = 1;
}

TovBarAccessibilityHelper* TovBarSubMenuControlAccessibilityHelper::KeyTipParent() {
    if (!IsOwnerAlive()) return nullptr;
    TCustomovBarControl* parent = Menu()->ParentBarControl();
    TovBarItemControl* opener = parent != nullptr ? parent->SelectedControl() : nullptr;
    return opener != nullptr ? ovBarItemControlHelper(opener) : nullptr;
}

void TovBarSubMenuControlAccessibilityHelper::EscapeFromKeyTips() {
    TovBarHelperRef self(this);
    TovBarHelperRef parent(KeyTipParent());
    TovBarHelperRef container(ovKeyTipContainerParentOf(parent.Get()));
    if (!container) container = parent;
    if (IsOwnerAlive()) Menu()->CloseUp(bcrEscape);
    if (container && container->IsOwnerAlive())
        BarNavigationController()->ShowKeyTips(container.Get(), {});
    else
        BarNavigationController()->EndKeyboardHandling();
}

void TovBarSubMenuControlAccessibilityHelper::ReleaseSelection() {
    if (IsOwnerAlive()) Menu()->SetSelectedControl(nullptr);
}

// ---- The toolbar mark

TovBarControlMarkAccessibilityHelper::TovBarControlMarkAccessibilityHelper(TovBarControl* AToolbar)
    : TovBarAccessibilityHelper(AToolbar), FToolbar(AToolbar) {}

void TovBarControlMarkAccessibilityHelper::MarkStateChanged(int AState) {
    if (AState == 1 && BarNavigationController()->NavigationMode())
        BarNavigationController()->ChangeSelectedObject(false, this);
}

TovBarManager* TovBarControlMarkAccessibilityHelper::OwningBarManager() {
    return IsOwnerAlive() ? FToolbar->GetBarManager() : nullptr;
}

bool TovBarControlMarkAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState AShift) {
    if (TovBarAccessibilityHelper::TryNavigationKey(AKey, AShift)) return true;
    if ((AKey == VK_RETURN || AKey == VK_SPACE) && IsOwnerAlive()) {
        TovBarHelperRef self(this);
        LoseSelection(nullptr);
        if (IsOwnerAlive()) FToolbar->SetMarkState(2);
        return true;
    }
    return false;
}

bool TovBarControlMarkAccessibilityHelper::AcceptsNavigationKey(WORD AKey) {
    return TovBarAccessibilityHelper::AcceptsNavigationKey(AKey) || AKey == VK_RETURN || AKey == VK_ESCAPE ||
           AKey == VK_SPACE;
}

void TovBarControlMarkAccessibilityHelper::Select(bool ASetFocus) {
    TovBarAccessibilityHelper::Select(ASetFocus);
    if (IsOwnerAlive()) FToolbar->Repaint();
}

void TovBarControlMarkAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarAccessibilityHelper::LoseSelection(ANext);
    if (IsOwnerAlive()) FToolbar->Repaint();
}

HWND TovBarControlMarkAccessibilityHelper::GetOwnerWindow() {
    return IsOwnerAlive() ? FToolbar->Handle() : nullptr;
}

TuiAccessibilityHelper* TovBarControlMarkAccessibilityHelper::GetParent() {
    return IsOwnerAlive() ? ovBarControlHelper(FToolbar) : nullptr;
}

void TovBarControlMarkAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (!IsOwnerAlive() || !GetVisible()) return;
    const TRect mark = FToolbar->GetMarkRectInWindow();
    const TRect window = BarScreenBounds(FToolbar);
    R = TRect{window.left + mark.left, window.top + mark.top, window.left + mark.right,
              window.top + mark.bottom};
}

LONG TovBarControlMarkAccessibilityHelper::GetState(int) {
    if (!IsOwnerAlive()) return STATE_SYSTEM_INVISIBLE;
    LONG state = ovBarControlHelper(FToolbar)->GetState(0);
    if (!FToolbar->HasMark() || IsEmptyBounds(FToolbar->GetMarkRectInWindow()))
        state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

// ---- Caption buttons

TovBarCaptionButtonsAccessibilityHelper::TovBarCaptionButtonsAccessibilityHelper(
    TovBarCaptionButtons* AButtons, TovBarControl* AToolbar)
    : TovBarAccessibilityHelper(AButtons), FButtons(AButtons), FToolbar(AToolbar) {}

TPoint TovBarCaptionButtonsAccessibilityHelper::WindowOrigin() {
    const TRect window = BarScreenBounds(FToolbar);
    return TPoint{window.left, window.top};
}

void TovBarCaptionButtonsAccessibilityHelper::UpdateStatesFromCursor() {
    if (!IsOwnerAlive()) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const TPoint origin = WindowOrigin();
    const POINT P{cursor.x - origin.x, cursor.y - origin.y};
    for (int i = 0; i < FButtons->Count(); ++i) {
        TovBarCaptionButton* button = FButtons->Items(i);
        if (!button->Enabled()) continue;
        const RECT& R = button->Bounds;
        const bool hot = P.x >= R.left && P.x < R.right && P.y >= R.top && P.y < R.bottom;
        button->SetState(hot ? cbsHot : cbsNormal);
    }
}

TovBarManager* TovBarCaptionButtonsAccessibilityHelper::OwningBarManager() {
    return IsOwnerAlive() ? FToolbar->GetBarManager() : nullptr;
}

void TovBarCaptionButtonsAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarAccessibilityHelper::LoseSelection(ANext);
    UpdateStatesFromCursor();
}

TuiAccessibilityHelper* TovBarCaptionButtonsAccessibilityHelper::ChildHelperAt(int AIndex) {
    if (!IsOwnerAlive() || AIndex < 0 || AIndex >= FButtons->Count()) return nullptr;
    return ovBarCaptionButtonHelper(FButtons, FButtons->Items(FButtons->Count() - AIndex - 1));
}

int TovBarCaptionButtonsAccessibilityHelper::GetChildCount() {
    return IsOwnerAlive() ? FButtons->Count() : 0;
}

int TovBarCaptionButtonsAccessibilityHelper::IndexOfChildHelper(TuiAccessibilityHelper* AHelper) {
    for (int i = 0; i < GetChildCount(); ++i)
        if (ChildHelperAt(i) == AHelper) return i;
    return -1;
}

HWND TovBarCaptionButtonsAccessibilityHelper::GetOwnerWindow() {
    return IsOwnerAlive() ? FToolbar->Handle() : nullptr;
}

TuiAccessibilityHelper* TovBarCaptionButtonsAccessibilityHelper::GetParent() {
    return IsOwnerAlive() ? ovBarControlHelper(FToolbar) : nullptr;
}

void TovBarCaptionButtonsAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (!IsOwnerAlive()) return;
    for (int i = 0; i < FButtons->Count(); ++i)
        R = UnionBounds(R, FButtons->Items(i)->Bounds);
    if (IsEmptyBounds(R)) return;
    const TPoint origin = WindowOrigin();
    R = TRect{R.left + origin.x, R.top + origin.y, R.right + origin.x, R.bottom + origin.y};
}

LONG TovBarCaptionButtonsAccessibilityHelper::GetState(int) {
    if (!IsOwnerAlive()) return STATE_SYSTEM_INVISIBLE;
    auto* parent = static_cast<TCustomovBarControlAccessibilityHelper*>(ovBarControlHelper(FToolbar));
    LONG state = parent->GetState(0);
    TRect R{0, 0, 0, 0};
    for (int i = 0; i < FButtons->Count(); ++i)
        R = UnionBounds(R, FButtons->Items(i)->Bounds);
    if (IsEmptyBounds(R) || parent->HidesChildren()) state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

TovBarCaptionButtonAccessibilityHelper::TovBarCaptionButtonAccessibilityHelper(
    TovBarCaptionButton* AButton, TovBarCaptionButtonsAccessibilityHelper* AParent)
    : TovBarAccessibilityHelper(AButton), FButton(AButton), FParent(AParent) {}

TovBarManager* TovBarCaptionButtonAccessibilityHelper::OwningBarManager() {
    return FParent ? FParent->OwningBarManager() : nullptr;
}

void TovBarCaptionButtonAccessibilityHelper::Click() {
    TovBarHelperRef self(this);
    LoseSelection(nullptr);
    if (IsOwnerAlive()) FButton->DoClick();
}

bool TovBarCaptionButtonAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState AShift) {
    if (TovBarAccessibilityHelper::TryNavigationKey(AKey, AShift)) return true;
    if (!IsOwnerAlive()) return false;
    if (AKey == VK_RETURN || AKey == VK_SPACE) {
        Click();
        return true;
    }
    if (AKey == VK_ESCAPE) {
        TovBarHelperRef self(this);
        LoseSelection(nullptr);
        if (FParent && FParent->IsOwnerAlive()) Parent()->Toolbar()->CloseUp(bcrEscape);
        return true;
    }
    return false;
}

bool TovBarCaptionButtonAccessibilityHelper::AcceptsNavigationKey(WORD AKey) {
    return TovBarAccessibilityHelper::AcceptsNavigationKey(AKey) || AKey == VK_RETURN || AKey == VK_ESCAPE ||
           AKey == VK_SPACE;
}

void TovBarCaptionButtonAccessibilityHelper::Select(bool ASetFocus) {
    TovBarAccessibilityHelper::Select(ASetFocus);
    if (FParent) Parent()->UpdateStatesFromCursor();
}

void TovBarCaptionButtonAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarAccessibilityHelper::LoseSelection(ANext);
    if (FParent) Parent()->UpdateStatesFromCursor();
}

TuiAccessibilityHelper* TovBarCaptionButtonAccessibilityHelper::GetParent() {
    return FParent.Get();
}

void TovBarCaptionButtonAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (!IsOwnerAlive() || !FParent || IsEmptyBounds(FButton->Bounds)) return;
    const TPoint origin = Parent()->WindowOrigin();
    const RECT& B = FButton->Bounds;
    R = TRect{B.left + origin.x, B.top + origin.y, B.right + origin.x, B.bottom + origin.y};
}

LONG TovBarCaptionButtonAccessibilityHelper::GetState(int) {
    if (!IsOwnerAlive() || !FParent) return STATE_SYSTEM_INVISIBLE;
    LONG state = FParent->GetState(0);
    if (IsEmptyBounds(FButton->Bounds)) state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

std::string TovBarCaptionButtonAccessibilityHelper::GetUserKeyTip() {
    return IsOwnerAlive() ? FButton->KeyTip : std::string();
}

void TovBarCaptionButtonAccessibilityHelper::GetKeyTipInfo(TovBarKeyTipInfo& AInfo) {
    TovBarAccessibilityHelper::GetKeyTipInfo(AInfo);
    if (!IsOwnerAlive()) return;
    if (AInfo.Visible) {
        const TRect R = ScreenBounds();
        AInfo.BasePoint.x = uiGetRangeCenter(R.left, R.right);
        AInfo.HorzAlign = 2;
        // Ordinary toolbars put the key tip below the button; ribbon toolbars choose their own place.
        int y = R.bottom;
        std::uint8_t vertAlign = 1;
        if (auto* toolbar =
                dynamic_cast<TovBarControlAccessibilityHelper*>(FParent ? FParent->BarParent() : nullptr)) {
            try {
                toolbar->GetCaptionButtonKeyTipPosition(FButton, y, vertAlign);
            } catch (const EovException&) {
            }
        }
        AInfo.BasePoint.y = y;
        AInfo.VertAlign = vertAlign;
    }
    AInfo.Enabled = FButton->Enabled();
}

void TovBarCaptionButtonAccessibilityHelper::ExecuteKeyTip(TObject*) {
    TovBarHelperRef self(this);
    BarNavigationController()->EndKeyboardHandling();
    if (IsOwnerAlive()) FButton->DoClick();
}
