// TuiCustomPopupWindow: the drop-down form of the library. It opens below or beside its owner control,
// draws its frame through a container style and a container view info, takes the keyboard focus, may run
// a local modal loop, and closes by itself when the user clicks elsewhere or switches applications and
// when its owner's window is closed or hidden (the popup hooks, PopupHooks.h, watch for that).
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ControlTypes.h"
#include "ui/core/controls/PopupWindow.h"
#include "ui/painters/popups/ContainerStyle.h"
#include "ui/painters/popups/ContainerViewInfo.h"
#include "ui/painters/popups/PopupInterfaces.h"

#include <memory>

class TWinControl;

// A class of view infos, as a popup names it.
struct TuiContainerViewInfoClassInfo {
    TuiContainerViewInfo* (*Create)(TObject* AOwner);
};
using TuiContainerViewInfoClass = const TuiContainerViewInfoClassInfo*;
template <class T> TuiContainerViewInfoClass uiContainerViewInfoClassOf() {
    static const TuiContainerViewInfoClassInfo info{
        [](TObject* AOwner) -> TuiContainerViewInfo* { return new T(AOwner); }};
    return &info;
}

// Private messages of the popup: close it and give the focus back to the owner; open it again.
constexpr UINT uiPopupCloseAndReturnFocusMessage = 0x807D;
constexpr UINT uiPopupReopenMessage = 0x807E;

class TuiCustomPopupWindow : public TuiPopupWindow, public IuiPopupOwnerSource {
public:
    // The popup is owned by its owner control (freed with it).
    explicit TuiCustomPopupWindow(TWinControl* AOwnerControl);
    ~TuiCustomPopupWindow() override;

    // Shows the popup and gives AFocusedControl (else its first tab stop, else itself) the focus; with
    // RunsModalLoop it returns once the popup has closed. Nothing happens while the popup is shown or
    // while the owner control's window is not visible.
    virtual void Popup(TWinControl* AFocusedControl);
    void Popup() override { Popup(nullptr); }
    void ClosePopup() override;
    virtual void CloseUpModal() { ClosePopup(); }
    // The just-closed flag, cleared by reading it: the owner control asks on its mouse-down so that the
    // click that closed the popup does not open it again.
    bool GetJustClosed();

    TWinControl* OwnerControl() const { return FOwnerControl; }
    TWinControl* GetOwnerControl() override { return FOwnerControl; }
    TWinControl* FocusedControl() const { return FFocusedControl; }
    bool RunsModalLoop = true;
    bool IsPoppingUp() const { return FPoppingUp; }
    bool IsShown() const;
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    int DeactivateLockCount() const { return FDeactivateLock; }
    void LockDeactivate() { ++FDeactivateLock; }
    void UnlockDeactivate() { --FDeactivateLock; }
    void SetJustClosed(bool AValue) { FJustClosed = AValue; }

    // The style and view info, made on first use from the classes the popup names.
    TuiContainerStyle* Style();
    TuiContainerViewInfo* ViewInfo();

    void GetOwnerScreenBounds(TRect& R) override;
    int GetBorderWidth(int ASide) override;
    bool Focused() override;
    bool CanFocus() override { return Visible(); }
    bool IsShortCut(TMessage& Message) override;

    TNotifyEvent OnShowing;
    TNotifyEvent OnShowed;
    TNotifyEvent OnClosing;
    TNotifyEvent OnClosed;

    // ---- Virtual operations
    virtual bool NeedsWorkAreaCorrection() { return false; }
    virtual void DoClosed() { OnClosed(this); }
    virtual void DoClosing() { OnClosing(this); }
    virtual void DoShowed() { OnShowed(this); }
    virtual void DoShowing() { OnShowing(this); }
    virtual bool ErasesBackground() { return false; }
    // Page Up/Down, End, Home, the arrows and F4 reach a shown popup with Alt held.
    virtual bool AcceptsSysKey(WORD AKey);
    // Whether the click that closes the popup is swallowed.
    virtual bool IgnoresClosingClick(HWND AWindow, UINT AMessage, const TPoint& P, TShiftState AShift) {
        return false;
    }
    virtual void StyleChanged() {}
    virtual void CorrectBoundsToWorkArea(TPoint& APosition);
    virtual TuiContainerStyleClass GetPopupStyleClass() {
        return uiContainerStyleClassOf<TuiContainerStyle>();
    }
    virtual TuiContainerViewInfoClass GetViewInfoClass() {
        return uiContainerViewInfoClassOf<TuiContainerViewInfo>();
    }
    // Fills the view info from the style and the window's size: bounds, border, shadow and client area.
    virtual void CalculateViewInfo();
    // With a shadow the window leaves out the corners the shadow bands do not cover.
    void UpdateShadowRegion();

protected:
    void InitPopup() override {}
    void AdjustClientRect(RECT& Rect) override;
    void CreateHandle() override;
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Deactivate() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Paint() override;
    void VisibleChanged() override;
    void WndProc(TMessage& Message) override;
    virtual void MouseEntered(TControl* AControl) {}
    virtual void MouseLeft(TControl* AControl) {}

private:
    void StyleChangedHandler(TObject* Sender);
    void RunModalLoop();
    void GiveFocus(TWinControl* AFocusedControl);

    TWinControl* FOwnerControl;
    TWinControl* FFocusedControl = nullptr;
    int FDeactivateLock = 0;
    bool FPoppingUp = false;
    bool FJustClosed = false;
    std::unique_ptr<TuiContainerStyle> FStyle;
    std::unique_ptr<TuiContainerViewInfo> FViewInfo;
};
