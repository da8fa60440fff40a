#include "ui/bars/controls/DockControl.h"

#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarPainter.h"

TovDockControl::TovDockControl(TovBarManager* AManager, TovBarDockingStyle AStyle)
    : FManager(AManager), FDockingStyle(AStyle) {}

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
