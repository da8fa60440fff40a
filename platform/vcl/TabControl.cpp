#include "platform/vcl/TabControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace tabcontrol_detail {

constexpr int TabPadding = 6;
constexpr int Lift = 2; // the current tab stands this much higher and wider

} // namespace tabcontrol_detail

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csAcceptsControls, csDoubleClicks, csOpaque};
    FWidth = 289;
    FHeight = 193;
    FColor = clBtnFace;
    SetTabStop(true);
}

int TCustomTabControl::TabHeight() const {
    return TabCount() > 0 ? StdCtrlsLineHeight(Font()) + 8 : 0;
}

RECT TCustomTabControl::DisplayRect() {
    RECT r = ClientRect();
    r.top += TabHeight();
    ::InflateRect(&r, -2, -2);
    return r;
}

void TCustomTabControl::AdjustClientRect(RECT& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    Rect.top += TabHeight();
    ::InflateRect(&Rect, -2, -2);
}

RECT TCustomTabControl::TabRect(int Position) {
    using namespace tabcontrol_detail;
    int left = Lift;
    for (int i = 0; i < TabCount(); ++i) {
        const int width = StdCtrlsTextExtent(Font(), StripHotkey(TabCaption(i))).cx + 2 * TabPadding;
        if (i == Position) return RECT{left, Lift, left + width, TabHeight()};
        left += width;
    }
    return RECT{0, 0, 0, 0};
}

int TCustomTabControl::TabAtPos(POINT Pos) {
    for (int i = 0; i < TabCount(); ++i) {
        RECT r = TabRect(i);
        if (i == CurrentTab()) ::InflateRect(&r, tabcontrol_detail::Lift, tabcontrol_detail::Lift);
        if (::PtInRect(&r, Pos)) return i;
    }
    return -1;
}

bool TCustomTabControl::ChangeTabByUser(int Position) {
    if (Position < 0 || Position >= TabCount() || Position == CurrentTab()) return false;
    bool allow = true;
    OnChanging(this, allow);
    if (!allow) return false;
    if (!SelectTab(Position)) return false;
    Invalidate();
    OnChange(this);
    return true;
}

void TCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        const int tab = TabAtPos(POINT{X, Y});
        if (tab >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            ChangeTabByUser(tab);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTabControl::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (TabCount() == 0) return;
    if (Key == VK_LEFT || Key == VK_UP) {
        ChangeTabByUser(std::max(0, CurrentTab() - 1));
        Key = 0;
    } else if (Key == VK_RIGHT || Key == VK_DOWN) {
        ChangeTabByUser(std::min(TabCount() - 1, CurrentTab() + 1));
        Key = 0;
    }
}

void TCustomTabControl::CMDialogKey(TMessage& Message) {
    // Ctrl+Tab turns the pages of the tab control that holds the focus.
    TCustomForm* form = GetParentForm();
    TWinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
    const bool inside = focused != nullptr && (focused == this || focused->HasParentChain(this));
    if (Message.WParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0 && inside && TabCount() > 1) {
        const bool back = ::GetKeyState(VK_SHIFT) < 0;
        const int count = TabCount();
        ChangeTabByUser((CurrentTab() + (back ? count - 1 : 1)) % count);
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(Message);
}

void TCustomTabControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGCHAR && Message.Result == 0) {
        // A tab's accelerator moves to it.
        for (int i = 0; i < TabCount(); ++i)
            if (IsAccel(static_cast<TKeyChar>(Message.WParam), TabCaption(i)) && Enabled()) {
                ChangeTabByUser(i);
                Message.Result = 1;
                return;
            }
    }
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) Invalidate();
    TCustomControl::Dispatch(Message);
}

void TCustomTabControl::Paint() {
    using namespace tabcontrol_detail;
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    RECT display{0, TabHeight(), client.right, client.bottom};
    ::DrawEdge(dc, &display, EDGE_RAISED, BF_RECT);
    for (int i = 0; i < TabCount(); ++i) {
        RECT r = TabRect(i);
        const bool current = i == CurrentTab();
        if (current) {
            r.left -= Lift;
            r.right += Lift;
            r.top -= Lift;
            r.bottom += 1; // joins the page, covering its top edge
        }
        StdCtrlsFill(dc, r, Color());
        StdCtrlsFill(dc, RECT{r.left, r.top + 2, r.left + 1, r.bottom}, clBtnHighlight);
        StdCtrlsFill(dc, RECT{r.left + 2, r.top, r.right - 2, r.top + 1}, clBtnHighlight);
        StdCtrlsFill(dc, RECT{r.left + 1, r.top + 1, r.left + 2, r.top + 2}, clBtnHighlight);
        StdCtrlsFill(dc, RECT{r.right - 2, r.top + 2, r.right - 1, r.bottom}, clBtnShadow);
        StdCtrlsFill(dc, RECT{r.right - 1, r.top + 2, r.right, r.bottom}, cl3DDkShadow);
        RECT text = r;
        StdCtrlsDrawCaption(dc, Font(), TabCaption(i), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                            Enabled(), ColorToRGB(Font()->Color()));
        if (current && Focused()) {
            RECT focus = r;
            ::InflateRect(&focus, -3, -3);
            ::DrawFocusRect(dc, &focus);
        }
    }
}

// ---- TTabControl

TTabControl::TTabControl(TComponent* AOwner)
    : TCustomTabControl(AOwner), FTabs(std::make_unique<TStringList>()) {
    FTabs->OnChange = [this](TObject*) {
        if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
        if (FTabIndex < 0 && FTabs->Count() > 0) FTabIndex = 0;
        Realign();
        Invalidate();
    };
}

TTabControl::~TTabControl() {
    FTabs->OnChange = nullptr;
}

TStrings* TTabControl::Tabs() const {
    return FTabs.get();
}

void TTabControl::SetTabIndex(int Value) {
    if (Value < -1 || Value >= FTabs->Count()) return;
    FTabIndex = Value;
    Invalidate();
}

int TTabControl::TabCount() const {
    return FTabs->Count();
}

std::string TTabControl::TabCaption(int Position) const {
    return FTabs->Strings(Position);
}

bool TTabControl::SelectTab(int Position) {
    FTabIndex = Position;
    return true;
}
