#include "ui/core/controls/ScrollBarHelper.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/ScrollBarController.h"
#include "ui/core/controls/ScrollBarPainter.h"
#include "ui/core/controls/ScrollBarViewInfo.h"
#include "ui/core/graphics/Bitmaps.h"

#include <algorithm>

TSize uiGetDefaultScrollBarSize() {
    return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

TuiScrollBarHelper::TuiScrollBarHelper(IuiScrollBarOwner* AOwner)
    : FOwner(AOwner), FBounds{0, 0, 120, GetSystemMetrics(SM_CYHSCROLL)} {}

TuiScrollBarHelper::~TuiScrollBarHelper() {
    FPainter.reset();
    FController.reset();
    FViewInfo.reset();
}

std::unique_ptr<TuiScrollBarController> TuiScrollBarHelper::CreateController() {
    return std::make_unique<TuiScrollBarController>(this);
}

std::unique_ptr<TuiScrollBarPainter> TuiScrollBarHelper::CreatePainter() {
    return std::make_unique<TuiScrollBarPainter>(this);
}

std::unique_ptr<TuiScrollBarViewInfo> TuiScrollBarHelper::CreateViewInfo() {
    return std::make_unique<TuiScrollBarViewInfo>(this);
}

TuiScrollBarViewInfo* TuiScrollBarHelper::ViewInfo() {
    if (!FViewInfo) FViewInfo = CreateViewInfo();
    return FViewInfo.get();
}

TuiScrollBarController* TuiScrollBarHelper::Controller() {
    if (!FController) FController = CreateController();
    return FController.get();
}

TuiScrollBarPainter* TuiScrollBarHelper::Painter() {
    if (!FPainter) FPainter = CreatePainter();
    return FPainter.get();
}

void TuiScrollBarHelper::Change() {
    OnChange(this);
}

void TuiScrollBarHelper::Paint(TuiCanvas* ACanvas) {
    Painter()->Paint(ACanvas);
}

void TuiScrollBarHelper::DrawScrollBar(TuiCanvas* ACanvas) {
    Paint(ACanvas);
}

void TuiScrollBarHelper::Invalidate() {
    InvalidateRect(FBounds, false);
}

void TuiScrollBarHelper::InvalidateRect(const TRect& R, bool AEraseBackground) {
    if (IsOwnerHandleAllocated()) ::InvalidateRect(GetOwnerHandle(), &R, AEraseBackground);
}

bool TuiScrollBarHelper::IsCaptured() {
    return OwnerControl() != nullptr && GetCaptureControl() == OwnerControl();
}

TPoint TuiScrollBarHelper::ScreenToClient(const TPoint& P) {
    TPoint result = P;
    if (IsOwnerHandleAllocated()) ::ScreenToClient(GetOwnerHandle(), &result);
    return result;
}

void TuiScrollBarHelper::Scroll(TScrollCode ACode, int& APos) {
    OnScroll(this, ACode, APos);
}

void TuiScrollBarHelper::CalculateViewInfo() {
    ViewInfo()->Calculate();
}

void TuiScrollBarHelper::CancelMode() {
    Controller()->Finish(sbpNone);
}

void TuiScrollBarHelper::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Controller()->MouseDown(Button, Shift, X, Y);
}

void TuiScrollBarHelper::MouseEnter(TObject*) {
    Controller()->MouseEnter();
}

void TuiScrollBarHelper::MouseLeave(TObject*) {
    Controller()->MouseLeave();
}

void TuiScrollBarHelper::MouseMove(TShiftState Shift, int X, int Y) {
    Controller()->MouseMove(Shift, X, Y);
}

void TuiScrollBarHelper::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Controller()->MouseUp(Button, Shift, X, Y);
}

void TuiScrollBarHelper::PaintToDC(HDC ADC) {
    const int width = FBounds.right - FBounds.left, height = FBounds.bottom - FBounds.top;
    if (width <= 0 || height <= 0) return;
    TuiBitmap bitmap(width, height);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    canvas->SetWindowOrg(TPoint{FBounds.left, FBounds.top});
    Paint(canvas);
    canvas->SetWindowOrg(TPoint{0, 0});
    BitBlt(ADC, FBounds.left, FBounds.top, width, height, canvas->Handle(), 0, 0, SRCCOPY);
}

void TuiScrollBarHelper::Repaint() {
    if (!IsOwnerHandleAllocated()) return;
    Invalidate();
    OwnerControl()->Update();
}

void TuiScrollBarHelper::SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) {
    if (AMin > AMax || AMax - AMin < APageSize) throw EInvalidOperation("Scrollbar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    if (AMin == FMin && AMax == FMax && APageSize == FPageSize && APosition == FPosition)
        ARedraw = false;
    else {
        FMin = AMin;
        FMax = AMax;
        FPageSize = APageSize;
    }
    const bool moved = APosition != FPosition;
    FPosition = APosition;
    ViewInfo()->ComputeThumbRect();
    ViewInfo()->UpdatePartFadingStates();
    if (ARedraw && IsOwnerHandleAllocated()) Repaint();
    if (moved) Change();
}

TWinControl* TuiScrollBarHelper::OwnerControl() const {
    return FOwner != nullptr ? FOwner->GetControl() : nullptr;
}

HWND TuiScrollBarHelper::GetOwnerHandle() const {
    TWinControl* control = OwnerControl();
    return control != nullptr ? control->Handle() : nullptr;
}

bool TuiScrollBarHelper::IsOwnerHandleAllocated() const {
    TWinControl* control = OwnerControl();
    return control != nullptr && control->HandleAllocated();
}

TuiLookAndFeelPainterBase* TuiScrollBarHelper::LookAndFeelPainter() const {
    TuiLookAndFeel* lookAndFeel = FOwner != nullptr ? FOwner->GetLookAndFeel() : nullptr;
    return lookAndFeel != nullptr ? lookAndFeel->GetAvailablePainterForType(totScrollBar) : nullptr;
}

void TuiScrollBarHelper::SetEnabled(bool AValue) {
    FEnabled = AValue;
    if (!AValue) CancelMode();
}

void TuiScrollBarHelper::SetVisible(bool AValue) {
    FVisible = AValue;
    if (!AValue) CancelMode();
}

// The class library's scroll-bar increments run over 1..32767.
void TuiScrollBarHelper::SetSmallChange(int AValue) {
    FSmallChange = std::clamp(AValue, 1, 32767);
}

void TuiScrollBarHelper::SetLargeChange(int AValue) {
    FLargeChange = std::clamp(AValue, 1, 32767);
}
