#include "ui/bars/itemcontrols/WinControl.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/WindowProcChain.h"

#include <vector>

TovBarWinControlTabHandler& ovBarWinControlTabHandler() {
    static TovBarWinControlTabHandler handler;
    return handler;
}

namespace {

bool IsMouseMessage(UINT AMsg) {
    return (AMsg >= WM_MOUSEMOVE && AMsg <= WM_MBUTTONDBLCLK) || AMsg == WM_MOUSEWHEEL;
}

bool IsKeyHeld(int AKey) {
    return (::GetKeyState(AKey) & 0x8000) != 0;
}

} // namespace

TovBarWinControl::TovBarWinControl(TovBarItemLink* ALink) : TovBarItemControl(ALink) {}

TovBarWinControl::~TovBarWinControl() {
    DestroyInnerWindow(false);
}

TovBarWindowItem* TovBarWinControl::WindowItem() const {
    return dynamic_cast<TovBarWindowItem*>(Item());
}

// ---- Questions

void TovBarWinControl::EnabledChanged() {
    SetFocused(false);
    TovBarItemControl::EnabledChanged();
}

bool TovBarWinControl::CanClick() const {
    return ParentBar() != nullptr && ParentBar()->IsTextRotated();
}

bool TovBarWinControl::CanDeactivate(TovBarManager* AManager) {
    if (!TovBarItemControl::CanDeactivate(AManager)) return false;
    TovBarManager* own = GetBarManager();
    if (AManager == own) return true;
    // Another MDI child's manager takes over while this control does not move the focus itself.
    auto* other = dynamic_cast<TForm*>(AManager != nullptr ? AManager->GetMDIOrTopForm() : nullptr);
    auto* mine = dynamic_cast<TForm*>(own != nullptr ? own->GetParentForm() : nullptr);
    return other != nullptr && other->FormStyle() == fsMDIChild && mine != nullptr &&
           mine->FormStyle() == fsMDIForm && !FFocusing;
}

bool TovBarWinControl::CanSelect() const {
    TovBarItem* item = Item();
    return TovBarItemControl::CanSelect() && (item == nullptr || item->CanSelect);
}

void TovBarWinControl::ControlInactivate(bool AImmediately) {
    TovBarItemControl::ControlInactivate(AImmediately);
    SetFocused(false);
}

void TovBarWinControl::ControlMouseDown(bool AByMouse) {
    TWeakLink<TovBarItemControl> self(this);
    SetFocused(true);
    if (!self) return;
    TovBarItemControl::ControlMouseDown(AByMouse);
    if (self) ForwardMouseDown(AByMouse);
}

void TovBarWinControl::ControlMouseUp(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    HWND window = GetHandle();
    if (AByMouse && FFocused && parent != nullptr && parent->Handle() != nullptr && window != nullptr) {
        POINT p = parent->CurrentMousePosition();
        ::ScreenToClient(parent->Handle(), &p);
        if (!uiIsPointInRect(WindowRect(), p)) {
            const TMessage& current = parent->CurrentMessage();
            POINT inner = p;
            ::MapWindowPoints(parent->Handle(), window, &inner, 1);
            ::SendMessage(window, current.Msg != 0 ? current.Msg : WM_LBUTTONUP, current.WParam,
                          MAKELPARAM(inner.x, inner.y));
            return;
        }
    }
    TovBarItemControl::ControlMouseUp(AByMouse);
}

bool TovBarWinControl::ContainsWindow(HWND AWnd) const {
    if (TovBarItemControl::ContainsWindow(AWnd)) return true;
    HWND window = GetHandle();
    return window != nullptr && AWnd != nullptr && (AWnd == window || ::IsChild(window, AWnd));
}

TRect TovBarWinControl::WindowRect() const {
    if (!GetEnabled() || !ShowsEditor()) return TRect{};
    return FWindowRect;
}

void TovBarWinControl::SetWindowRect(const TRect& R) {
    if (FWindowRect.left == R.left && FWindowRect.top == R.top && FWindowRect.right == R.right &&
        FWindowRect.bottom == R.bottom)
        return;
    FWindowRect = R;
    HWND window = GetHandle();
    if (window != nullptr && ::IsWindowVisible(window)) {
        const int width = ShowsEditor() ? uiWidthOfRect(R) : 0,
                  height = ShowsEditor() ? uiHeightOfRect(R) : 0;
        ::SetWindowPos(window, nullptr, R.left, R.top, width, height, SWP_NOACTIVATE | SWP_NOZORDER);
        UpdateInnerRect();
    }
}

bool TovBarWinControl::InnerWindowVisible() const {
    HWND window = GetHandle();
    return window != nullptr && ::IsWindowVisible(window);
}

// ---- Text

