// The item control: the on-screen representative of one item link inside one bar control (a toolbar, a
// drop-down menu, a ribbon group). The bar control makes one per shown link, asks it for its size, places
// it, has it paint through the bar painter, routes mouse and keyboard input to it and asks it for hints.
// The control keeps three companions: its draw params (the state snapshot the painter draws from), its
// view info (bounds, view level and a width cache per level) and its cached glyph.
//
// Controls are made in two steps (ovMakeItemControl): the constructor stores the link and the parent, and
// Initialize makes the companions through the virtual class operations, which a constructor cannot call.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/FadingObject.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCustomImageList;
class TFont;
class TuiCanvas;
class TCustomovBarControl;
class TovBarSubMenuControl;
class TovBarPainter;
class TovBarCustomHintViewInfo;
class TovBarItemControlDrawParams;
class TovBarItemControlViewInfo;
class TovCachedImageOptions;

// The item control's memory of the canvas font it replaced while a style font is selected.
struct TovBarSavedFont {
    bool Selected = false;
    LOGFONT Font{};
};

class TovBarItemControl : public TuiIUnknownObject, public IovFadingObject {
public:
    explicit TovBarItemControl(TovBarItemLink* ALink);
    ~TovBarItemControl() override;
    TovBarItemControl(const TovBarItemControl&) = delete;
    TovBarItemControl& operator=(const TovBarItemControl&) = delete;
    // The second step of creation: draw params, cached glyph, view info, styles, first draw params, and
    // the parent's default view level.
    void Initialize();
    void BeforeDestruction() override;

    // ---- The link, its item, the window that shows it
    TovBarItemLink* ItemLink() const { return FItemLink; }
    TovBarItem* Item() const;
    TovBarItem* GetItem() const { return Item(); }
    // The model's view of the window that shows the control's link list.
    IovBarControl* Parent() const;
    // The same as a bar control (null while the link list is shown by no bar control).
    TCustomovBarControl* ParentBar() const { return FParent; }
    // The parent when it is a sub-menu.
    TovBarSubMenuControl* ParentSubMenu() const;
    TovBarManager* GetBarManager() const;
    TovBarItemControlDrawParams* DrawParams() const { return FDrawParams.get(); }
    TovBarItemControlViewInfo* ViewInfo() const { return FViewInfo.get(); }
    TovCachedImageOptions* CachedImageOptions() const { return FCachedImageOptions.get(); }
    const std::vector<TRect>& Parts() const { return FParts; }
    std::vector<TRect>& PartsRef() { return FParts; }
    HBRUSH BackgroundBrush() const { return FBackgroundBrush; }
    int HotPartIndex() const { return FHotPartIndex; }
    bool Pressed() const { return FPressed; }
    // The control is its bar window's active (selected and working) control.
    virtual bool IsActive() const { return FIsActive; }
    void SetActiveFlag(bool AValue) { FIsActive = AValue; }
    bool SelectedByMouse() const { return FSelectedByMouse; }
    void SetSelectedByMouse(bool AValue) { FSelectedByMouse = AValue; }
    bool LastInRow() const { return FLastInRow; }
    void SetLastInRow(bool AValue) { FLastInRow = AValue; }
    // Personalised menus: the item is rarely used, and it starts a run of recent or rarely used items.
    bool NonRecent() const { return FNonRecent; }
    void SetNonRecent(bool AValue) { FNonRecent = AValue; }
    bool ChangeRecentGroup() const { return FChangeRecentGroup; }
    void SetChangeRecentGroup(bool AValue) { FChangeRecentGroup = AValue; }
    bool Destroying() const { return FDestroying; }

