// Drop shadows: a shadow is a separate popup window beside its owner window. Where layered windows can be
// used it carries a per-pixel-alpha picture, the nine-part mask "OVSHADOWMASK" stretched over it;
// otherwise it is a solid cl3DDkShadow area. TovCustomShadowWindow is that window (bar shadows build on
// it); TovShadowWindow follows a form all around: it hooks the form's messages, moves and shows itself
// with it, keeps the form's caption active when clicked and, when asked, sizes the form through its
// frame.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Graphics.h"

#include <memory>

class TovSkinImage;
class TuiBitmap32;
class TuiCanvas;
class TuiWindowProcLinkedObject;

// The layered-window call the shadows use; bound at the painters' start-up, null where the system has
// none (a test binds null to take the solid path).
using TovUpdateLayeredWindowProc = BOOL (*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                            DWORD);
TovUpdateLayeredWindowProc ovUpdateLayeredWindowProc();
void ovSetUpdateLayeredWindowProc(TovUpdateLayeredWindowProc AProc);
void ovBindShadowWindows();

// The system's drop-shadow setting is on and the session is not a remote one.
bool IsDropShadowEnabled();
// Layered windows exist and can be shown, drop shadows are on and the screen has more than 8 bits.
bool CanUseLayeredShadow();
// Uploads the bitmap as the window's picture (per-pixel alpha times AAlpha).
bool UpdateLayeredShadow(HWND AWnd, TuiBitmap32* ABitmap, BYTE AAlpha);

class TovCustomShadowWindow : public TCustomControl {
public:
    // Created disabled and hidden; the owner window is the owner of the popup.
    explicit TovCustomShadowWindow(TWinControl* AOwnerWindow);
    ~TovCustomShadowWindow() override;

    virtual void DrawShadow(TuiCanvas* ACanvas);
    virtual void HideShadow();
    virtual void ShowShadow();

    TWinControl* OwnerWindow() const { return FOwnerWindow; }
    bool Transparent() const { return FTransparent; }
    // Layered only where CanUseLayeredShadow; a change recreates an existing window.
    void SetTransparent(bool AValue);
    bool IsShadowVisible();
    void SetShadowVisible(bool AValue);
    // Uploads the picture again (layered) or invalidates.
    void RefreshShadow();
    TovSkinImage* ShadowMask() const { return FShadowMask.get(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;
    void UpdateLayeredContent();

private:
    TWinControl* FOwnerWindow;
    std::unique_ptr<TovSkinImage> FShadowMask;
    bool FTransparent = false;
};

class TovShadowWindow : public TovCustomShadowWindow {
public:
    explicit TovShadowWindow(TWinControl* AOwnerForm);
    ~TovShadowWindow() override;

    // (The owner is active or the shadow was clicked), the owner is visible, drop shadows are on, and the
    // owner is neither maximized, minimized nor a child window.
    virtual bool CanShow();
    void DrawShadow(TuiCanvas* ACanvas) override;
    void ShowShadow() override;

    void UpdateVisibility();
    // The owner's bounds grown by the margins.
    void UpdateBounds();
    const TRect& ShadowMargins() const { return FShadowMargins; }
    void SetShadowMargins(const TRect& AMargins);
    bool SizingEnabled() const { return FSizingEnabled; }
    // A sizing shadow takes mouse input: its frame sizes the owner.
    void SetSizingEnabled(bool AValue);
    bool OwnerActive() const { return FOwnerActive; }
    bool Clicked() const { return FClicked; }

protected:
    virtual void OwnerWndProc(TMessage& AMessage);
    void WndProc(TMessage& Message) override;

private:
    LRESULT HitTest(const TPoint& AScreenPoint);
    void Sizing(RECT* AProposed);

    TuiWindowProcLinkedObject* FOwnerLink = nullptr;
    bool FOwnerActive = false;
    bool FClicked = false;
    bool FSizingEnabled = false;
    TRect FShadowMargins{0, 0, 0, 0};
};
