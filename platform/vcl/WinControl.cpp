#include "platform/vcl/WinControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace wincontrol_detail {
constexpr const char* kControlProp = "OlvaControl";
// The control whose window is being created: it takes the window's first messages.
thread_local TWinControl* CreationControl = nullptr;

std::string NoParentMessage(const std::string& Name) {
    return "Control '" + Name + "' has no parent window";
}
} // namespace wincontrol_detail

TWinControl* FindControl(HWND Handle) {
    if (Handle == nullptr) return nullptr;
    return static_cast<TWinControl*>(::GetProp(Handle, wincontrol_detail::kControlProp));
}

TCustomForm* GetParentForm(TControl* Control) {
    return Control != nullptr ? Control->GetParentForm() : nullptr;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
    FBrush = std::make_unique<TBrush>();
    FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
    // Leave the parent while the whole control still exists: the parent moves the focus away.
    if (FParent != nullptr) FParent->RemoveControl(this);
    DragManager().ControlDestroyed(this);
    if (Screen() != nullptr) Screen()->ControlDestroyed(this);
    if (FHandle != nullptr) {
        // The window's last messages must not reach a half-destroyed control.
        HWND handle = FHandle;
        RemoveWindowProps();
        FHandle = nullptr;
        ::DestroyWindow(handle);
    }
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        child->Free();
    }
}

void TWinControl::RemoveWindowProps() {
    if (FHandle != nullptr) ::RemoveProp(FHandle, wincontrol_detail::kControlProp);
}

// ---- Window handle

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle != nullptr) return;
    if (FParent != nullptr) FParent->HandleNeeded();
    CreateHandle();
}

void TWinControl::SetParentWindow(HWND Value) {
    if (FParent != nullptr || FParentWindow == Value) return;
    if (FHandle != nullptr && Value != nullptr)
        ::SetParent(FHandle, Value);
    else if (FHandle != nullptr)
        DestroyHandle();
    FParentWindow = Value;
    UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params = TCreateParams{};
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        Params.Style |= WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent != nullptr ? (FMeasuringFrame ? nullptr : FParent->Handle()) : FParentWindow;
    Params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW;
    if (FControlStyle.Contains(csDoubleClicks)) Params.WindowClassStyle |= CS_DBLCLKS;
    Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if (params.WndParent == nullptr && (params.Style & WS_CHILD) != 0)
        throw EInvalidOperation(wincontrol_detail::NoParentMessage(Name()));
    WNDCLASS existing;
    if (!::GetClassInfo(nullptr, params.WinClassName.c_str(), &existing)) {
        WNDCLASS wc;
        wc.style = params.WindowClassStyle;
        wc.lpfnWndProc = &TWinControl::MainWndProc;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = params.WinClassName.c_str();
        if (::RegisterClass(&wc) == 0) throw EOutOfResources("Error creating window class");
    }
    FDefWndProc = ::DefWindowProc;
    CreateWindowHandle(params);
    if (FHandle == nullptr) throw EOutOfResources("Error creating window");
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
    TWinControl* saved = wincontrol_detail::CreationControl;
    wincontrol_detail::CreationControl = this;
    HWND handle = ::CreateWindowEx(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                                   Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                                   Params.WndParent, nullptr, nullptr, Params.Param);
    wincontrol_detail::CreationControl = saved;
    if (handle != nullptr && FHandle == nullptr) {
        FHandle = handle;
        ::SetProp(handle, wincontrol_detail::kControlProp, this);
    }
}

void TWinControl::CreateHandle() {
    if (FHandle != nullptr) return;
    FControlState.Include(csCreating);
    try {
        CreateWnd();
    } catch (...) {
        FControlState.Exclude(csCreating);
        throw;
    }
    FControlState.Exclude(csCreating);
    // Windows of children that had one before keep their place in z-order above the new window's.
    for (TControl* child : FControls)
        child->UpdateAnchorRules();
    InitializeWindow();
}