std::string TovBarWinControl::GetText() const {
    HWND window = GetHandle();
    if (window == nullptr) {
        TovBarWindowItem* item = WindowItem();
        return item != nullptr ? item->GetText() : std::string();
    }
    // The whole text: an item's length limit is the user's input limit, never a reason to drop text.
    const auto length = static_cast<int>(::SendMessage(window, WM_GETTEXTLENGTH, 0, 0));
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = static_cast<int>(
        ::SendMessage(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(0, std::min(copied, length))));
}

void TovBarWinControl::SetText(const std::string& AText) {
    HWND window = GetHandle();
    if (window == nullptr) return;
    ::SetWindowText(window, AText.c_str());
    if (!ShowsEditor()) Repaint();
}

void TovBarWinControl::UpdateText() {
    if (TovBarWindowItem* item = WindowItem()) SetText(item->GetText());
}

void TovBarWinControl::StoreText() {
    if (GetHandle() == nullptr) return;
    if (TovBarWindowItem* item = WindowItem()) item->SetText(GetText());
}

// ---- Focus

void TovBarWinControl::SetFocused(bool AValue) {
    if (FFocused == AValue) return;
    TWeakLink<TovBarItemControl> self(this);
    TCustomovBarControl* parent = ParentBar();
    if (AValue) {
        HWND focus = ::GetFocus();
        if (focus != GetHandle()) FRememberedFocus = focus;
        FFocused = true;
        if (!IsActive()) ControlActivate(true, false);
        if (!self) return;
        if (parent != nullptr) parent->AfterSelectItemControl(this);
        if (!self) return;
        ShowInnerWindow();
    } else {
        FFocused = false;
        if (Destroying()) {
            // A control that goes loses its window with it: nothing is stored, the keyboard goes back.
            HideInnerWindow(false);
            GiveFocusBack();
            return;
        }
        TovBarManager* manager = GetBarManager();
        const bool escapeAlone = IsKeyHeld(VK_ESCAPE) && !IsKeyHeld(VK_CONTROL) && !IsKeyHeld(VK_MENU);
        const bool store = !escapeAlone || (manager != nullptr && manager->AlwaysSaveText);
        if (store) StoreText();
        if (!self) return;
        HideInnerWindow(false);
        if (!self) return;
        GiveFocusBack();
        if (!self) return;
    }
    Repaint();
}

void TovBarWinControl::GiveFocusBack() {
    TovBarManager* manager = GetBarManager();
    HWND remembered = FRememberedFocus;
    FRememberedFocus = nullptr;
    if (manager == nullptr || manager->BeingDestroyed()) return;
    HWND window = GetHandle();
    if (window != nullptr && ::GetFocus() != window && ::GetFocus() != nullptr &&
        !::IsChild(window, ::GetFocus()))
        return; // the keyboard went elsewhere on its own
    FFocusing = true;
    if (remembered != nullptr && ::IsWindow(remembered) && ::IsWindowVisible(remembered)) {
        ::SetFocus(remembered);
    } else if (TWinControl* owner = manager->OwnerWinControl();
               owner != nullptr && owner->HandleAllocated() && ::IsWindowVisible(owner->Handle())) {
        ::SetFocus(owner->Handle());
    }
    FFocusing = false;
}

void TovBarWinControl::HideInnerWindow(bool AStoreText) {
    if (HWND window = GetHandle()) ::ShowWindow(window, SW_HIDE);
    if (AStoreText) StoreText();
}

// ---- The hook on the inner window

void TovBarWinControl::CreateInnerWindow() {
    HWND window = GetHandle();
    if (window == nullptr || FHook != nullptr) return;
    FHook = uiWindowProcController()->AddHandleWindowProc(
        window, TuiWindowMethod([this](TMessage& AMessage) { HookProc(AMessage); }, this));
}

void TovBarWinControl::DestroyInnerWindow(bool ADestroyWindow) {
    if (FHook == nullptr) return;
    if (TuiWindowProcController* controller = uiWindowProcControllerIfExists())
        controller->RemoveWindowProc(FHook);
    FHook = nullptr;
}

void TovBarWinControl::HookProc(TMessage& AMessage) {
    TWeakLink<TovBarItemControl> self(this);
    try {
        InnerWndProc(AMessage);
    } catch (...) {
        // The window procedure goes on: the exception is the application's to report.
        if (TApplication* application = Application()) application->HandleException(nullptr);
    }
    (void)self;
}

void TovBarWinControl::CallInnerDefault(TMessage& AMessage) {
    if (FHook != nullptr) FHook->CallPrevWindowProc(AMessage);
}

