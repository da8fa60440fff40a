// TBitBtn: a push button with a glyph beside its caption. A Kind other than bkCustom gives the button
// the caption, modal result and default or cancel role of that kind (OK, Cancel, Yes, No, ...).
#pragma once

#include "platform/vcl/Button.h"
#include "platform/vcl/ButtonGlyph.h"

#include <memory>

class TBitmap;

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* AOwner);

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind Value);
    TBitmap* Glyph() const { return FButtonGlyph.Glyph(); }
    void SetGlyph(TBitmap* Value) { FButtonGlyph.SetGlyph(Value); }
    int NumGlyphs() const { return FButtonGlyph.NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButtonGlyph.SetNumGlyphs(Value); }
    TButtonLayout Layout() const { return FButtonGlyph.Layout(); }
    void SetLayout(TButtonLayout Value) { FButtonGlyph.SetLayout(Value); }
    int Margin() const { return FButtonGlyph.Margin(); }
    void SetMargin(int Value) { FButtonGlyph.SetMargin(Value); }
    int Spacing() const { return FButtonGlyph.Spacing(); }
    void SetSpacing(int Value) { FButtonGlyph.SetSpacing(Value); }
    // Where the glyph and the caption go, in client coordinates.
    void CalcLayout(RECT& GlyphRect, RECT& TextRect);
    void Click() override;

protected:
    void Paint() override;

private:
    TButtonGlyph FButtonGlyph{[this] { Invalidate(); }};
    TBitBtnKind FKind = bkCustom;
};
