#include "platform/vcl/Pen.h"

#include "platform/gdi/GdiDC.h"

void TPen::Assign(TPersistent* Source) {
    if (auto* pen = dynamic_cast<TPen*>(Source)) {
        if (pen == this) return;
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

HPEN TPen::Handle() {
    if (CachedHandle() == nullptr) {
        LOGPEN log;
        log.lopnStyle = static_cast<UINT>(FStyle);
        log.lopnWidth.x = FWidth;
        log.lopnColor = ColorToRGB(FColor);
        SetCachedHandle(CreatePenIndirect(&log));
    }
    return static_cast<HPEN>(CachedHandle());
}

void TPen::SetHandle(HPEN Value) {
    if (Value != nullptr && Value == CachedHandle()) return;
    LOGPEN log;
    if (Value == nullptr || GetObject(Value, sizeof(log), &log) == 0) return;
    FColor = static_cast<TColor>(log.lopnColor);
    FWidth = log.lopnWidth.x;
    FStyle = log.lopnStyle <= PS_INSIDEFRAME ? static_cast<TPenStyle>(log.lopnStyle) : psSolid;
    Changed();
    AdoptHandle(Value);
}

void TPen::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == FWidth) return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == FMode) return;
    FMode = Value;
    OnChange(this);
}
