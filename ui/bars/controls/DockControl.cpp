#include "ui/bars/controls/DockControl.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarPainter.h"

TovDockControl::TovDockControl(TovBarManager* AManager, TovBarDockingStyle AStyle)
    : FManager(AManager), FDockingStyle(AStyle) {}

TovDockControl::~TovDockControl() = default;

void TovDockControl::SetClientRect(const TRect& R) {
    const bool resized = R.right - R.left != FClientRect.right - FClientRect.left ||
                         R.bottom - R.top != FClientRect.bottom - FClientRect.top;
    FClientRect = R;
    if (resized && FCachedBackground) FCachedBackground->SetSize(0, 0);
}

void TovDockControl::SetRows(std::vector<TovDockRowInfo> ARows) {
    FRows = std::move(ARows);
    if (FCachedBackground) FCachedBackground->SetSize(0, 0);
}

TBitmap* TovDockControl::CachedBackground() {
    if (!FCachedBackground) FCachedBackground = std::make_unique<TBitmap>();
    return FCachedBackground.get();
}

TovBarPainter* TovDockControl::GetPainter() const {
    return FManager != nullptr ? FManager->DefaultPainter() : nullptr;
}

bool TovDockControl::IsDesigning() const {
    return FManager != nullptr && FManager->IsDesigning();
}

TColor TovDockControl::Color() const {
    return FManager != nullptr ? FManager->DockColor() : clBtnFace;
}

void TovDockControl::FillBackground(HDC ADC, const TRect& ADestRect, const TRect& AOrigin) {
    if (TovBarPainter* painter = GetPainter())
        painter->DockControlFillBackground(this, ADC, ADestRect, AOrigin, Color(), nullptr);
}
