// The library's own scroll bar, without a window of its own: the model keeps range, position, steps and
// bounds and owns the geometry (view info), the mouse logic (controller) and the painting (painter). An
// owner lends it a windowed control and a look-and-feel, so any control can draw scroll bars inside it.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/ScrollBar.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

#include <memory>

class TWinControl;
class TuiCanvas;
class TuiLookAndFeel;
class TuiScrollBarViewInfo;
class TuiScrollBarController;
class TuiScrollBarPainter;

class IuiScrollBarOwner {
public:
    virtual ~IuiScrollBarOwner() = default;
    virtual TWinControl* GetControl() = 0;
    virtual TuiLookAndFeel* GetLookAndFeel() = 0;
};

// (SM_CXVSCROLL, SM_CYHSCROLL): the width of a vertical bar and the height of a horizontal one.
TSize uiGetDefaultScrollBarSize();

class TuiScrollBarHelper : public TuiIUnknownObject {
public:
    explicit TuiScrollBarHelper(IuiScrollBarOwner* AOwner);
    ~TuiScrollBarHelper() override;

    virtual void Change();
    virtual void Paint(TuiCanvas* ACanvas);
    virtual void Invalidate();
    virtual void InvalidateRect(const TRect& R, bool AEraseBackground);
    virtual bool IsCaptured();
    virtual TPoint ScreenToClient(const TPoint& P);
    virtual void Scroll(TScrollCode ACode, int& APos);
    void CalculateViewInfo();
    void CancelMode();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseEnter(TObject* AControl);
    void MouseLeave(TObject* AControl);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void DrawScrollBar(TuiCanvas* ACanvas);
    // Paints into a bitmap of the bounds' size and copies it to ADC at the bounds.
    void PaintToDC(HDC ADC);
    void Repaint();

    // Raises EInvalidOperation "Scrollbar property out of range" when AMin > AMax or the page is larger
    // than the range; the position is clamped into the range.
    void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw = true);

    IuiScrollBarOwner* Owner() const { return FOwner; }
    TWinControl* OwnerControl() const;
    HWND GetOwnerHandle() const;
    bool IsOwnerHandleAllocated() const;
    TuiLookAndFeelPainterBase* LookAndFeelPainter() const;

    const TRect& Bounds() const { return FBounds; }
    void SetBounds(const TRect& AValue) { FBounds = AValue; }
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind AValue) { FKind = AValue; }
    bool Enabled() const { return FEnabled; }
    bool IsEnabled() const { return FEnabled; }
    void SetEnabled(bool AValue);
    bool Visible() const { return FVisible; }
    bool IsVisible() const { return FVisible; }
    void SetVisible(bool AValue);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int PageSize() const { return FPageSize; }
    int Position() const { return FPosition; }
    void SetPosition(int AValue) { SetScrollParams(FMin, FMax, AValue, FPageSize, true); }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int AValue);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int AValue);
    bool UnlimitedTracking() const { return FUnlimitedTracking; }
    void SetUnlimitedTracking(bool AValue) { FUnlimitedTracking = AValue; }

    TuiScrollBarViewInfo* ViewInfo();
    TuiScrollBarController* Controller();
    TuiScrollBarPainter* Painter();

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    friend class TuiScrollBarController;
    // The three collaborators, made on first use so that descendants substitute their own.
    virtual std::unique_ptr<TuiScrollBarController> CreateController();
    virtual std::unique_ptr<TuiScrollBarPainter> CreatePainter();
    virtual std::unique_ptr<TuiScrollBarViewInfo> CreateViewInfo();
    // Sets the position without redrawing or telling anyone (thumb tracking).
    void SetPositionField(int AValue) { FPosition = AValue; }

private:
    IuiScrollBarOwner* FOwner;
    std::unique_ptr<TuiScrollBarViewInfo> FViewInfo;
    std::unique_ptr<TuiScrollBarController> FController;
    std::unique_ptr<TuiScrollBarPainter> FPainter;
    TRect FBounds;
    TScrollBarKind FKind = sbHorizontal;
    bool FEnabled = true;
    bool FVisible = false;
    int FMin = 0;
    int FMax = 100;
    int FPageSize = 0;
    int FPosition = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    bool FUnlimitedTracking = false;
};