void TWinControl::DestroyHandle() {
    if (FHandle == nullptr) return;
    for (TControl* child : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    FControlState.Include(csDestroyingHandle);
    HWND handle = FHandle;
    RemoveWindowProps();
    FHandle = nullptr;
    FShowing = false;
    if (handle != nullptr) ::DestroyWindow(handle);
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (FHandle == nullptr) return;
    FControlState.Include(csRecreating);
    const bool wasFocused = Focused();
    DestroyHandle();
    UpdateControlState();
    FControlState.Exclude(csRecreating);
    if (wasFocused && FHandle != nullptr && CanFocus()) ::SetFocus(FHandle);
}

LRESULT TWinControl::MainWndProc(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWinControl* control = FindControl(Handle);
    if (control == nullptr && wincontrol_detail::CreationControl != nullptr) {
        control = wincontrol_detail::CreationControl;
        wincontrol_detail::CreationControl = nullptr;
        control->FHandle = Handle;
        ::SetProp(Handle, wincontrol_detail::kControlProp, control);
    }
    if (control == nullptr) return ::DefWindowProc(Handle, Msg, WParam, LParam);
    return DeliverMessage(control, Msg, WParam, LParam);
}

LRESULT TWinControl::DeliverMessage(TWinControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    try {
        Control->WindowProc(message);
    } catch (Exception& e) {
        if (Application() != nullptr) Application()->HandleException(nullptr, &e);
    } catch (std::exception& e) {
        Exception wrapped(e.what());
        if (Application() != nullptr) Application()->HandleException(nullptr, &wrapped);
    }
    return message.Result;
}

// ---- Children

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c != nullptr; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT Pos, bool AllowDisabled, bool AllowWinControls) {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* control = *it;
        const bool windowed = dynamic_cast<TWinControl*>(control) != nullptr;
        if (windowed && !AllowWinControls) continue;
        if (!control->Visible() || (!control->Enabled() && !AllowDisabled)) continue;
        RECT bounds = control->BoundsRect();
        if (!::PtInRect(&bounds, Pos)) continue;
        POINT local{Pos.x - control->Left(), Pos.y - control->Top()};
        if (control->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0) return control;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
    if (AControl == nullptr || AControl->FParent == this) return;
    if (AControl->HasParentChain(this) == false && ContainsControl(AControl) == false &&
        dynamic_cast<TWinControl*>(AControl) != nullptr &&
        static_cast<TWinControl*>(AControl)->ContainsControl(this))
        throw EInvalidOperation("A control cannot have one of its children as parent");
    FControls.push_back(AControl);
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(win);
    AControl->FParent = this;
    AControl->UpdateAnchorRules();
    if (!ComponentState().Contains(csReading)) {
        AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    }
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        if (FHandle != nullptr) win->UpdateControlState();
    } else {
        AControl->Invalidate();
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto it = std::find(FControls.begin(), FControls.end(), AControl);
    if (it == FControls.end()) return;
    auto* win = static_cast<TWinControl*>(nullptr);
    for (TWinControl* w : FTabList)
        if (static_cast<TControl*>(w) == AControl) win = w;
    if (win != nullptr) {
        win->RemoveFocus(true);
        if (win->FHandle != nullptr && !win->ComponentState().Contains(csDestroying)) win->DestroyHandle();
    } else {
        AControl->InvalidateControl(AControl->Visible(), false);
    }
    if (GraphicCaptureControl() == AControl) SetCaptureControl(nullptr);
    FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), win), FTabList.end());
    AControl->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying)) {
        Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
        Realign();
    }
}