TPoint TovBarWinControl::InnerPointToBar(LPARAM ALParam) const {
    POINT p{static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))};
    TCustomovBarControl* parent = ParentBar();
    if (parent != nullptr && parent->Handle() != nullptr && GetHandle() != nullptr)
        ::MapWindowPoints(GetHandle(), parent->Handle(), &p, 1);
    return p;
}

bool TovBarWinControl::MouseMessageHandled(TMessage& AMessage) {
    TCustomovBarControl* parent = ParentBar();
    if (AMessage.Msg == WM_RBUTTONDOWN) {
        // The bar's context menu, never the edit window's own.
        TWeakLink<TovBarItemControl> self(this);
        const TPoint p = InnerPointToBar(AMessage.LParam);
        MouseDown(mbRight, KeyboardStateToShiftState(), p.x, p.y);
        if (self && parent != nullptr && parent->Handle() != nullptr)
            ::SendMessage(parent->Handle(), WM_RBUTTONDOWN, AMessage.WParam, MAKELPARAM(p.x, p.y));
        return true;
    }
    if (AMessage.Msg == WM_MOUSEWHEEL || AMessage.Msg == WM_MOUSEMOVE) return false;
    HWND window = GetHandle();
    if (window != nullptr && ::GetCapture() == window) return false;
    const TPoint p = InnerPointToBar(AMessage.LParam);
    if (uiIsPointInRect(WindowRect(), p)) return false;
    // Beside the window but on the control: the press belongs to the control, not to the text.
    return uiIsPointInRect(GetBoundsRect(), p);
}

void TovBarWinControl::InnerWndProc(TMessage& AMessage) {
    TWeakLink<TovBarItemControl> self(this);
    switch (AMessage.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = static_cast<WORD>(AMessage.WParam);
        KeyDown(key, KeyDataToShiftState(AMessage.LParam));
        if (!self || GetHandle() == nullptr || key == 0) return;
        AMessage.WParam = key;
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(AMessage.WParam);
        KeyUp(key, KeyDataToShiftState(AMessage.LParam));
        if (!self || GetHandle() == nullptr || key == 0) return;
        AMessage.WParam = key;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(AMessage.WParam);
        KeyPress(key);
        if (!self || GetHandle() == nullptr || key == 0) return;
        AMessage.WParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_SETFOCUS:
        CallInnerDefault(AMessage);
        if (self)
            if (TovBarWindowItem* item = WindowItem()) item->DoEnter();
        return;
    case WM_KILLFOCUS: {
        TWeakLink<TovBarItem> item(Item());
        KillFocus(reinterpret_cast<HWND>(AMessage.WParam));
        if (!self) {
            if (auto* windowItem = dynamic_cast<TovBarWindowItem*>(item.Get())) windowItem->DoExit();
            return;
        }
        CallInnerDefault(AMessage);
        if (item)
            if (auto* windowItem = dynamic_cast<TovBarWindowItem*>(item.Get())) windowItem->DoExit();
        return;
    }
    case WM_COMMAND:
        if (HIWORD(AMessage.WParam) == EN_CHANGE && !FFocusing) {
            if (TovBarWindowItem* item = WindowItem()) item->CurChange();
            return;
        }
        break;
    case WM_DESTROY:
        FFocused = false;
        break;
    default:
        if (IsMouseMessage(AMessage.Msg) && MouseMessageHandled(AMessage)) return;
        break;
    }
    if (self) CallInnerDefault(AMessage);
}

void TovBarWinControl::KillFocus(HWND ANewFocus) {
    if (FFocusing) return;
    TCustomovBarControl* parent = ParentBar();
    if (FFocused) {
        CloseBarChain(bcrOther);
        return;
    }
    if (parent != nullptr && parent->Kind() == bckToolbar &&
        (ANewFocus == nullptr || !parent->OwnsWindow(ANewFocus))) {
        RemovePendingChars();
        CloseBarChain(bcrOther);
    }
}

void TovBarWinControl::CloseBarChain(TovBarCloseUpReason AReason) {
    if (TCustomovBarControl* parent = ParentBar()) parent->CloseUp(AReason);
}

