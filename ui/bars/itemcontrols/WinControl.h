// The window-hosting item control: bar items the user types into (edits, combos and their relatives) are
// painted by the bar like any other item, but while the control has the keyboard focus a real child window
// (the "inner" window) of the bar window lies over its text field. This class owns the hook on that
// window's procedure, shows the window when the control gets the focus and hides it when the focus leaves,
// stores the typed text into the item, gives the keyboard back to the window that had it, and routes keys,
// mouse presses and focus changes between the inner window, the item's events and the bar.
#pragma once

#include "platform/vcl/Messages.h"
#include "ui/bars/BarItemControl.h"

#include <functional>
#include <string>

class TuiWindowProcLinkedObject;
class TovBarWindowItem;

class TovBarWinControl : public TovBarItemControl {
public:
    explicit TovBarWinControl(TovBarItemLink* ALink);
    ~TovBarWinControl() override;

    // ---- The item control's questions
    bool IsWinControl() const override { return true; }
    bool Focused() const override { return FFocused; }
    void EnabledChanged() override;
    // Only bars that rotate their text show the item as something to click.
    bool CanClick() const override;
    bool CanDeactivate(TovBarManager* AManager) override;
    bool CanSelect() const override;
    void ControlInactivate(bool AImmediately) override;
    void ControlMouseDown(bool AByMouse) override;
    void ControlMouseUp(bool AByMouse) override;
    // Also the inner window and its children.
    bool ContainsWindow(HWND AWnd) const override;
    bool CloseMenusOnClick() const override { return false; }
    void KeyDown(WORD& AKey, TShiftState AShift) override;
    void KeyUp(WORD& AKey, TShiftState AShift) override;
    void KeyPress(char& AKey) override;
    std::string Text() const override { return GetText(); }
    void SetText(const std::string& AText) override;

    // ---- The inner window
    virtual HWND GetHandle() const { return nullptr; }
    // Gaining the focus shows the inner window and gives it the keyboard; losing it stores the text
    // (unless Escape alone is down and the manager does not always save), hides the window and gives the
    // keyboard back.
    virtual void SetFocused(bool AValue);
    // The whole text of the inner window, however long (its length is asked first).
    virtual std::string GetText() const;
    // The item's text into the window, and the window's text into the item.
    virtual void UpdateText();
    virtual void StoreText();
    // The item shows a real editor (combos may show their text only).
    virtual bool ShowsEditor() const { return true; }
    // The window's place in bar client coordinates, as mouse tests see it: empty while the control is
    // disabled or the item shows no editor.
    TRect WindowRect() const;
    // The text field moved: a visible window follows it.
    void SetWindowRect(const TRect& R);
    bool Focusing() const { return FFocusing; }
    // The window that had the keyboard before the control took it.
    HWND RememberedFocus() const { return FRememberedFocus; }
    // Set by the bar for painting on glass; cleared after a buffered paint.
    bool InnerWindowBufferedPaint = false;

protected:
    TovBarWindowItem* WindowItem() const;
    // Hooks and unhooks the inner window's procedure; every message then reaches InnerWndProc.
    virtual void CreateInnerWindow();
    virtual void DestroyInnerWindow(bool ADestroyWindow);
    virtual void ShowInnerWindow() {}
    virtual void HideInnerWindow(bool AStoreText);
    // The formatting rectangle of the window.
    virtual void UpdateInnerRect() {}
    virtual void InnerWndProc(TMessage& AMessage);
    // The window's own procedure (nothing once the control is gone).
    void CallInnerDefault(TMessage& AMessage);
    virtual bool IsMenuKeyDown(WORD AKey, TShiftState AShift) const;
    virtual bool IsMenuKeyUp(WORD AKey, TShiftState AShift) const;
    // True consumes the key.
    virtual bool HandleMenuKeyDown(WORD AKey, TShiftState AShift);
    virtual bool HandleMenuKeyUp(WORD AKey, TShiftState AShift);
    virtual void KillFocus(HWND ANewFocus);
    // A press beside the inner window is handed to it (the mouse-down of the control).
    virtual void ForwardMouseDown(bool AByMouse);
    // The bar point of a mouse message of the inner window.
    TPoint InnerPointToBar(LPARAM ALParam) const;
    // Pending characters of the key just handled are dropped.
    void RemovePendingChars();
    void CloseBarChain(TovBarCloseUpReason AReason);
    bool InnerWindowVisible() const;

    bool FFocused = false;
    bool FFocusing = false;
    bool FOnGlass = false;
    int FKeyPressedInside = 0;
    TRect FWindowRect{0, 0, 0, 0};

private:
    void HookProc(TMessage& AMessage);
    void GiveFocusBack();
    bool MouseMessageHandled(TMessage& AMessage);

    TuiWindowProcLinkedObject* FHook = nullptr;
    HWND FRememberedFocus = nullptr;
};

// Where Tab and Shift+Tab in an inner window go: the keyboard navigation controller fills it; while empty
// the bar moves its own selection to the next (previous) control. True when the key was taken.
using TovBarWinControlTabHandler = std::function<bool(TovBarItemControl* AControl, bool AForward)>;
TovBarWinControlTabHandler& ovBarWinControlTabHandler();