    // ---- Fading (the fader's interface)
    bool IsFadable() override { return FadingAllowed(); }
    void DrawFadeStep() override { DrawCurrentFadeFrame(); }
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override {
        PrepareFadingImages(AFadeInImage, AFadeOutImage);
    }
    virtual bool FadingAllowed() { return false; }
    virtual void DrawCurrentFadeFrame() { Repaint(); }
    // The hot and the normal picture; none in the base.
    virtual void PrepareFadingImages(TuiBitmap32*& AHotImage, TuiBitmap32*& ANormalImage) {}

    // ---- Hints
    // Whether the control's hint may show now; ANeedsRestart: the item's action changed or refused it.
    virtual bool CanShowHint(bool& ANeedsRestart, std::string& AHint, std::string& AShortCut);
    // The hint as the parent bar's painter makes it, with the item's screen tip; null without a parent.
    virtual std::unique_ptr<TovBarCustomHintViewInfo> CreateHintViewInfo(const std::string& AHint,
                                                                         const std::string& AShortCut);
    virtual bool GetEnabled() const;
    // The hint position for the control's bounds (the parent's rule).
    virtual void CalcHintPosition(TPoint& P, const TPoint& ACursorPos, int AHintHeight);
    virtual bool GetHintOption();
    virtual bool IsFadingSelected();
    virtual IovFader* GetFader();

    // ---- Change notifications (from the item and the link)
    virtual void BeginGroupChanged();
    virtual void CaptionChanged();
    virtual void EnabledChanged();
    virtual void GlyphChanged();
    virtual void HotGlyphChanged() {}
    virtual void HotPartIndexChanged() { Repaint(); }
    virtual void LargeGlyphChanged();
    virtual void PaintStyleChanged() {}
    virtual void BarVisibleChanged(bool AVisible) {}
    virtual void StateChanged();
    virtual void PressedChanged();
    virtual void VisibleChanged() {}
    virtual void MostRecentlyUsedChanged();
    virtual void WidthChanged();
    virtual void MaxLengthChanged() {}

    // ---- Behaviour
    virtual void Hide() {}
    virtual bool CanBeInButtonGroup() const { return false; }
    virtual bool CanClick() const { return true; }
    virtual bool IsLinkManagerItem() const;
    virtual bool CanDeactivate(TovBarManager* AManager) { return IsDeactivationAllowed(); }
    virtual bool IsDeactivationAllowed() { return true; }
    virtual bool CanDesignSelect() const { return CanSelect(); }
    virtual bool CanSelect() const;
    virtual void UpdateHotPartIndex(const TPoint& P);
    virtual void Click(bool AByMouse, WORD AKey = 0);
    virtual void ControlActivate(bool AImmediately, bool AByMouse);
    virtual void ControlInactivate(bool AImmediately);
    virtual void ControlMouseDown(bool AByMouse) {}
    virtual void ControlClick(bool AByMouse);
    virtual void ControlMouseUp(bool AByMouse);
    virtual bool IsSelected() const;
    virtual bool IsDropDownKey(WORD AKey) const { return false; }

