// Button-like item controls: the common base of every control that behaves like a push button with an
// optional drop-down (drop-down arrow metrics, delayed opening and closing of drop-downs inside menus,
// drop-down keys, fade pictures, the large glyph-above-caption layout), and the control of TovBarButton
// items (button styles, Down, the drop-down menu, split and whole-button drop-downs, paint styles, the
// pressed look).
#pragma once

#include "ui/bars/BarItemControl.h"

class TovBarButton;

class TovBarButtonLikeControl : public TovBarItemControl {
public:
    using TovBarItemControl::TovBarItemControl;
    ~TovBarButtonLikeControl() override;

    // ---- Added operations
    // Width of the drop-down arrow part: the menu's arrow column in menus, else the painter's.
    virtual int GetArrowWidth() const;
    virtual bool CanBeActivated() const;
    // Opens the drop-down: the parent goes into its mouse-down state.
    virtual void DropDown(bool AByMouse);
    // The bar control that shows the drop-down's links (null while there is none).
    virtual TCustomovBarControl* GetSubMenuControl() const { return nullptr; }
    virtual bool KeepTextColorWhenSelected() const;
    virtual bool IsTextSelected() const;
    virtual void DoCloseUp(bool AHasSubMenu);
    virtual void DoDropDown(bool AByMouse) = 0;
    bool ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(bool AValue) { FShowAnimation = AValue; }

    // ---- Overrides
    bool IsButtonLike() const override { return true; }
    bool FadingAllowed() override;
    void PrepareFadingImages(TuiBitmap32*& AHotImage, TuiBitmap32*& ANormalImage) override;
    bool IsFadingSelected() override;
    bool CanBeInButtonGroup() const override { return true; }
    void ControlActivate(bool AImmediately, bool AByMouse) override;
    void ControlInactivate(bool AImmediately) override;
    void ControlMouseUp(bool AByMouse) override;
    bool IsDropDownKey(WORD AKey) const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    void CalcDrawParams(bool AFull = true) override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    int GetLargeWidth() const override;
    int GetLargeHeight() const override;
    void KeyDown(WORD& AKey, TShiftState AShift) override;

    // The drop-down timers of menus (400 ms): the control waiting to open, the control waiting to close.
    static TovBarButtonLikeControl* PendingOpen();
    static TovBarButtonLikeControl* PendingClose();
    static constexpr unsigned DropDownDelay = 400;

protected:
    // Whether the control's drop-down is open now.
    bool IsMenuOpen() const;
    // Fading is possible now: a parent that allows it, a fader, and a painter that draws fades.
    bool FadingPossible();
    void CancelTimers();
    bool InToolbar() const;
    // A control that goes while its drop-down is open closes it (the derived destructors call it).
    void CloseSubMenuOnDestroy();

private:
    bool FShowAnimation = false;
};

class TovBarButtonControl : public TovBarButtonLikeControl {
public:
    using TovBarButtonLikeControl::TovBarButtonLikeControl;
    ~TovBarButtonControl() override;

    TovBarButton* ButtonItem() const;
    // 0 none, 1 the whole button opens the menu, 2 split button (part 1 is the arrow).
    virtual int GetDropDownKind() const;
    virtual TovBarPaintStyle GetPaintStyle() const;
    virtual void AdjustPaintStyle(TovBarPaintStyle& AStyle) const;
    // Shown pressed now: pressed by the mouse on part 0, pressed by a click, or open as a whole-button
    // drop-down.
    bool IsPressedNow() const;

    void PaintStyleChanged() override;
    void ControlMouseDown(bool AByMouse) override;
    void ControlClick(bool AByMouse) override;
    void ControlMouseUp(bool AByMouse) override;
    bool IsSelected() const override;
    TovBarItemViewStructure GetViewStructure() const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    int GetPartCount() const override;
    void CalcDrawParams(bool AFull = true) override;
    void CalcParts() override;
    TCustomovBarControl* GetChildMenuControl() const override { return GetSubMenuControl(); }
    int GetHeight() const override;
    int GetWidth() const override;
    int GetSmallHeight() const override;
    bool CloseMenusOnClick() const override;
    bool IsDropDown() const override { return GetDropDownKind() != 0; }
    bool NeedsMouseCapture() const override;
    bool IsDroppedDown() const override;
    void SetDroppedDown(bool AValue) override { FDroppedDown = AValue; }
    void DropDown(bool AByMouse) override;
    TCustomovBarControl* GetSubMenuControl() const override;
    bool KeepTextColorWhenSelected() const override;
    bool IsTextSelected() const override;
    void DoCloseUp(bool AHasSubMenu) override;
    void DoDropDown(bool AByMouse) override;
    TovBarPaintStyle EffectivePaintStyle() const override { return GetPaintStyle(); }

private:
    bool FDroppedDown = false;
};
