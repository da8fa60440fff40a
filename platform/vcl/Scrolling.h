// TScrollingWinControl: a windowed control whose client area is a view on a larger area. Its two
// TControlScrollBar objects keep the range (with AutoScroll: the extent of the children) and the
// position; scrolling moves the children by the change of position.
#pragma once

#include "platform/vcl/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
public:
    TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind)
        : FControl(AControl), FKind(AKind) {}

    TScrollBarKind Kind() const { return FKind; }
    int Range() const { return FRange; }
    void SetRange(int Value);
    int Position() const { return FPosition; }
    // Kept within 0 .. Range - client extent; the children move by the change.
    void SetPosition(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value > 0 ? Value : 1; }
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    // Whether the range exceeds the client extent (the bar would be shown).
    bool IsScrollBarVisible() const;
    int ScrollPos() const { return IsScrollBarVisible() ? FPosition : 0; }
    void Assign(TPersistent* Source) override;

private:
    friend class TScrollingWinControl;
    // Shows range, view and position on the window's own scroll bar.
    void Update();
    // Answers a WM_HSCROLL/WM_VSCROLL request from the window's scroll bar.
    void ScrollMessage(WORD Code);
    int ClientExtent() const;
    int MaxPosition() const;
    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int FRange = 0;
    int FPosition = 0;
    int FIncrement = 8;
    int FMargin = 0;
    bool FVisible = true;
    bool FTracking = false;
};

class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    // Scrolls so that AControl is wholly in view (its top-left corner first).
    void ScrollInView(TControl* AControl);
    // Moves every child by (DeltaX, DeltaY).
    void ScrollBy(int DeltaX, int DeltaY);
    void DisableAutoRange() { ++FAutoRangeCount; }
    void EnableAutoRange();

protected:
    friend class TControlScrollBar;
    void AlignControls(TControl* AControl, RECT& Rect) override;
    // With AutoScroll: the ranges follow the extent of the children.
    void CalcAutoRange();
    void Dispatch(TMessage& Message) override;
    void CreateWnd() override;
    void UpdateScrollBars();

private:
    bool FUpdatingScrollBars = false;
    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    bool FAutoScroll = true;
    int FAutoRangeCount = 0;
};
