#include "platform/vcl/Font.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"

#include <cstring>

TFont::TFont() = default;

void TFont::Assign(TPersistent* Source) {
    if (auto* font = dynamic_cast<TFont*>(Source)) {
        if (font == this) return;
        FName = font->FName;
        FHeight = font->FHeight;
        FPixelsPerInch = font->FPixelsPerInch;
        FStyle = font->FStyle;
        FColor = font->FColor;
        FPitch = font->FPitch;
        FCharset = font->FCharset;
        FQuality = font->FQuality;
        FOrientation = font->FOrientation;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

LOGFONT TFont::LogFont() const {
    LOGFONT log;
    log.lfHeight = FHeight;
    log.lfEscapement = FOrientation;
    log.lfOrientation = FOrientation;
    log.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
    log.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
    log.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
    log.lfCharSet = FCharset;
    log.lfQuality = FQuality == fqClearTypeNatural ? CLEARTYPE_QUALITY : static_cast<BYTE>(FQuality);
    log.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                           : FPitch == fpVariable ? VARIABLE_PITCH
                                                  : DEFAULT_PITCH;
    std::strncpy(log.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    return log;
}

HFONT TFont::Handle() {
    if (CachedHandle() == nullptr) {
        LOGFONT log = LogFont();
        SetCachedHandle(CreateFontIndirect(&log));
    }
    return static_cast<HFONT>(CachedHandle());
}

void TFont::SetHandle(HFONT Value) {
    if (Value != nullptr && Value == CachedHandle()) return;
    LOGFONT log;
    if (Value == nullptr || GetObject(Value, sizeof(log), &log) == 0) return;
    FName = log.lfFaceName;
    FHeight = log.lfHeight;
    FStyle.clear();
    if (log.lfWeight >= FW_BOLD) FStyle.Include(fsBold);
    if (log.lfItalic) FStyle.Include(fsItalic);
    if (log.lfUnderline) FStyle.Include(fsUnderline);
    if (log.lfStrikeOut) FStyle.Include(fsStrikeOut);
    FCharset = log.lfCharSet;
    FOrientation = log.lfEscapement;
    FPitch = (log.lfPitchAndFamily & 3) == FIXED_PITCH      ? fpFixed
             : (log.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
                                                            : fpDefault;
    Changed();
    AdoptHandle(Value);
}

void TFont::SetName(const TFontName& Value) {
    if (Value.empty() || Value == FName) return;
    FName = Value;
    Changed();
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight) return;
    FHeight = Value;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value) {
    SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    // The handle does not depend on the colour; users still hear of the change.
    OnChange(this);
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == FPitch) return;
    FPitch = Value;
    Changed();
}

void TFont::SetCharset(TFontCharset Value) {
    if (Value == FCharset) return;
    FCharset = Value;
    Changed();
}

void TFont::SetQuality(TFontQuality Value) {
    if (Value == FQuality) return;
    FQuality = Value;
    Changed();
}

void TFont::SetOrientation(int Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    Changed();
}
