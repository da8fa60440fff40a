// TCustomovBarControl: what every bar window (toolbar, drop-down menu, ribbon group) offers its item
// controls and the bar painter: its painter, canvas, font and text metrics, paint type, behaviour options,
// selection and hot tracking, the parent and child bars of an open menu chain, fading, hints, and the
// fill of its background. The answers here are the base ones; the toolbar, menu and dock classes add
// theirs, and the windows themselves are built on these classes.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WeakLink.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"

#include <memory>
#include <optional>
#include <utility>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TuiCanvas;
class IovFader;
class TovBarPainter;
class TovBarItemControl;
class TovDockControl;

// Set by the bar system's mouse hook while it closes menus after a press outside them: the button state
// is then asked of the hardware, as the message queue no longer reflects it.
bool ovBarClosingMenusAfterOutsidePress();
void ovBarSetClosingMenusAfterOutsidePress(bool AValue);

class TCustomovBarControl : public TObject, public IovBarControl {
public:
    TCustomovBarControl(TovBarManager* AManager, TovBarControlKind AKind);
    ~TCustomovBarControl() override;
    TCustomovBarControl(const TCustomovBarControl&) = delete;
    TCustomovBarControl& operator=(const TCustomovBarControl&) = delete;

    TovBarManager* GetBarManager() const { return FManager; }
    // The links the control shows; connecting makes their item controls.
    TovBarItemLinks* ItemLinks() const { return FItemLinks; }
    void SetItemLinks(TovBarItemLinks* ALinks);

    // ---- The model's interface
    TovBarControlKind Kind() const override { return FKind; }
    void RecreateControls() override;
    void CreateControls() override;
    void DestroyControls() override;
    void Rebuild() override;
    void RebuildBar(bool AKeepSelection) override { Rebuild(); }
    void UpdateFrame() override {}
    void Repaint() override;
    void CloseUp(TovBarCloseUpReason AReason) override;
    bool IsActive() const override { return FActive; }
    bool IsVisible() const override { return FVisible; }
    bool IsDestroying() const override { return FDestroying; }
    RECT ClientBounds() const override { return FClientRect; }
    TovBarItemControl* SelectedControl() const override { return FSelectedControl; }
    void ClearSelection() override { SetSelectedControl(nullptr); }
    HWND Handle() const override { return FHandle; }
    void Show() override;

    // ---- Painter, canvas, fonts
    // The control's own painter, else its parent bar's, else its dock's, else the manager's default.
    virtual TovBarPainter* GetPainter() const;
    void SetPainter(TovBarPainter* APainter) { FPainter = APainter; }
    // The canvas the control measures and paints on.
    virtual TuiCanvas* GetCanvas() const;
    virtual TFont* GetFont() const;
    virtual TFont* GetEditFont() const;
    // Height of a text line plus the painter's padding (the painter's default text extent).
    virtual int GetTextSize() const;
    // Width of the glyph column of menus, and the row height of their items.
    virtual int GetIconAreaSize() const;
    virtual int GetItemHeight(TovBarItemControl* AControl) const { return GetIconAreaSize(); }
    // The scale of large menu items (1 at 96 DPI).
    virtual double GetRatio() const { return 1.0; }
    virtual int GetMenuArrowWidth() const;
    virtual int GetMenuArrowHeight() const;
    // The control's own image list (a popup menu's); null: the manager's.
    virtual TCustomImageList* GetImages() const;
    virtual TBitmap* GetDefaultGlyph() const { return nullptr; }

    // ---- Layout questions
    virtual TovBarItemPaintType GetPaintType() const { return iptHorizontal; }
    virtual bool IsTextRotated() const { return false; }
    virtual bool IsDockedVertically() const { return false; }
    virtual bool IsItemStretched(TovBarItemControl* AControl) const { return false; }
    virtual TovBarBehaviorOptions GetBehaviorOptions() const { return FBehaviorOptions; }
    void SetBehaviorOptions(TovBarBehaviorOptions AValue) { FBehaviorOptions = AValue; }
    virtual TovBarItemViewLevel GetItemControlViewLevel(TovBarItemControl* AControl) const {
        return ivlDefault;
    }
    virtual bool IsMainMenu() const { return false; }
    virtual bool IsPopup() const { return false; }
    virtual bool IsOnGlass() const { return false; }
    // An opened menu is drawn joined to its owner item (toolbars ask the painter; menus never are).
    virtual bool IsSubMenuJoined() const { return false; }
    // The control is joined to the item that opened it.
    virtual bool IsJoinedToOwner() const { return false; }
    virtual bool HasMark() const { return false; }
    virtual int GetMarkSize() const { return 0; }
    // 0 normal, 1 hot, 2 pressed.
    virtual int GetMarkState() const { return FMarkState; }
    virtual TovBarDockingStyle DockingStyleOf() const { return dsNone; }
    virtual TovDockControl* GetDockControl() const { return nullptr; }
    // The control paints a background of its own (a colour or a picture of the bar, or the painter's).
    virtual bool HasOwnBackground() const;
    virtual TBitmap* GetBackgroundBitmap() const { return FBackgroundBitmap; }
    void SetBackgroundBitmap(TBitmap* ABitmap) { FBackgroundBitmap = ABitmap; }
    bool IsCustomizing() const;
    bool IsDesigning() const;