void TWinControl::Broadcast(TMessage& Message) {
    // Children may leave or be destroyed while they handle the message: walk a copy, checking each.
    std::vector<TControl*> children = FControls;
    for (TControl* child : children) {
        if (std::find(FControls.begin(), FControls.end(), child) == FControls.end()) continue;
        child->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg) {
    TMessage message{Msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::ShowControl(TControl* AControl) {
    if (FParent != nullptr) FParent->ShowControl(this);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    std::size_t start = 0;
    if (First != nullptr) {
        auto it = std::find(FControls.begin(), FControls.end(), First);
        if (it != FControls.end()) start = static_cast<std::size_t>(it - FControls.begin());
    }
    for (std::size_t i = start; i < FControls.size(); ++i) {
        TControl* control = FControls[i];
        if (dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
        RECT bounds = control->BoundsRect();
        if (!::RectVisible(DC, &bounds)) continue;
        if (FControlState.Contains(csPaintCopy)) control->FControlState.Include(csPaintCopy);
        const int saved = ::SaveDC(DC);
        POINT origin;
        ::GetWindowOrgEx(DC, &origin);
        ::SetWindowOrgEx(DC, origin.x - control->Left(), origin.y - control->Top(), nullptr);
        ::IntersectClipRect(DC, 0, 0, control->Width(), control->Height());
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        ::RestoreDC(DC, saved);
        control->FControlState.Exclude(csPaintCopy);
    }
}

// ---- Alignment

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0) {
        if (FControlState.Contains(csAlignmentNeeded)) Realign();
    }
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl) {
    if (ComponentState().Contains(csDestroying)) return;
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || FAligning) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FControlState.Exclude(csAlignmentNeeded);
    RECT rect = ClientRect();
    FAlignedClient = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    AlignControls(AControl, rect);
}

namespace wincontrol_detail {
// Whether C1 goes before C2 among the controls of one alignment.
bool InsertBefore(TControl* C1, TControl* C2, TAlign AAlign) {
    switch (AAlign) {
    case alTop:
        return C1->Top() < C2->Top();
    case alBottom:
        return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
    case alLeft:
        return C1->Left() < C2->Left();
    case alRight:
        return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
    default:
        return false;
    }
}
} // namespace wincontrol_detail

void TWinControl::DoAlign(TControl* AControl, TAlign AAlign, RECT& Rect) {
    std::vector<TControl*> list;
    if (AControl != nullptr && AControl->Align() == AAlign && AControl->Visible() &&
        std::find(FControls.begin(), FControls.end(), AControl) != FControls.end())
        list.push_back(AControl);
    for (TControl* control : FControls) {
        if (control == AControl || control->Align() != AAlign || !control->Visible()) continue;
        std::size_t j = 0;
        while (j < list.size() && !wincontrol_detail::InsertBefore(control, list[j], AAlign))
            ++j;
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), control);
    }
    for (TControl* control : list) {
        int left = Rect.left;
        int top = Rect.top;
        int width = Rect.right - Rect.left;
        int height = Rect.bottom - Rect.top;
        switch (AAlign) {
        case alTop:
            height = control->Height();
            break;
        case alBottom:
            height = control->Height();
            top = Rect.bottom - height;
            break;
        case alLeft:
            width = control->Width();
            break;
        case alRight:
            width = control->Width();
            left = Rect.right - width;
            break;
        case alCustom:
            left = control->Left();
            top = control->Top();
            width = control->Width();
            height = control->Height();
            break;
        default:
            break;
        }
        control->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
        // The control may have kept another size (constraints): the rest of the area follows it.
        switch (AAlign) {
        case alTop:
            Rect.top += control->Height();
            break;
        case alBottom:
            Rect.bottom -= control->Height();
            break;
        case alLeft:
            Rect.left += control->Width();
            break;
        case alRight:
            Rect.right -= control->Width();
            break;
        default:
            break;
        }
    }
}

void TWinControl::AnchorChildren(const RECT& Client) {
    for (TControl* control : FControls) {
        if (control->Align() != alNone || !control->FAnchorRulesValid) continue;
        const TAnchors anchors = control->Anchors();
        if (anchors == TAnchors{akLeft, akTop}) continue;
        int left = control->Left();
        int top = control->Top();
        int width = control->Width();
        int height = control->Height();
        if (anchors.Contains(akRight)) {
            if (anchors.Contains(akLeft))
                width = Client.right - control->FAnchorRight - left;
            else
                left = Client.right - control->FAnchorRight - width;
        }
        if (anchors.Contains(akBottom)) {
            if (anchors.Contains(akTop))
                height = Client.bottom - control->FAnchorBottom - top;
            else
                top = Client.bottom - control->FAnchorBottom - height;
        }
        const int keepRight = control->FAnchorRight;
        const int keepBottom = control->FAnchorBottom;
        control->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
        control->FAnchorRight = keepRight;
        control->FAnchorBottom = keepBottom;
    }
}

