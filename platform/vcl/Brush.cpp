#include "platform/vcl/Brush.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"

TBrush::~TBrush() = default;

void TBrush::Assign(TPersistent* Source) {
    if (auto* brush = dynamic_cast<TBrush*>(Source)) {
        if (brush == this) return;
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        FBitmap = brush->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

HBRUSH TBrush::Handle() {
    if (CachedHandle() == nullptr) {
        HBRUSH brush = nullptr;
        if (FBitmap != nullptr && !FBitmap->Empty())
            brush = CreatePatternBrush(FBitmap->Handle());
        else if (FStyle == bsClear)
            brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        else if (FStyle == bsSolid)
            brush = CreateSolidBrush(ColorToRGB(FColor));
        else
            brush = CreateHatchBrush(static_cast<int>(FStyle) - bsHorizontal, ColorToRGB(FColor));
        SetCachedHandle(brush);
    }
    return static_cast<HBRUSH>(CachedHandle());
}

void TBrush::SetHandle(HBRUSH Value) {
    if (Value != nullptr && Value == CachedHandle()) return;
    LOGBRUSH log;
    if (Value == nullptr || GetObject(Value, sizeof(log), &log) == 0) return;
    FColor = static_cast<TColor>(log.lbColor);
    FBitmap = nullptr;
    if (log.lbStyle == BS_NULL)
        FStyle = bsClear;
    else if (log.lbStyle == BS_HATCHED && log.lbHatch <= HS_DIAGCROSS)
        FStyle = static_cast<TBrushStyle>(bsHorizontal + log.lbHatch);
    else
        FStyle = bsSolid;
    Changed();
    AdoptHandle(Value);
}

void TBrush::SetColor(TColor Value) {
    if (Value == FColor && FStyle != bsClear) return;
    FColor = Value;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == FStyle && FBitmap == nullptr) return;
    FStyle = Value;
    FBitmap = nullptr;
    Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
    if (Value == FBitmap) return;
    FBitmap = Value;
    Changed();
}