    // ---- Levels, structure, sizes of view
    virtual TovBarItemViewLevels GetPossibleViewLevels() const;
    virtual TovBarItemViewStructure GetViewStructure() const;
    virtual TovBarItemViewStructure GetDefaultViewStructure() const { return {}; }
    virtual TovBarItemViewSize GetViewSize() const;
    virtual TovBarItemViewSize GetDefaultViewSize() const;
    virtual TovBarItemPaintType GetPaintType() const;
    virtual int GetPartCount() const { return 1; }
    virtual std::unique_ptr<TovBarItemControlViewInfo> CreateViewInfo();
    virtual bool UseGrayScaleGlyph() const { return false; }
    virtual std::string GetCaption() const;
    virtual TObject* GetInnerControl() const { return nullptr; }
    virtual void GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                                      TColor& AShadowColor) const;
    virtual std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams();
    virtual std::string GetHint() const;
    virtual void GetHintTexts(std::string& AHint, std::string& AShortCut) const;
    virtual TovBarMenuItemSize GetMenuItemSize() const;
    virtual TovBarPainter* GetPainter() const;
    virtual TShortCut GetShortCut() const;
    virtual int GetMenuCaptionOffset() const;
    // The item style's text colour when it has one and the control is enabled, else the painter's.
    virtual void GetTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                               TColor& AShadowColor) const;

    // ---- Images
    virtual TCustomImageList* GetImages(TovBarItemViewSize AViewSize) const;
    virtual TBitmap* GetGlyph() const;
    virtual TCustomImageList* GetHotImages() const;
    virtual bool IsGlyphDrawnEnabled(TovBarItemViewSize AViewSize) const;
    virtual int GetImageIndex() const;
    virtual TBitmap* GetLargeGlyph() const;
    virtual int GetLargeImageIndex() const;
    // The picture for the view size: a glyph, or an image of a list; False when there is none.
    virtual bool GetImageInfo(TovBarItemViewSize AViewSize, bool AHot, int& AImageIndex,
                              TCustomImageList*& AImages, TBitmap*& AGlyph) const;
    virtual int GetRealImageIndex(TovBarItemViewSize AViewSize) const;
    virtual void GetGlyphSize(TovBarItemViewSize AViewSize, bool AHot, TSize& ASize) const;

    // ---- State for the painter
    virtual void CalcDrawParams(bool AFull = true);
    virtual void CalcParts();
    virtual void UpdateStyles();
    virtual void CalcStyles();
    virtual void DoPaint(const TRect& R, TovBarItemPaintType APaintType) {}
    virtual bool CanDrawOnGlass() const { return true; }
    virtual void SelectFont(TFont* AFont, int AStyleIndex, TovBarSavedFont& ASaved);
    virtual void RestoreFont(TovBarSavedFont& ASaved);
    virtual TCustomovBarControl* GetChildMenuControl() const { return nullptr; }
    virtual void GetDropDownRect(TRect& R) const { R = TRect{}; }

    // ---- Measures
    virtual int GetCaptionWidth() const;
    virtual void GetTextOffsets(int AIndex, TRect& R) const;
    virtual int GetCaptionAreaWidth() const;
    virtual int GetControlAreaWidth() const { return 0; }
    virtual int GetIconAreaWidth() const;
    virtual int GetTextIndent() const;
    virtual int GetHeight() const;
    virtual int GetWidth() const;
    virtual int GetSmallWidth() const;
    virtual int GetLargeWidth() const;
    virtual int GetMenuHeight() const;
    virtual int GetMenuWidth() const;
    virtual int GetMinHeight() const { return 1; }
    virtual int GetMinWidth() const { return 1; }
    virtual int GetLargeHeight() const { return 0; }
    virtual int GetSmallHeight() const;
    virtual int GetDefaultHeight() const;
    virtual int GetDefaultWidth() const;

    // ---- Questions of the bar control
    virtual bool IsSelectionKept() const;
    virtual bool HasHint() const;
    virtual bool IsSubMenuJoined() const;
    virtual bool IsSelectable() const { return CanSelect() || CanClick(); }
    virtual bool ContainsWindow(HWND AWnd) const;
    virtual bool CloseMenusOnClick() const { return true; }
    virtual bool IsDropDown() const { return false; }
    virtual bool HasEditIndent() const { return false; }
    virtual bool ExpandsMenuOnDblClick() const { return false; }
    virtual bool IsCustomizingTransparent() const { return false; }
    virtual bool IsInSubMenu() const { return false; }
    virtual bool IsMainMenuItem() const { return false; }
    virtual bool IsVertical() const;
    virtual bool GetOptionFlag() const { return false; }
    virtual bool NeedsMouseCapture() const { return false; }
    virtual void BeginSizing(const TPoint& P) {}
    virtual bool IsSizingPoint(const TPoint& P) const { return false; }
    virtual void EndSizing(bool AApply) {}
    virtual void Sizing(const TPoint& P) {}
    virtual bool IsWinControl() const { return false; }
    virtual bool IsDroppedDown() const { return false; }
    virtual void SetDroppedDown(bool AValue) {}
    virtual void Repaint();
    virtual void InvalidateRect(const TRect& R);
    // Button-like controls may open a drop-down.
    virtual bool IsButtonLike() const { return false; }
    // The paint style a toolbar resolves psStandard to (the link's paint style here).
    virtual TovBarPaintStyle EffectivePaintStyle() const;
    // The in-place window text of a window control.
    virtual std::string Text() const { return {}; }
    virtual void SetText(const std::string& AText) {}
    virtual bool Focused() const { return false; }

    // ---- Input, dispatched by the bar control
    virtual void DblClick() {}
    virtual bool WantsDblClick() const;
    virtual void KeyDown(WORD& AKey, TShiftState AShift) {}
    virtual void KeyUp(WORD& AKey, TShiftState AShift) {}
    virtual void KeyPress(char& AKey) {}
    virtual void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) {}
    virtual void MouseEnter(TShiftState AShift, int X, int Y) { UpdateHotPartIndex(TPoint{X, Y}); }
    virtual void MouseMove(TShiftState AShift, int X, int Y) { UpdateHotPartIndex(TPoint{X, Y}); }
    virtual void MouseLeave() { UpdateHotPartIndex(TPoint{-1, -1}); }
    virtual void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) {}

    // ---- Helpers
    TuiCanvas* GetCanvas() const;
    TRect GetBoundsRect() const;
    TovBarItemAlign GetAlign() const;
    int GetRealWidth();
    int GetRealHeight();
    int HitTest(const TPoint& P) const;
    void SetHotPartIndex(int AValue);
    void SetPressed(bool AValue);
    virtual void ResetCachedValues(bool AClearViewInfoCache);
    virtual void CalcDrawParamsAndParts();
    void Paint(TuiCanvas* ACanvas, const TRect& R, TovBarItemPaintType APaintType);
    void Invalidate();
    int GetTextHeight() const;
    bool HasGlyph(TovBarItemViewSize AViewSize) const;
    bool IsMouseDownInside() const;
    // The parent's text size (refreshed by CalcStyles) and the control's own when its style has a font.
    int TextSize() const { return FTextSize; }