void TWinControl::AlignControls(TControl* AControl, RECT& Rect) {
    AdjustClientRect(Rect);
    FAligning = true;
    try {
        const RECT client = Rect;
        DoAlign(AControl, alTop, Rect);
        DoAlign(AControl, alBottom, Rect);
        DoAlign(AControl, alLeft, Rect);
        DoAlign(AControl, alRight, Rect);
        DoAlign(AControl, alClient, Rect);
        DoAlign(AControl, alCustom, Rect);
        AnchorChildren(client);
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
}

RECT TWinControl::ClientRect() const {
    if (FHandle != nullptr) {
        RECT r{0, 0, 0, 0};
        ::GetClientRect(FHandle, &r);
        return r;
    }
    // Without a window: the bounds less the frame the window would have.
    TCreateParams params;
    // Working out the window's styles changes nothing and makes no window.
    auto* self = const_cast<TWinControl*>(this);
    self->FMeasuringFrame = true;
    try {
        self->CreateParams(params);
    } catch (...) {
        self->FMeasuringFrame = false;
        throw;
    }
    self->FMeasuringFrame = false;
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    const int width = FWidth - (frame.right - frame.left);
    const int height = FHeight - (frame.bottom - frame.top);
    return RECT{0, 0, std::max(width, 0), std::max(height, 0)};
}

POINT TWinControl::ClientOrigin() {
    POINT p{0, 0};
    ::ClientToScreen(Handle(), &p);
    return p;
}

RECT TWinControl::WindowBoundsForHandle() {
    return BoundsRect();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!CheckNewSize(AWidth, AHeight)) return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (FHandle != nullptr && !::IsIconic(FHandle)) {
        FSettingBounds = true;
        ::SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        FSettingBounds = false;
    }
    UpdateAnchorRules();
    RequestAlign();
    if (resized) Realign();
    if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::ScaleBy(int M, int D) {
    if (M == D || D == 0) return;
    DisableAlign();
    std::vector<TControl*> children = FControls;
    for (TControl* child : children)
        child->ScaleBy(M, D);
    TControl::ScaleBy(M, D);
    EnableAlign();
}

void TWinControl::UpdateBounds() {
    if (FHandle == nullptr) return;
    RECT r;
    ::GetWindowRect(FHandle, &r);
    HWND parent = ::GetParent(FHandle);
    if ((::GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD) != 0 && parent != nullptr) {
        POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
        ::MapWindowPoints(nullptr, parent, corners, 2);
        r = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    if (r.left == FLeft && r.top == FTop && r.right - r.left == FWidth && r.bottom - r.top == FHeight) return;
    const bool resized = r.right - r.left != FWidth || r.bottom - r.top != FHeight;
    UpdateBoundsRect(r);
    RequestAlign();
    if (resized) {
        Realign();
        Resize();
    }
}

// ---- Focus and tabs

void TWinControl::SetTabStop(bool Value) {
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (FHandle != nullptr) {
        LONG style = ::GetWindowLong(FHandle, GWL_STYLE);
        style = Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        ::SetWindowLong(FHandle, GWL_STYLE, style);
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
    if (FParent == nullptr) return -1;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (FParent == nullptr) return;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    const int count = static_cast<int>(list.size());
    if (Value < 0 || Value > count) Value = count;
    list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
    for (TWinControl* control : FTabList) {
        List.push_back(control);
        control->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), CurControl);
    int start = it == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    do {
        if (GoForward) {
            if (++i == count) i = 0;
        } else {
            if (i == 0) i = count;
            --i;
        }
        TWinControl* candidate = list[static_cast<std::size_t>(i)];
        if (candidate->CanFocus() && (!CheckTabStop || candidate->TabStop()) &&
            (!CheckParent || candidate->Parent() == this))
            return candidate;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
    if (next != nullptr) next->SetFocus();
}

bool TWinControl::Focused() {
    return FHandle != nullptr && ::GetFocus() == FHandle;
}

bool TWinControl::CanFocus() {
    TCustomForm* form = GetParentForm();
    if (form == nullptr) return false;
    for (TControl* control = this; control != form; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm()) {
        form->FocusControl(this);
        return;
    }
    if (FParentWindow != nullptr) {
        ::SetFocus(Handle());
        return;
    }
    throw EInvalidOperation(wincontrol_detail::NoParentMessage(Name()));
}

void TWinControl::RemoveFocus(bool Removing) {
    if (TCustomForm* form = GetParentForm()) form->DefocusControl(this, Removing);
}

void TWinControl::UpdateUIState(WORD CharCode) {
    TCustomForm* form = GetParentForm();
    if (form == nullptr || !form->HandleAllocated()) return;
    if (CharCode == VK_LEFT || CharCode == VK_RIGHT || CharCode == VK_UP || CharCode == VK_DOWN ||
        CharCode == VK_TAB)
        ::SendMessage(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    else if (CharCode == VK_MENU)
        ::SendMessage(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
}

void TWinControl::DoEnter() {
    OnEnter(this);
}

void TWinControl::DoExit() {
    OnExit(this);
}

// ---- Look and painting

void TWinControl::SetParentBackground(bool Value) {
    if (ParentBackground() == Value) return;
    if (Value)
        FControlStyle.Include(csParentBackground);
    else
        FControlStyle.Exclude(csParentBackground);
    Invalidate();
}

TBrush* TWinControl::Brush() {
    return FBrush.get();
}

void TWinControl::Invalidate() {
    Perform(CM_INVALIDATE, 0, 0);
}

void TWinControl::Update() {
    if (FHandle != nullptr) ::UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::SetZOrder(bool TopMost) {
    if (FParent != nullptr) FParent->MoveChildZOrder(this, TopMost);
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::MoveChildZOrder(TControl* AControl, bool TopMost) {
    auto it = std::find(FControls.begin(), FControls.end(), AControl);
    if (it == FControls.end()) return;
    FControls.erase(it);
    if (TopMost)
        FControls.push_back(AControl);
    else
        FControls.insert(FControls.begin(), AControl);
    if (dynamic_cast<TWinControl*>(AControl) == nullptr) AControl->Invalidate();
}

void TWinControl::PaintWindow(HDC DC) {
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintHandler(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    PAINTSTRUCT ps;
    if (dc == nullptr) dc = ::BeginPaint(FHandle, &ps);
    const int saved = ::SaveDC(dc);
    int clip = SIMPLEREGION;
    for (TControl* control : FControls) {
        if (dynamic_cast<TWinControl*>(control) != nullptr) continue;
        if (control->Visible() && control->ControlStyle().Contains(csOpaque)) {
            clip = ::ExcludeClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(),
                                     control->Top() + control->Height());
            if (clip == NULLREGION) break;
        }
    }
    if (clip != NULLREGION) PaintWindow(dc);
    ::RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
    if (Message.WParam == 0) ::EndPaint(FHandle, &ps);
}

// ---- Message routing

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS: {
        TCustomForm* form = GetParentForm();
        if (form != nullptr && !form->SetFocusedControl(this)) return;
        break;
    }
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing)) return;
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(Message)) {
            if (Message.Result == 0 && FHandle != nullptr)
                ::DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
            return;
        }
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        if (Dragging()) return;
        break;
    case WM_CANCELMODE: {
        TControl* capture = GraphicCaptureControl();
        if (FHandle != nullptr && ::GetCapture() == FHandle && capture != nullptr &&
            capture->Parent() == this)
            capture->Perform(WM_CANCELMODE, 0, 0);
        break;
    }
    default:
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* control = nullptr;
    POINT p = MessagePoint(Message);
    if (FHandle != nullptr && ::GetCapture() == FHandle) {
        TControl* capture = GraphicCaptureControl();
        if (capture != nullptr && capture->Parent() == this) control = capture;
    } else {
        control = ControlAtPos(p, false);
    }
    if (control == nullptr) return false;
    POINT local{p.x - control->Left(), p.y - control->Top()};
    Message.Result = control->Perform(Message.Msg, Message.WParam, PointToLParam(local));
    return true;
}

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        WMPaint(Message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        break;
    case WM_PRINTCLIENT:
        WMPrintClient(Message);
        return;
    case WM_SETFOCUS:
        WMSetFocus(Message);
        break;
    case WM_KILLFOCUS:
        WMKillFocus(Message);
        break;
    case WM_KEYDOWN:
        WMKeyDown(Message);
        break;
    case WM_SYSKEYDOWN:
        WMSysKeyDown(Message);
        break;
    case WM_KEYUP:
        WMKeyUp(Message);
        break;
    case WM_SYSKEYUP:
        WMSysKeyUp(Message);
        break;
    case WM_CHAR:
        WMChar(Message);
        break;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(Message);
        break;
    case WM_SIZE:
        WMSize(Message);
        break;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        break;
    case WM_NCDESTROY:
        WMNCDestroy(Message);
        break;
    case WM_GETDLGCODE:
        WMGetDlgCode(Message);
        break;
    case WM_COMMAND:
        WMCommand(Message);
        break;
    case WM_NOTIFY:
        WMNotify(Message);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        WMScroll(Message);
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        WMCtlColor(Message);
        break;
    case CN_KEYDOWN:
        CNKeyDown(Message);
        break;
    case CN_KEYUP:
        CNKeyUp(Message);
        break;
    case CN_CHAR:
        CNChar(Message);
        break;
    case CN_SYSKEYDOWN:
        CNSysKeyDown(Message);
        break;
    case CN_SYSCHAR:
        CNSysChar(Message);
        break;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(Message);
        break;
    case CM_FOCUSCHANGED:
        CMFocusChanged(Message);
        break;
    case CM_ENTER:
        CMEnter(Message);
        break;
    case CM_EXIT:
        CMExit(Message);
        break;
    case CM_SHOWINGCHANGED:
        CMShowingChanged(Message);
        break;
    case CM_CTL3DCHANGED:
        CMCtl3DChanged(Message);
        break;
    case CM_SHOWHINTCHANGED:
        CMShowHintChanged(Message);
        break;
    case CM_INVALIDATE:
        CMInvalidate(Message);
        break;
    case CM_SYSCOLORCHANGE:
        CMSysColorChangeBroadcast(Message);
        break;
    case CM_CHILDKEY:
        CMChildKey(Message);
        break;
    case CM_CANCELMODE:
        CMCancelMode(Message);
        break;
    case CM_RECREATEWND:
        CMRecreateWnd(Message);
        break;
    default:
        TControl::Dispatch(Message);
        break;
    }
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (FHandle == nullptr) {
        TControl::DefaultHandler(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        TControl::DefaultHandler(Message);
        return;
    case WM_SETTEXT:
        Message.Result = ::CallWindowProc(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
        FText = Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "";
        Perform(CM_TEXTCHANGED, 0, 0);
        return;
    case WM_CONTEXTMENU:
        // The window system would pass it to the parent window; controls already did.
        return;
    default:
        break;
    }
    Message.Result = ::CallWindowProc(FDefWndProc != nullptr ? FDefWndProc : ::DefWindowProc, FHandle,
                                      Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::SetTextBuf(const std::string& Value) {
    FText = Value;
    if (FHandle != nullptr) ::SetWindowText(FHandle, Value.c_str());
}

// ---- Painting messages

void TWinControl::WMPaint(TMessage& Message) {
    if (!FDoubleBuffered || Message.WParam != 0) {
        PaintHandler(Message);
        return;
    }
    RECT client = ClientRect();
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap =
        ::CreateCompatibleBitmap(screen, std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
    ::ReleaseDC(nullptr, screen);
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(FHandle, &ps);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
    TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(memory), 0, 0};
    WMPaint(inner);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::EndPaint(FHandle, &ps);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);
}

void TWinControl::WMPrintClient(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    if (dc == nullptr || ((Message.LParam & PRF_CHECKVISIBLE) && !Visible())) return;
    FControlState.Include(csPrintClient);
    try {
        Perform(WM_PAINT, Message.WParam, 0);
    } catch (...) {
        FControlState.Exclude(csPrintClient);
        throw;
    }
    FControlState.Exclude(csPrintClient);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    if (dc == nullptr) return;
    RECT client = ClientRect();
    FBrush->SetColor(FColor);
    ::FillRect(dc, &client, FBrush->Handle());
    Message.Result = 1;
}

// ---- Focus messages

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
}

void TWinControl::WMKillFocus(TMessage& Message) {
    DefaultHandler(Message);
}

// ---- Keyboard messages

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(TKeyChar& Key) {
    OnKeyPress(this, Key);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    OnKeyUp(this, Key, Shift);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    TCustomForm* form = GetParentForm();
    if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyDown(Message)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyDown(key, KeyDataToShiftState(Message.LParam));
        Message.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    TCustomForm* form = GetParentForm();
    if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        TKeyChar key = static_cast<TKeyChar>(Message.WParam);
        KeyPress(key);
        Message.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
    TCustomForm* form = GetParentForm();
    if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyUp(Message)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyUp(key, KeyDataToShiftState(Message.LParam));
        Message.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

void TWinControl::WMKeyDown(TMessage& Message) {
    if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyDown(TMessage& Message) {
    if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
    if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyUp(TMessage& Message) {
    if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
    if (!DoKeyPress(Message)) DefaultHandler(Message);
}

bool TWinControl::IsMenuKey(TMessage& Message) {
    if (!ComponentState().Contains(csDesigning)) {
        for (TControl* control = this; control != nullptr; control = control->Parent()) {
            TPopupMenu* menu = control->GetPopupMenu();
            if (menu != nullptr && menu->IsShortCut(Message)) return true;
        }
        TCustomForm* form = GetParentForm();
        if (form != nullptr && form->IsShortCut(Message)) return true;
    }
    return Application() != nullptr && Application()->AppKeyDown(Message.WParam, Message.LParam);
}

namespace wincontrol_detail {
constexpr WPARAM kVkExecute = 0x2B;

LRESULT DialogKeyMask(WPARAM CharCode) {
    switch (CharCode) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case kVkExecute:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}
} // namespace wincontrol_detail

void TWinControl::CNKeyDown(TMessage& Message) {
    Message.Result = 1;
    UpdateUIState(static_cast<WORD>(Message.WParam));
    TWeakLink<TWinControl> self(this);
    if (IsMenuKey(Message) || !self) return;
    if (!ComponentState().Contains(csDesigning)) {
        if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0 || !self) return;
        const LRESULT mask = wincontrol_detail::DialogKeyMask(Message.WParam);
        if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 &&
            (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
            TCustomForm* form = GetParentForm();
            if (form != nullptr && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
        }
    }
    Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
    Message.Result = 1;
    if (!ComponentState().Contains(csDesigning) && (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
        TCustomForm* form = GetParentForm();
        if (form != nullptr && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& Message) {
    Message.Result = 1;
    TWeakLink<TWinControl> self(this);
    if (IsMenuKey(Message) || !self) return;
    if (!ComponentState().Contains(csDesigning)) {
        if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysChar(TMessage& Message) {
    if (ComponentState().Contains(csDesigning) || Message.WParam == VK_SPACE) return;
    TCustomForm* form = GetParentForm();
    if (form != nullptr) Message.Result = form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
}

void TWinControl::CMChildKey(TMessage& Message) {
    if (FParent != nullptr) Message.Result = FParent->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

// ---- Notifications from child windows

bool TWinControl::DoControlMsg(HWND ControlHandle, TMessage& Message) {
    TWinControl* control = FindControl(ControlHandle);
    if (control == nullptr || control == this) return false;
    Message.Result = control->Perform(Message.Msg + CN_BASE, Message.WParam, Message.LParam);
    return true;
}

void TWinControl::WMCommand(TMessage& Message) {
    if (!DoControlMsg(reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

void TWinControl::WMNotify(TMessage& Message) {
    // The notification header starts with the sender's window.
    auto* from = reinterpret_cast<HWND*>(Message.LParam);
    if (from == nullptr || !DoControlMsg(*from, Message)) DefaultHandler(Message);
}

void TWinControl::WMScroll(TMessage& Message) {
    if (Message.LParam == 0 || !DoControlMsg(reinterpret_cast<HWND>(Message.LParam), Message))
        DefaultHandler(Message);
}

void TWinControl::WMCtlColor(TMessage& Message) {
    if (!DoControlMsg(reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

// ---- Window state

void TWinControl::WMWindowPosChanged(TMessage& Message) {
    DefaultHandler(Message);
    if (!FSettingBounds) UpdateBounds();
}

void TWinControl::WMSize(TMessage& Message) {
    DefaultHandler(Message);
    if (FSettingBounds) return;
    UpdateBounds();
    if (FHandle == nullptr || FAlignedClient.cx < 0) return;
    const RECT client = ClientRect();
    if (client.right - client.left != FAlignedClient.cx || client.bottom - client.top != FAlignedClient.cy)
        Realign();
}

void TWinControl::WMSetCursor(TMessage& Message) {
    if (reinterpret_cast<HWND>(Message.WParam) == FHandle && SHORT(LOWORD(Message.LParam)) == HTCLIENT) {
        TCursor cursor = Screen() != nullptr ? Screen()->Cursor() : crDefault;
        if (cursor == crDefault) {
            POINT p;
            ::GetCursorPos(&p);
            TControl* control = ControlAtPos(ScreenToClient(p), false);
            cursor = control != nullptr ? control->Cursor() : Cursor();
        }
        if (cursor != crDefault && Screen() != nullptr) {
            ::SetCursor(Screen()->Cursors(cursor));
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMNCDestroy(TMessage& Message) {
    DefaultHandler(Message);
    if (FHandle != nullptr) ::RemoveProp(FHandle, wincontrol_detail::kControlProp);
    FHandle = nullptr;
    FShowing = false;
}

void TWinControl::UpdateShowing() {
    const bool show = FVisible && !FControlState.Contains(csReadingState);
    if (show) {
        if (FHandle == nullptr) CreateHandle();
        std::vector<TWinControl*> children = FTabList;
        for (TWinControl* child : children)
            child->UpdateShowing();
    }
    if (FHandle != nullptr && FShowing != show) {
        FShowing = show;
        try {
            Perform(CM_SHOWINGCHANGED, 0, 0);
        } catch (...) {
            FShowing = !show;
            throw;
        }
    }
}

void TWinControl::UpdateControlState() {
    TWinControl* control = this;
    while (control->FParent != nullptr) {
        control = control->FParent;
        if (!control->Showing()) return;
    }
    if (dynamic_cast<TCustomForm*>(control) != nullptr || control->FParentWindow != nullptr) UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
    if (FHandle == nullptr) return;
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                       SWP_NOACTIVATE);
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (!FVisible && FParent != nullptr) RemoveFocus(false);
    if (!ComponentState().Contains(csDesigning)) UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage&) {
    if (!Enabled() && FParent != nullptr) RemoveFocus(false);
    if (FHandle != nullptr) ::EnableWindow(FHandle, Enabled() ? TRUE : FALSE);
    Invalidate();
}

void TWinControl::CMFontChanged(TMessage& Message) {
    TControl::CMFontChanged(Message);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& Message) {
    FBrush->SetColor(FColor);
    TControl::CMColorChanged(Message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
    NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMInvalidate(TMessage& Message) {
    if (FHandle == nullptr || ComponentState().Contains(csDestroying)) return;
    if (FParent != nullptr) FParent->Perform(CM_INVALIDATE, 1, 0);
    if (Message.WParam == 0)
        ::InvalidateRect(FHandle, nullptr, FControlStyle.Contains(csOpaque) ? FALSE : TRUE);
}

void TWinControl::CMSysColorChangeBroadcast(TMessage& Message) {
    std::vector<TControl*> children = FControls;
    for (TControl* child : children)
        child->Perform(CM_SYSCOLORCHANGE, 0, 0);
    Invalidate();
}

void TWinControl::CMCancelMode(TMessage& Message) {
    // Sent to the control that had the focus when another one took the mouse.
}

void TWinControl::CMRecreateWnd(TMessage&) {
    RecreateWnd();
}
