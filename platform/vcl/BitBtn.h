// TBitBtn: a push button with a glyph beside its caption. A Kind other than bkCustom gives the button
// the caption, modal result and default or cancel role of that kind (OK, Cancel, Yes, No, ...).
#pragma once

#include "platform/vcl/Button.h"
#include "platform/vcl/ButtonGlyphLayout.h"

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
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // Where the glyph and the caption go, in client coordinates.
    void CalcLayout(RECT& GlyphRect, RECT& TextRect);
    void Click() override;

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> FGlyph;
    TBitBtnKind FKind = bkCustom;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonLayout FLayout = blGlyphLeft;
};