protected:
    // Whether the large pictures apply at the view size.
    bool LargeImagesApply(TovBarItemViewSize AViewSize) const;
    TCustomImageList* LargeImageList() const;
    // The item's link is still in its parent (a click's handler may have removed it).
    bool ParentStillHoldsMe() const;

    TuiCanvas* FActiveCanvas = nullptr;
    HBRUSH FBackgroundBrush = nullptr;
    bool FIsActive = false;
    bool FPressed = false;
    int FTextSize = 0;
    int FOwnTextSize = 0;
    int FHotPartIndex = ovNoHotPart;
    std::vector<TRect> FParts;

private:
    void UpdateFadingState();

    TovBarItemLink* FItemLink;
    TCustomovBarControl* FParent;
    std::unique_ptr<TovBarItemControlDrawParams> FDrawParams;
    std::unique_ptr<TovCachedImageOptions> FCachedImageOptions;
    std::unique_ptr<TovBarItemControlViewInfo> FViewInfo;
    bool FChangeRecentGroup = false;
    bool FNonRecent = false;
    bool FDestroying = false;
    bool FLastInRow = false;
    bool FSelectedByMouse = false;
};

// A class of item control: its name and how one is made for a link.
struct TovBarItemControlClass {
    const char* Name;
    TovBarItemControl* (*Create)(TovBarItemLink* ALink);
};

// Makes a control of class T for the link and runs its second creation step.
template <class T> TovBarItemControl* ovMakeItemControl(TovBarItemLink* ALink) {
    auto control = std::make_unique<T>(ALink);
    control->Initialize();
    return control.release();
}
