// TCustomForm / TForm: a top-level window with its frame, its place on the screen, its active control
// and the keyboard rules of a dialog (Tab and arrows move the focus, Enter and Esc reach the default and
// cancel buttons through CM_DIALOGKEY, accelerators through CM_DIALOGCHAR). Forms are built in code in
// their constructor, inside a TComponentLoading bracket; OnCreate fires once the whole form exists
// (AfterConstruction, which Application()->CreateForm and TCustomForm::New call).
#pragma once

#include "platform/vcl/Scrolling.h"

#include <string>

class TMainMenu;
class TIcon;

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon, 8>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = Set<TFormStateItem, 8>;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// A key message on its way to the form's shortcuts; set Handled to stop it.
using TShortCutEvent = TEvent<TMessage&, bool&>;

class TCustomForm : public TScrollingWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    void BeforeDestruction() override;
    // Fires OnCreate once; called when the constructors of the whole form have run.
    virtual void AfterConstruction();
    // Makes a form and fires its OnCreate.
    template <class T, class... Args> static T* New(Args&&... args) {
        T* form = new T(std::forward<Args>(args)...);
        form->AfterConstruction();
        return form;
    }

    // ---- Frame and place
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    TDefaultMonitor DefaultMonitor() const { return FDefaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor Value) { FDefaultMonitor = Value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : 96; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    BYTE AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value);
    bool TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(bool Value);
    TColor TransparentColorValue() const { return FTransparentColorValue; }
    void SetTransparentColorValue(TColor Value);
    TIcon* Icon() const { return FIcon; }
    void SetIcon(TIcon* Value) { FIcon = Value; }

    // ---- Showing and closing
    void Show();
    void Hide();
    void Close();
    // Frees the form once the messages waiting now have been handled.
    void Release();
    // Shows the form modally and returns its ModalResult. Raises EInvalidOperation "Cannot make a visible
    // window modal" for a form that is visible, disabled or already modal.
    virtual int ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    virtual bool CloseQuery();
    TFormState FormState() const { return FFormState; }
    bool Active() const { return FActive; }

    // ---- Focus
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" for a control that cannot
    // take the focus.
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);
    // Records that Control got the focus: CM_EXIT / CM_ENTER along the way, CM_FOCUSCHANGED. False when
    // the focus moved elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* Control);
    TWinControl* FocusedControl() const { return FFocusedControl; }
    void SetFocus() override;
    bool CanFocus() override { return true; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    // Whether a key is a shortcut of the form: OnShortCut, the main menu, the form's action lists.
    virtual bool IsShortCut(TMessage& Message);
    // Runs the update of the form's actions and of its controls' actions.
    virtual void UpdateActions();

    // ---- Events
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TShortCutEvent OnShortCut;

    void Dispatch(TMessage& Message) override;

protected:
    friend class TWinControl;
    friend class TApplication;

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void InitializeWindow() override;
    // A scaled form built at another resolution is scaled to the screen's when it is loaded.
    void Loaded() override;
    void ScaleBy(int M, int D) override;
    void UpdateShowing() override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void DoDestroy();
    virtual void Activate();
    virtual void Deactivate();
    void SetActive(bool Value);
    void SetWindowFocus();
    // The window position and size the Position setting chooses for the first showing.
    void ApplyPosition();
    void CloseModal();
    void ApplyLayeredAttributes();

    void WMActivate(TMessage& Message);
    void WMClose(TMessage& Message);
    void WMSizeForm(TMessage& Message);
    void CMShowingChanged(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMActivate(TMessage& Message);
    void CMDeactivate(TMessage& Message);
    void CMRelease(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TDefaultMonitor FDefaultMonitor = dmActiveForm;
    TMainMenu* FMenu = nullptr;
    TIcon* FIcon = nullptr;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    int FPixelsPerInch = 96;
    TColor FTransparentColorValue = 0;
    BYTE FAlphaBlendValue = 255;
    bool FAlphaBlend = false;
    bool FTransparentColor = false;
    bool FScaled = true;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FCreated = false;
    bool FDestroyFired = false;
    bool FPositioned = false;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
    // A form with nothing on it, OnCreate fired.
    static TForm* CreateNew(TComponent* AOwner) { return New<TForm>(AOwner); }
};

// The form a control sits on; raises EInvalidOperation "Control '<name>' has no parent form" for none.
TCustomForm* ValidParentForm(TControl* Control);