    // ---- Brushes and background (the painter's)
    virtual HBRUSH GetBackgroundBrush() const;
    HBRUSH GetDownedBrush() const;
    HBRUSH GetDownedSelBrush() const;
    HBRUSH GetSelBrush() const;
    // The strip where a drop-down touches its owner item, and its brush; empty without an owner.
    virtual TRect GetOwnerEdgeRect() const { return TRect{}; }
    virtual HBRUSH GetOwnerBrush() const { return GetBackgroundBrush(); }
    // Fills R with the control's background: a colour (not clNone) directly, otherwise through the
    // painter with ABrush standing for the plain background.
    virtual void FillBackground(HDC ADC, const TRect& R, TColor AColor, HBRUSH ABrush);

    // ---- Selection, hot tracking, focus
    void SetSelectedControl(TovBarItemControl* AControl);
    virtual void HotTrackItemControl(TovBarItemControl* AControl);
    virtual void AfterSelectItemControl(TovBarItemControl* AControl) {}
    virtual void BarGetFocus(TovBarItemControl* ASelected);
    virtual void BarLostFocus();
    void SetActive(bool AValue) { FActive = AValue; }
    // The mouse went down on the control and is not yet up (a toolbar's "pressed" state).
    bool MouseDownState() const { return FMouseDown; }
    void SetMouseDownState(bool AValue) { FMouseDown = AValue; }
    TovBarItemControl* HintControl() const { return FHintControl; }
    void SetHintControl(TovBarItemControl* AControl) { FHintControl = AControl; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool AValue) { FEnabled = AValue; }
    void SetVisible(bool AValue) { FVisible = AValue; }

    // ---- Open menu chain
    TCustomovBarControl* ParentBarControl() const { return FParentBar.Get(); }
    // The parent becomes ABar and ABar's child bar this control.
    void SetParentBarControl(TCustomovBarControl* ABar);
    TCustomovBarControl* ChildBar() const { return FChildBar.Get(); }
    virtual void SetChildBar(TCustomovBarControl* ABar);
    TovBarCloseUpReason CloseUpReason() const { return FCloseUpReason; }

    // ---- Item controls
    bool ContainsControl(const TovBarItemControl* AControl) const;
    virtual void RepaintItemControl(TovBarItemControl* AControl);
    // The control's rectangle in screen coordinates.
    virtual TRect GetItemControlRect(TovBarItemControl* AControl) const;
    virtual TPoint ClientToScreenPoint(const TPoint& P) const;
    // A new size empties the cached status background.
    void SetClientRect(const TRect& R);
    // The status background a painter renders once and copies from afterwards (empty until then).
    TBitmap* StatusBackgroundCache() const;
    void SetHandle(HWND AHandle) { FHandle = AHandle; }
    TRect GetClientRect() const { return FClientRect; }
    // Screen position of the client area's top-left corner (windowless controls: set by their owner).
    TPoint ScreenOrigin() const { return FScreenOrigin; }
    void SetScreenOrigin(const TPoint& P) { FScreenOrigin = P; }

    // ---- Fading and hints
    virtual IovFader* GetFader() const;
    virtual bool AllowFading() const { return true; }
    // Places the hint 20 pixels below P, or above the control when it would leave the work area.
    virtual void GetHintPosition(TPoint& P, const TPoint& ACursorPos, int AHintHeight) const;

protected:
    virtual void DoCloseUp();
    // Item controls of the links are made and freed by the links themselves.
    void ForEachLinkControl(void (*AAction)(TovBarItemLink*));

    TovBarManager* FManager;
    TovBarControlKind FKind;
    TovBarItemLinks* FItemLinks = nullptr;
    TovBarPainter* FPainter = nullptr;
    mutable std::unique_ptr<TBitmap> FMeasureBitmap;
    mutable std::unique_ptr<TuiCanvas> FCanvas;
    // The manager's font as last copied to the canvas: copied again only when it changes, so a font an item
    // selected for measuring stays until the item restores it.
    mutable std::optional<std::pair<LOGFONT, TColor>> FCanvasFontSource;
    TBitmap* FBackgroundBitmap = nullptr;
    mutable std::unique_ptr<TBitmap> FStatusBackgroundCache;
    TovBarBehaviorOptions FBehaviorOptions;
    TovBarItemControl* FSelectedControl = nullptr;
    TovBarItemControl* FHintControl = nullptr;
    // Either end of an open menu chain may go first.
    TWeakLink<TCustomovBarControl> FParentBar;
    TWeakLink<TCustomovBarControl> FChildBar;
    TovBarCloseUpReason FCloseUpReason = bcrNone;
    HWND FHandle = nullptr;
    TRect FClientRect{0, 0, 0, 0};
    TPoint FScreenOrigin{0, 0};
    int FMarkState = 0;
    bool FActive = false;
    bool FVisible = true;
    bool FEnabled = true;
    bool FDestroying = false;
    bool FMouseDown = false;
    bool FClosingUp = false;
};
