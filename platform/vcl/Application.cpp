#include "platform/vcl/Application.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/HintWindow.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <exception>

namespace application_detail {
TApplication* Instance = nullptr;
constexpr const char* kWindowClass = "OlvaApplication";
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

// The control whose hint shows for Control: the first one up the chain that shows hints.
TControl* HintControlOf(TControl* Control) {
    while (Control != nullptr && !Control->ShowHint())
        Control = Control->Parent();
    if (Control != nullptr && Control->ComponentState().Contains(csDesigning)) return nullptr;
    return Control;
}

// The hint text for a control: its own, else its parents'.
std::string HintTextOf(TControl* Control) {
    for (; Control != nullptr; Control = Control->Parent())
        if (!Control->Hint().empty()) return Control->Hint();
    return std::string();
}
} // namespace application_detail

TApplication* Application() {
    return application_detail::Instance;
}

void SetApplicationInstance(TApplication* Value) {
    application_detail::Instance = Value;
}

std::string GetShortHint(const std::string& Hint) {
    const auto bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

std::string GetLongHint(const std::string& Hint) {
    const auto bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
    CancelHint();
    DestroyComponents();
    if (FHintWindow != nullptr) FreeAndNil(FHintWindow);
    if (FHandle != nullptr && ::IsWindow(FHandle)) ::DestroyWindow(FHandle);
    FHandle = nullptr;
}

void TApplication::Initialize() {
    FTerminated = false;
    Handle();
}

std::string TApplication::ExeName() const {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(length));
}

HWND TApplication::Handle() {
    if (FHandle != nullptr && ::IsWindow(FHandle)) return FHandle;
    WNDCLASS wc;
    if (!::GetClassInfo(nullptr, application_detail::kWindowClass, &wc)) {
        wc.lpfnWndProc = &TApplication::AppWndProc;
        wc.lpszClassName = application_detail::kWindowClass;
        ::RegisterClass(&wc);
    }
    FHandle = ::CreateWindowEx(WS_EX_TOOLWINDOW, application_detail::kWindowClass, FTitle.c_str(), WS_POPUP,
                               0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    return FHandle;
}

void TApplication::RegisterCreatedForm(TComponent* Instance) {
    auto* form = dynamic_cast<TCustomForm*>(Instance);
    if (form == nullptr) return;
    TWeakLink<TCustomForm> alive(form);
    form->AfterConstruction();
    if (alive && FMainForm == nullptr) {
        form->HandleNeeded();
        FMainForm = form;
    }
}

void TApplication::FormDestroyed(TCustomForm* Form) {
    if (FMainForm == Form) FMainForm = nullptr;
    ControlDestroyed(Form);
}

void TApplication::ControlDestroyed(TControl* Control) {
    if (FMouseControl == Control) FMouseControl = nullptr;
    if (FHintControl == Control) CancelHint();
    DragManager().ControlDestroyed(Control);
}

// ---- Loop

void TApplication::Run() {
    FRunning = true;
    if (FMainForm != nullptr && FShowMainForm) {
        if (FMainForm->WindowState() == wsMinimized)
            Minimize();
        else
            FMainForm->SetVisible(true);
    }
    if (FMainForm == nullptr) {
        FRunning = false;
        return;
    }
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (Exception& e) {
            HandleException(this, &e);
        }
    }
    FRunning = false;
}

