#include "platform/vcl/Form.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace form_detail {
// Counts focus changes, so that a focus notification can tell whether its handler moved the focus on.
int FocusCount = 0;

constexpr const char* SCannotFocus = "Cannot focus a disabled or invisible window";
constexpr const char* SCannotShowModal = "Cannot make a visible window modal";

// Sends a focus message to a control; false when the focus moved meanwhile (or the control died).
bool SendFocusMessage(TWinControl* Control, UINT Msg) {
    const int saved = FocusCount;
    TWeakLink<TWinControl> alive(Control);
    Control->Perform(Msg, 0, 0);
    return alive && FocusCount == saved;
}
} // namespace form_detail

TCustomForm* ValidParentForm(TControl* Control) {
    TCustomForm* form = GetParentForm(Control);
    if (form == nullptr)
        throw EInvalidOperation("Control '" + (Control != nullptr ? Control->Name() : std::string()) +
                                "' has no parent form");
    return form;
}

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FFormState.Include(fsCreating);
    ControlStyle() =
        TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FVisible = false;
    FColor = clBtnFace;
    Brush()->SetColor(clBtnFace);
    SetParentColor(false);
    SetParentFont(false);
    FLeft = 0;
    FTop = 0;
    FWidth = 320;
    FHeight = 240;
    if (Screen() != nullptr) Screen()->AddForm(this);
}

TCustomForm::~TCustomForm() {
    // Free fires OnDestroy in BeforeDestruction, while the whole form exists. A plain delete reaches
    // here with the derived part already gone: a handler of the form's own would run on what is left
    // of it, so it is not called (such a form does its clean-up in its destructor); a handler of
    // another object still hears of the end.
    if (!FDestroyFired && OnDestroy.Object() != static_cast<const void*>(this)) DoDestroy();
    if (Screen() != nullptr) Screen()->RemoveForm(this);
    if (Application() != nullptr) Application()->FormDestroyed(this);
    if (FMenu != nullptr) FMenu->RemoveFreeNotification(this);
}

void TCustomForm::BeforeDestruction() {
    if (!FDestroyFired) DoDestroy();
    TScrollingWinControl::BeforeDestruction();
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    FFormState.Exclude(fsCreating);
    DoCreate();
    // A form made visible while it was being built shows once it is complete.
    if (FFormState.Contains(fsVisible)) {
        FFormState.Exclude(fsVisible);
        SetVisible(true);
    }
}

void TCustomForm::DoCreate() {
    OnCreate(this);
}

void TCustomForm::DoDestroy() {
    FDestroyFired = true;
    OnDestroy(this);
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    const int screenPpi = Screen() != nullptr ? Screen()->PixelsPerInch() : 96;
    if (FScaled && FPixelsPerInch != screenPpi) ScaleBy(screenPpi, FPixelsPerInch);
    FPixelsPerInch = screenPpi;
    if (FActiveControl != nullptr) FFocusedControl = FActiveControl;
}

void TCustomForm::ScaleBy(int M, int D) {
    // A top-level form keeps its place; its client area and what is on it scale.
    if (M == D || D == 0) return;
    const RECT client = ClientRect();
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ScaleBy(M, D);
    if (!ParentFont()) Font()->SetHeight(MulDiv(Font()->Height(), M, D));
    EnableAlign();
    SetClientSize(MulDiv(client.right, M, D), MulDiv(client.bottom, M, D));
}

