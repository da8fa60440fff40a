// TApplication: the program's message loop and its shared services: the main form, the loop
// (Run, HandleMessage, ProcessMessages, Terminate), the routing of key messages back to controls
// (CN_ messages) before they are dispatched, idle work (mouse enter/leave, hints, action updates),
// exception handling, hints and message boxes.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Messages.h"
#include "platform/win/WinStructs.h"

#include <memory>
#include <string>
#include <vector>

class TControl;
class TCustomForm;
class THintWindow;
struct THintWindowClassInfo;
class Exception;

// Message box buttons, icons, default buttons and answers.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONERROR = 0x0010;
constexpr UINT MB_ICONSTOP = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = 0x0030;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_TOPMOST = 0x40000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// What CM_HINTSHOW carries: the control may change the text, the place and the timing, or refuse.
struct THintInfo {
    TControl* HintControl = nullptr;
    POINT HintPos; // screen position of the hint window
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    RECT CursorRect;       // the hint stays while the mouse is inside (control coordinates)
    POINT CursorPos;       // control coordinates
    int ReshowTimeout = 0; // ms after which the hint is asked for again (0: never)
    int HideTimeout = 0;   // ms the hint stays (0: the application's HintHidePause)
    std::string HintStr;
    void* HintData = nullptr;
    // The class of the window the hint is shown in (the global HintWindowClass when left null).
    const THintWindowClassInfo* HintWindowClass = nullptr;
};

using TMessageEvent = TEvent<MSG&, bool&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, Exception&>;
using TShowHintEvent = TEvent<std::string&, bool&, THintInfo&>;
// A main-window hook answers true when it handled the message.
using TWindowHook = TEvent<TMessage&, bool&>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // ---- Start and loop
    void Initialize();
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // The program file's full path.
    std::string ExeName() const;
    // Makes a form owned by the application; the first form made becomes the main form.
    template <class T> void CreateForm(T*& Reference) {
        T* form = new T(this);
        Reference = form;
        RegisterCreatedForm(form);
    }
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message; waits for one (running the idle work first) when none is waiting.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Takes back the end that a quit brought, so that windows can run modally once more (a last
    // question before the program ends).
    void ResumeAfterQuit() { FTerminated = false; }
    // The hidden window of the application (main-window hooks and CM_APPKEYDOWN are handled there).
    HWND Handle();
    void HookMainWindow(const TWindowHook& Hook);
    void UnhookMainWindow(const TWindowHook& Hook);
    void Minimize();
    void Restore();
    bool Active() const { return FActive; }
    void BringToFront();

    // ---- Exceptions and messages to the user
    // Hands the exception to OnException, or shows its message in a message box.
    void HandleException(TObject* Sender, Exception* E = nullptr);
    void ShowException(Exception& E);
    // A modal box with the text, the caption (the title when empty) and the buttons Flags name; answers
    // the button chosen (IDOK...; IDCANCEL when closed).
    int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);

    // ---- Hints
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int Value) { FHintShortPause = Value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    void CancelHint();
    // Shows the hint of the control under the cursor now.
    void ActivateHint(POINT CursorPos);
    THintWindow* HintWindow() const { return FHintWindow; }
    // The control the mouse is over, as the idle work last found it.
    TControl* MouseControl() const { return FMouseControl; }

    // ---- Events
    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TEvent<TMessage&, bool&> OnShortCut;

    // ---- Used by controls and forms
    // Answers CM_APPKEYDOWN: the application's shortcuts (OnShortCut, then the main form's).
    bool AppKeyDown(WPARAM CharCode, LPARAM KeyData);
    bool IsShortCut(TMessage& Message);
    // The shortcuts of the action lists a form owns.
    bool DispatchActionShortCut(TCustomForm* Form, TMessage& Message);
    void UpdateFormActions(TCustomForm* Form);
    void HintMouseMessage(TControl* Control, TMessage& Message);
    // Sends WM_CANCELMODE to the focused window when the mouse goes down on another control.
    void CancelModeOf(TControl* Sender);
    void ControlDestroyed(TControl* Control);
    void FormDestroyed(TCustomForm* Form);
    void ModalStarted() { ++FModalLevel; }
    void ModalFinished() {
        if (FModalLevel > 0) --FModalLevel;
    }
    int ModalLevel() const { return FModalLevel; }
    // Runs the idle work once (mouse enter/leave, hints, action updates), without waiting.
    void DoIdleWork(bool& Done);

    static LRESULT AppWndProc(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam);

protected:
    void RegisterCreatedForm(TComponent* Instance);
    bool ProcessMessage(MSG& Msg);
    void Idle();
    bool IsKeyMsg(MSG& Msg);
    bool IsHintMsg(MSG& Msg);
    void DoMouseIdle();
    void WndProc(TMessage& Message);
    void HintTimerExpired(UINT_PTR Id);

private:
    friend class TCustomForm;
    std::string FTitle;
    TCustomForm* FMainForm = nullptr;
    HWND FHandle = nullptr;
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FRunning = false;
    bool FActive = true;
    bool FHandleCreated = false;
    int FModalLevel = 0;
    std::vector<TWindowHook> FWindowHooks;
    // Hints
    std::string FHint;
    bool FShowHint = true;
    TColor FHintColor = clInfoBk;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TControl* FMouseControl = nullptr;
    TControl* FHintControl = nullptr;
    RECT FHintCursorRect{0, 0, 0, 0};
    bool FHintActive = false;
    THintWindow* FHintWindow = nullptr;
};

// The program's application object (null before the class library starts and after it ends).
TApplication* Application();
void SetApplicationInstance(TApplication* Value);

// The text before '|' of a hint (short hint for the hint window) and the text after it (long hint for
// status lines); a hint without '|' is both.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);