void TovBarWinControl::RemovePendingChars() {
    HWND window = GetHandle();
    if (window == nullptr) return;
    MSG message{};
    while (::PeekMessage(&message, window, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
}

// ---- Keys

bool TovBarWinControl::IsMenuKeyDown(WORD AKey, TShiftState) const {
    return AKey == VK_F10 || AKey == VK_MENU;
}

bool TovBarWinControl::IsMenuKeyUp(WORD AKey, TShiftState) const {
    return AKey == VK_MENU;
}

bool TovBarWinControl::HandleMenuKeyDown(WORD AKey, TShiftState AShift) {
    ++FKeyPressedInside;
    if (AKey == VK_MENU) return true;
    if (AKey != VK_F10) return false;
    FKeyPressedInside = 0;
    TWeakLink<TovBarItemControl> self(this);
    CloseBarChain(bcrOther);
    if (AShift.Contains(ssShift)) return false;
    LRESULT result = 0;
    ovBarKeyboardHookProc(HC_ACTION, AKey, 0, result);
    return result != 0;
}

bool TovBarWinControl::HandleMenuKeyUp(WORD AKey, TShiftState AShift) {
    if (FKeyPressedInside == 0) return false;
    FKeyPressedInside = 0;
    if (AKey != VK_MENU || AShift.Contains(ssAlt)) return false;
    CloseBarChain(bcrOther);
    LRESULT result = 0;
    // A key-up: bit 31 of the key data.
    ovBarKeyboardHookProc(HC_ACTION, AKey, static_cast<LPARAM>(0xC0000001u), result);
    return result != 0;
}

void TovBarWinControl::KeyDown(WORD& AKey, TShiftState AShift) {
    if (IsMenuKeyDown(AKey, AShift)) {
        if (HandleMenuKeyDown(AKey, AShift)) AKey = 0;
        return;
    }
    TWeakLink<TovBarItemControl> self(this);
    if (TovBarWindowItem* item = WindowItem()) item->KeyDown(AKey, AShift);
    // The item's handler may have freed the item and with it this control.
    if (!self || GetHandle() == nullptr) {
        AKey = 0;
        return;
    }
    TCustomovBarControl* parent = ParentBar();
    switch (AKey) {
    case VK_TAB: {
        StoreText();
        if (self && InnerWindowVisible()) {
            RemovePendingChars();
            const bool forward = !AShift.Contains(ssShift);
            TovBarWinControlTabHandler& handler = ovBarWinControlTabHandler();
            if (!(handler && handler(this, forward)) && parent != nullptr) {
                WORD tab = VK_TAB;
                parent->ProcessNavigationKey(tab,
                                             AShift.Contains(ssShift) ? TShiftState{ssShift} : TShiftState{});
            }
        }
        AKey = 0;
        return;
    }
    case VK_RETURN: {
        if (TovBarItemLink* link = ItemLink()) {
            TovBarItemLink* source = link->GetSourceItemLink();
            if (source != link) source->MarkAsRecentlyUsed(true);
            link->MarkAsRecentlyUsed(true);
        }
        StoreText();
        if (self && InnerWindowVisible() && parent != nullptr) {
            TWeakLink<TCustomovBarControl> bar(parent);
            parent->ClearSelection();
            if (self) RemovePendingChars();
            if (bar) parent->CloseUp(bcrItemClick);
        }
        AKey = 0;
        return;
    }
    case VK_ESCAPE:
        if (parent != nullptr) {
            TWeakLink<TCustomovBarControl> bar(parent);
            parent->ClearSelection();
            if (self) RemovePendingChars();
            if (bar) parent->EditControlFinished(this);
        }
        AKey = 0;
        return;
    default:
        break;
    }
}

void TovBarWinControl::KeyUp(WORD& AKey, TShiftState AShift) {
    if (IsMenuKeyUp(AKey, AShift)) {
        if (HandleMenuKeyUp(AKey, AShift)) AKey = 0;
        return;
    }
    if (AShift.Contains(ssAlt)) FKeyPressedInside = 0;
    if (TovBarWindowItem* item = WindowItem()) item->KeyUp(AKey, AShift);
}

void TovBarWinControl::KeyPress(char& AKey) {
    if (TovBarWindowItem* item = WindowItem()) {
        TKeyChar key = static_cast<TKeyChar>(static_cast<unsigned char>(AKey));
        item->KeyPress(key);
        AKey = static_cast<char>(key);
    }
}

// ---- Mouse

void TovBarWinControl::ForwardMouseDown(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    HWND window = GetHandle();
    if (!AByMouse || parent == nullptr || parent->Handle() == nullptr || window == nullptr) return;
    POINT p = parent->CurrentMousePosition();
    ::ScreenToClient(parent->Handle(), &p);
    if (uiIsPointInRect(WindowRect(), p)) return;
    ::MapWindowPoints(parent->Handle(), window, &p, 1);
    WPARAM keys = MK_LBUTTON;
    if (::GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    const LPARAM at = MAKELPARAM(p.x, p.y);
    TWeakLink<TovBarItemControl> self(this);
    ::SendMessage(window, WM_LBUTTONDOWN, keys, at);
    // Menus click their items on the release: the press handed over then is a whole click.
    if (self && GetHandle() == window && ::GetKeyState(VK_LBUTTON) >= 0)
        ::SendMessage(window, WM_LBUTTONUP, keys & ~WPARAM(MK_LBUTTON), at);
}