// ---- Frame

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (FFormStyle == Value) return;
    if (Value == fsMDIChild || Value == fsMDIForm) throw EInvalidOperation("MDI forms are not supported");
    FFormStyle = Value;
    if (HandleAllocated())
        ::SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetMenu(TMainMenu* Value) {
    if (FMenu == Value) return;
    if (FMenu != nullptr) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    Params.ExStyle = 0;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    switch (FBorderStyle) {
    case bsNone:
        Params.Style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        Params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
            if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (FAlphaBlend || FTransparentColor) Params.ExStyle |= WS_EX_LAYERED;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    // Other forms are owned by the main form, so they stay above it.
    Params.WndParent = nullptr;
    if (Application() != nullptr && Application()->MainForm() != nullptr &&
        Application()->MainForm() != this && Application()->MainForm()->HandleAllocated())
        Params.WndParent = Application()->MainForm()->Handle();
    Params.WindowClassStyle |= CS_DBLCLKS;
}

void TCustomForm::CreateWnd() {
    TScrollingWinControl::CreateWnd();
    ApplyLayeredAttributes();
}

void TCustomForm::InitializeWindow() {
    UpdateBounds();
}

void TCustomForm::ApplyLayeredAttributes() {
    if (!HandleAllocated()) return;
    const LONG ex = ::GetWindowLong(FHandle, GWL_EXSTYLE);
    if (!FAlphaBlend && !FTransparentColor) {
        if (ex & WS_EX_LAYERED) ::SetWindowLong(FHandle, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        return;
    }
    if (!(ex & WS_EX_LAYERED)) ::SetWindowLong(FHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    DWORD flags = 0;
    if (FAlphaBlend) flags |= LWA_ALPHA;
    if (FTransparentColor) flags |= LWA_COLORKEY;
    ::SetLayeredWindowAttributes(FHandle, ColorToRGB(FTransparentColorValue),
                                 FAlphaBlend ? FAlphaBlendValue : 255, flags);
}

void TCustomForm::SetAlphaBlend(bool Value) {
    if (FAlphaBlend == Value) return;
    FAlphaBlend = Value;
    ApplyLayeredAttributes();
}

void TCustomForm::SetAlphaBlendValue(BYTE Value) {
    if (FAlphaBlendValue == Value) return;
    FAlphaBlendValue = Value;
    ApplyLayeredAttributes();
}

void TCustomForm::SetTransparentColor(bool Value) {
    if (FTransparentColor == Value) return;
    FTransparentColor = Value;
    ApplyLayeredAttributes();
}

void TCustomForm::SetTransparentColorValue(TColor Value) {
    if (FTransparentColorValue == Value) return;
    FTransparentColorValue = Value;
    ApplyLayeredAttributes();
}

void TCustomForm::SetWindowState(TWindowState Value) {
    if (FWindowState == Value) return;
    FWindowState = Value;
    if (HandleAllocated() && Showing()) {
        static constexpr int commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
        ::ShowWindow(FHandle, commands[Value]);
    }
}

// ---- Showing

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::UpdateShowing() {
    // A form made visible while it is still being built shows when it is complete.
    if (FVisible && FFormState.Contains(fsCreating)) {
        FFormState.Include(fsVisible);
        FVisible = false;
        return;
    }
    TScrollingWinControl::UpdateShowing();
}

void TCustomForm::DoShow() {
    OnShow(this);
}

void TCustomForm::DoHide() {
    OnHide(this);
}

void TCustomForm::ApplyPosition() {
    if (FPositioned) return;
    FPositioned = true;
    RECT area{0, 0, 0, 0};
    auto workOf = [](HWND window) {
        MONITORINFO info;
        info.cbSize = sizeof(info);
        ::GetMonitorInfo(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
        return info.rcWork;
    };
    auto primaryWork = [] {
        MONITORINFO info;
        info.cbSize = sizeof(info);
        ::GetMonitorInfo(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
        return info.rcWork;
    };
    TCustomForm* mainForm = Application() != nullptr ? Application()->MainForm() : nullptr;
    TCustomForm* centerOn = nullptr;
    switch (FPosition) {
    case poScreenCenter: {
        area = primaryWork();
        TCustomForm* reference = nullptr;
        if (FDefaultMonitor == dmMainForm) reference = mainForm;
        if (FDefaultMonitor == dmActiveForm && Screen() != nullptr) reference = Screen()->ActiveForm();
        if (reference != nullptr && reference != this && reference->HandleAllocated())
            area = workOf(reference->Handle());
        if (FDefaultMonitor == dmDesktop) area = olva::win::VirtualScreen();
        break;
    }
    case poDesktopCenter:
        area = olva::win::VirtualScreen();
        break;
    case poMainFormCenter:
        centerOn = mainForm;
        break;
    case poOwnerFormCenter:
        centerOn = dynamic_cast<TCustomForm*>(Owner());
        break;
    default:
        return;
    }
    if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
        if (centerOn == nullptr || centerOn == this || !centerOn->HandleAllocated())
            area = primaryWork();
        else
            area = centerOn->BoundsRect();
    }
    const int left = area.left + (area.right - area.left - FWidth) / 2;
    const int top = area.top + (area.bottom - area.top - FHeight) / 2;
    SetBounds(left, top, FWidth, FHeight);
}

void TCustomForm::CMShowingChanged(TMessage&) {
    if (!HandleAllocated()) return;
    if (FShowing) {
        FFormState.Include(fsShowing);
        try {
            DoShow();
            ApplyPosition();
        } catch (...) {
            FFormState.Exclude(fsShowing);
            throw;
        }
        FFormState.Exclude(fsShowing);
        static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ::ShowWindow(FHandle, commands[FWindowState]);
        if (FFormStyle == fsStayOnTop)
            ::SetWindowPos(FHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        DoHide();
        if (!HandleAllocated()) return;
        const bool wasActive = ::GetActiveWindow() == FHandle;
        ::ShowWindow(FHandle, SW_HIDE);
        if (wasActive && FActive) SetActive(false);
    }
}

void TCustomForm::Close() {
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    TWeakLink<TCustomForm> self(this);
    DoClose(action);
    if (!self || action == caNone) return;
    if (Application() != nullptr && Application()->MainForm() == this)
        Application()->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    OnClose(this, Action);
}

void TCustomForm::Release() {
    ::PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

int TCustomForm::ShowModal() {
    if (FVisible || !Enabled() || FFormState.Contains(fsModal))
        throw EInvalidOperation(form_detail::SCannotShowModal);
    if (HWND capture = ::GetCapture()) ::SendMessage(capture, WM_CANCELMODE, 0, 0);
    ::ReleaseCapture();
    FFormState.Include(fsModal);
    TWeakLink<TCustomForm> self(this);
    HWND previousActive = ::GetActiveWindow();
    TCustomForm* previousFocused = Screen() != nullptr ? Screen()->FocusedForm() : nullptr;
    TWeakLink<TCustomForm> previousFocusedLink(previousFocused);
    TCursor savedCursor = Screen() != nullptr ? Screen()->Cursor() : crDefault;
    if (Screen() != nullptr) Screen()->SetCursor(crDefault);
    // Every other shown, enabled top-level window of the program waits while the form is modal: forms,
    // and windows that are not forms (floating toolbars) alike.
    std::vector<HWND> disabled;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND Window, LPARAM List) -> BOOL {
            if (::IsWindowVisible(Window) && ::IsWindowEnabled(Window))
                reinterpret_cast<std::vector<HWND>*>(List)->push_back(Window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled)
        ::EnableWindow(window, FALSE);
    int result = mrNone;
    auto restore = [&] {
        for (HWND window : disabled)
            if (::IsWindow(window)) ::EnableWindow(window, TRUE);
        if (previousActive != nullptr && ::IsWindow(previousActive)) ::SetActiveWindow(previousActive);
        if (Screen() != nullptr) {
            Screen()->SetCursor(savedCursor);
            if (previousFocusedLink) Screen()->SetFocusedForm(previousFocusedLink.Get());
        }
    };
    try {
        if (Application() != nullptr) Application()->ModalStarted();
        Show();
        Perform(CM_ACTIVATE, 0, 0);
        FModalResult = mrNone;
        do {
            if (Application() == nullptr) break;
            Application()->HandleMessage();
            if (!self) break;
            if (Application()->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        } while (self && FModalResult == mrNone);
        if (self) {
            result = FModalResult;
            Perform(CM_DEACTIVATE, 0, 0);
            Hide();
            FFormState.Exclude(fsModal);
        }
    } catch (...) {
        if (self) {
            Hide();
            FFormState.Exclude(fsModal);
        }
        restore();
        if (Application() != nullptr) Application()->ModalFinished();
        throw;
    }
    restore();
    if (Application() != nullptr) Application()->ModalFinished();
    return result;
}

// ---- Focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    if (Control != nullptr && (Control == this || Control->GetParentForm() != this ||
                               (!ComponentState().Contains(csLoading) && !Control->CanFocus())))
        throw EInvalidOperation(form_detail::SCannotFocus);
    FActiveControl = Control;
    if (!ComponentState().Contains(csLoading) && FActive) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
    const bool wasActive = FActive;
    SetActiveControl(Control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
    if (FActive) return;
    if (!FVisible || !Enabled()) throw EInvalidOperation(form_detail::SCannotFocus);
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
    HWND target = FActiveControl != nullptr ? FActiveControl->Handle() : Handle();
    if (::GetFocus() != target) ::SetFocus(target);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
    if (Removing && FFocusedControl != nullptr && Control->ContainsControl(FFocusedControl))
        FFocusedControl = Control->Parent();
    if (FActiveControl != nullptr && Control->ContainsControl(FActiveControl)) {
        FActiveControl = nullptr;
        if (FActive && HandleAllocated() && !ComponentState().Contains(csDestroying)) {
            // The focus returns to the form itself; the window system would otherwise keep it on a window
            // that is going away.
            if (Control->HandleAllocated() && ::GetFocus() != nullptr &&
                (::GetFocus() == Control->FHandle || ::IsChild(Control->FHandle, ::GetFocus())))
                ::SetFocus(FHandle);
        }
    }
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
    ++form_detail::FocusCount;
    FActiveControl = Control != this ? Control : nullptr;
    if (Screen() != nullptr) Screen()->SetActiveControl(Control);
    if (Control->ControlState().Contains(csFocusing)) return false;
    TWeakLink<TWinControl> control(Control);
    Control->ControlState().Include(csFocusing);
    auto done = [&](bool result) {
        if (control) control->ControlState().Exclude(csFocusing);
        return result;
    };
    if (Screen() != nullptr && Screen()->FocusedForm() != this) {
        if (TCustomForm* previous = Screen()->FocusedForm()) {
            Screen()->SetFocusedForm(nullptr);
            if (!form_detail::SendFocusMessage(previous, CM_DEACTIVATE)) return done(false);
        }
        Screen()->SetFocusedForm(this);
        if (!form_detail::SendFocusMessage(this, CM_ACTIVATE)) return done(false);
    }
    if (!control) return false;
    if (FFocusedControl == nullptr) FFocusedControl = this;
    if (FFocusedControl != Control) {
        while (FFocusedControl != nullptr && !FFocusedControl->ContainsControl(Control)) {
            TWinControl* leaving = FFocusedControl;
            FFocusedControl = FFocusedControl->Parent();
            if (!form_detail::SendFocusMessage(leaving, CM_EXIT)) return done(false);
        }
        while (control && FFocusedControl != Control) {
            TWinControl* entering = Control;
            while (entering->Parent() != FFocusedControl)
                entering = entering->Parent();
            FFocusedControl = entering;
            if (!form_detail::SendFocusMessage(entering, CM_ENTER)) return done(false);
        }
        if (!control) return false;
        for (TWinControl* parent = Control->Parent(); parent != nullptr; parent = parent->Parent())
            if (auto* scrolling = dynamic_cast<TScrollingWinControl*>(parent))
                scrolling->ScrollInView(Control);
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    }
    return done(true);
}

void TCustomForm::SetActive(bool Value) {
    FActive = Value;
    if (Value) {
        if (Screen() != nullptr) Screen()->SetActiveForm(this);
        if (FActiveControl == nullptr && !ComponentState().Contains(csDesigning))
            FActiveControl = FindNextControl(nullptr, true, true, false);
        SetWindowFocus();
    }
}

void TCustomForm::Activate() {
    FFormState.Include(fsActivated);
    OnActivate(this);
}

void TCustomForm::Deactivate() {
    OnDeactivate(this);
}

bool TCustomForm::IsShortCut(TMessage& Message) {
    bool handled = false;
    OnShortCut(Message, handled);
    if (handled) return true;
    if (FMenu != nullptr && FMenu->IsShortCut(Message)) return true;
    return Application() != nullptr && Application()->DispatchActionShortCut(this, Message);
}

void TCustomForm::UpdateActions() {
    if (Application() != nullptr) Application()->UpdateFormActions(this);
}

// ---- Messages

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATE:
        WMActivate(Message);
        break;
    case WM_CLOSE:
        WMClose(Message);
        break;
    case WM_SIZE:
        WMSizeForm(Message);
        break;
    case CM_ACTIVATE:
        CMActivate(Message);
        break;
    case CM_DEACTIVATE:
        CMDeactivate(Message);
        break;
    case CM_RELEASE:
        CMRelease(Message);
        break;
    default:
        TScrollingWinControl::Dispatch(Message);
        break;
    }
}

void TCustomForm::WMActivate(TMessage& Message) {
    // The form places the focus itself (on its active control), so the default handling, which would
    // focus the form's own window, does not run.
    SetActive(LOWORD(Message.WParam) != WA_INACTIVE);
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::WMSizeForm(TMessage& Message) {
    if (Message.WParam == SIZE_MAXIMIZED)
        FWindowState = wsMaximized;
    else if (Message.WParam == SIZE_MINIMIZED)
        FWindowState = wsMinimized;
    else if (Message.WParam == SIZE_RESTORED)
        FWindowState = wsNormal;
    WMSize(Message);
}

void TCustomForm::CMActivate(TMessage&) {
    Activate();
}

void TCustomForm::CMDeactivate(TMessage&) {
    Deactivate();
}

void TCustomForm::CMRelease(TMessage&) {
    Free();
}

void TCustomForm::CMDialogKey(TMessage& Message) {
    if (::GetKeyState(VK_MENU) >= 0) {
        switch (Message.WParam) {
        case VK_TAB:
            if (::GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, ::GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl != nullptr && FActiveControl->Parent() != nullptr) {
                FActiveControl->Parent()->SelectNext(
                    FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TScrollingWinControl::CMDialogKey(Message);
}

void TCustomForm::WMEraseBkgnd(TMessage& Message) {
    TScrollingWinControl::WMEraseBkgnd(Message);
}