void TApplication::Terminate() {
    ::PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& Msg) {
    if (!::PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    bool handled = false;
    OnMessage(Msg, handled);
    if (!IsHintMsg(Msg) && !handled && !IsKeyMsg(Msg)) {
        ::TranslateMessage(&Msg);
        ::DispatchMessage(&Msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
    bool done = true;
    try {
        DoIdleWork(done);
    } catch (Exception& e) {
        HandleException(this, &e);
    }
    if (done) ::WaitMessage();
}

void TApplication::DoIdleWork(bool& Done) {
    DoMouseIdle();
    OnIdle(this, Done);
    if (!Done) return;
    if (Screen() == nullptr) return;
    for (int i = 0; i < Screen()->FormCount(); ++i) {
        TCustomForm* form = Screen()->Forms(i);
        if (form->Visible()) form->UpdateActions();
    }
}

void TApplication::DoMouseIdle() {
    POINT pos;
    ::GetCursorPos(&pos);
    TControl* target = FindDragTarget(pos, true);
    if (target != FMouseControl) {
        TControl* old = FMouseControl;
        FMouseControl = target;
        TWeakLink<TControl> newLink(target);
        if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, 0);
        if (newLink)
            newLink->Perform(CM_MOUSEENTER, 0, 0);
        else if (FMouseControl == target)
            FMouseControl = nullptr;
    }
    if (FShowHint && FMouseControl == nullptr) CancelHint();
    SetHint(GetLongHint(application_detail::HintTextOf(FMouseControl)));
}

bool TApplication::IsKeyMsg(MSG& Msg) {
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
    if (Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE && DragManager().DragControl() != nullptr) {
        DragManager().EndDrag(false);
        return true;
    }
    HWND window = ::GetCapture();
    if (window == nullptr) {
        window = Msg.hwnd;
        while (window != nullptr && FindControl(window) == nullptr)
            window = ::GetParent(window);
        if (window == nullptr) window = Msg.hwnd;
    }
    return ::SendMessage(window, Msg.message + CN_BASE, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::IsHintMsg(MSG& Msg) {
    if (!FHintActive) return false;
    switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
        CancelHint();
        break;
    default:
        break;
    }
    return false;
}

// ---- The application window

LRESULT TApplication::AppWndProc(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TApplication* app = Application();
    if (app == nullptr || app->FHandle != Handle) return ::DefWindowProc(Handle, Msg, WParam, LParam);
    TMessage message{Msg, WParam, LParam, 0};
    try {
        app->WndProc(message);
    } catch (Exception& e) {
        app->HandleException(app, &e);
    }
    return message.Result;
}

void TApplication::WndProc(TMessage& Message) {
    std::vector<TWindowHook> hooks = FWindowHooks;
    for (const TWindowHook& hook : hooks) {
        bool handled = false;
        hook(Message, handled);
        if (handled) return;
    }
    switch (Message.Msg) {
    case CM_APPKEYDOWN: {
        TMessage key{WM_KEYDOWN, Message.WParam, Message.LParam, 0};
        Message.Result = IsShortCut(key) ? 1 : 0;
        return;
    }
    case WM_TIMER:
        HintTimerExpired(Message.WParam);
        return;
    case WM_ACTIVATEAPP:
        FActive = Message.WParam != 0;
        if (FActive)
            OnActivate(this);
        else {
            CancelHint();
            OnDeactivate(this);
        }
        return;
    default:
        break;
    }
    if (FHandle != nullptr)
        Message.Result = ::DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::HookMainWindow(const TWindowHook& Hook) {
    FWindowHooks.push_back(Hook);
}

void TApplication::UnhookMainWindow(const TWindowHook& Hook) {
    auto it = std::find(FWindowHooks.begin(), FWindowHooks.end(), Hook);
    if (it != FWindowHooks.end()) FWindowHooks.erase(it);
}

void TApplication::Minimize() {
    if (FMainForm == nullptr) return;
    if (!FMainForm->Visible()) FMainForm->SetVisible(true);
    ::ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
    OnMinimize(this);
}

void TApplication::Restore() {
    if (FMainForm == nullptr || !FMainForm->HandleAllocated()) return;
    ::ShowWindow(FMainForm->Handle(), SW_RESTORE);
    OnRestore(this);
}

void TApplication::BringToFront() {
    if (Screen() != nullptr && Screen()->ActiveForm() != nullptr)
        Screen()->ActiveForm()->BringToFront();
    else if (FMainForm != nullptr && FMainForm->HandleAllocated())
        ::SetForegroundWindow(FMainForm->Handle());
}

// ---- Shortcuts

bool TApplication::AppKeyDown(WPARAM CharCode, LPARAM KeyData) {
    TMessage message{CM_APPKEYDOWN, CharCode, KeyData, 0};
    WndProc(message);
    return message.Result != 0;
}

bool TApplication::IsShortCut(TMessage& Message) {
    bool handled = false;
    OnShortCut(Message, handled);
    if (handled) return true;
    return FMainForm != nullptr && FMainForm->HandleAllocated() && ::IsWindowEnabled(FMainForm->Handle()) &&
           FMainForm->IsShortCut(Message);
}

void TApplication::CancelModeOf(TControl* Sender) {
    TCustomForm* form = Sender != nullptr ? Sender->GetParentForm() : nullptr;
    if (form == nullptr || !form->Active()) return;
    TWinControl* active = form->ActiveControl();
    if (active != nullptr && active != Sender)
        active->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

// ---- Exceptions

void TApplication::HandleException(TObject* Sender, Exception* E) {
    if (E == nullptr) {
        try {
            throw;
        } catch (Exception& current) {
            HandleException(Sender, &current);
        } catch (std::exception& current) {
            Exception wrapped(current.what());
            HandleException(Sender, &wrapped);
        } catch (...) {
            Exception unknown("Unknown error");
            HandleException(Sender, &unknown);
        }
        return;
    }
    if (dynamic_cast<EAbort*>(E) != nullptr) return;
    if (OnException)
        OnException(Sender, *E);
    else
        ShowException(*E);
}

void TApplication::ShowException(Exception& E) {
    // An abort is the user's own choice (a Cancel): nothing to tell.
    if (dynamic_cast<EAbort*>(&E) != nullptr) return;
    std::string text = E.Message();
    if (!text.empty() && text.back() > '.') text += '.';
    MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

// ---- Hints

void TApplication::SetHint(const std::string& Value) {
    if (FHint == Value) return;
    FHint = Value;
    OnHint(this);
}

void TApplication::SetShowHint(bool Value) {
    if (FShowHint == Value) return;
    FShowHint = Value;
    if (!Value) CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
    if (!FShowHint || Message.Msg == WM_MOUSEWHEEL) return;
    POINT screen;
    ::GetCursorPos(&screen);
    TControl* target = application_detail::HintControlOf(FindDragTarget(screen, false));
    if (target == nullptr) {
        CancelHint();
        return;
    }
    if (Message.Msg != WM_MOUSEMOVE) {
        CancelHint();
        return;
    }
    bool inRect = false;
    if (target == FHintControl && target->Parent() != nullptr) {
        POINT local = target->ScreenToClient(screen);
        inRect = ::PtInRect(&FHintCursorRect, local) != 0;
    }
    if (target != FHintControl || !inRect) {
        const int pause = FHintActive ? FHintShortPause : FHintPause;
        FHintControl = target;
        ::KillTimer(Handle(), application_detail::kHintHideTimer);
        ::SetTimer(Handle(), application_detail::kHintShowTimer, static_cast<UINT>(std::max(pause, 1)),
                   nullptr);
    }
}

void TApplication::HintTimerExpired(UINT_PTR Id) {
    ::KillTimer(Handle(), Id);
    if (Id == application_detail::kHintShowTimer) {
        POINT pos;
        ::GetCursorPos(&pos);
        ActivateHint(pos);
    } else if (Id == application_detail::kHintHideTimer) {
        if (FHintWindow != nullptr && FHintWindow->HandleAllocated()) FHintWindow->ReleaseHandle();
        FHintActive = false;
    }
}

void TApplication::ActivateHint(POINT CursorPos) {
    TControl* control = application_detail::HintControlOf(FindDragTarget(CursorPos, false));
    if (control == nullptr || control != FHintControl) {
        CancelHint();
        return;
    }
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = control->ScreenToClient(CursorPos);
    info.CursorRect = control->ClientRect();
    info.HintPos = POINT{CursorPos.x, CursorPos.y + 20};
    info.HintMaxWidth = Screen() != nullptr ? Screen()->Width() : 1920;
    info.HintColor = FHintColor;
    info.HideTimeout = FHintHidePause;
    info.HintStr = GetShortHint(control->GetHintText());
    info.HintWindowClass = HintWindowClass;
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow) OnShowHint(info.HintStr, canShow, info);
    if (!canShow || info.HintStr.empty()) {
        if (FHintWindow != nullptr && FHintWindow->HandleAllocated()) FHintWindow->ReleaseHandle();
        FHintActive = false;
        return;
    }
    FHintCursorRect = info.CursorRect;
    THintWindowClass windowClass = info.HintWindowClass != nullptr ? info.HintWindowClass : HintWindowClass;
    if (FHintWindow != nullptr && !windowClass->IsClassOf(FHintWindow)) FreeAndNil(FHintWindow);
    if (FHintWindow == nullptr) FHintWindow = windowClass->Create(nullptr);
    FHintWindow->SetColor(info.HintColor);
    RECT rect = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    ::OffsetRect(&rect, info.HintPos.x, info.HintPos.y);
    FHintWindow->ActivateHint(rect, info.HintStr);
    FHintActive = true;
    if (info.HideTimeout > 0)
        ::SetTimer(Handle(), application_detail::kHintHideTimer, static_cast<UINT>(info.HideTimeout),
                   nullptr);
}

void TApplication::CancelHint() {
    if (FHandle != nullptr && ::IsWindow(FHandle)) {
        ::KillTimer(FHandle, application_detail::kHintShowTimer);
        ::KillTimer(FHandle, application_detail::kHintHideTimer);
    }
    if (FHintWindow != nullptr && FHintWindow->HandleAllocated()) FHintWindow->ReleaseHandle();
    FHintActive = false;
    FHintControl = nullptr;
}

// ---- Actions

bool TApplication::DispatchActionShortCut(TCustomForm* Form, TMessage& Message) {
    TWeakLink<TCustomForm> alive(Form);
    for (int i = 0; alive && i < Form->ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomActionList*>(Form->Components(i)))
            if (list->IsShortCutKey(static_cast<WORD>(Message.WParam), Message.LParam)) return true;
    return false;
}

void TApplication::UpdateFormActions(TCustomForm* Form) {
    TWeakLink<TCustomForm> alive(Form);
    for (int i = 0; alive && i < Form->ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomActionList*>(Form->Components(i))) list->UpdateActions();
}
