#include "platform/vcl/ButtonGlyph.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/StdCtrlsPaint.h"

#include <algorithm>

TButtonGlyph::TButtonGlyph(std::function<void()> Changed)
    : FChanged(std::move(Changed)), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) { FChanged(); };
}

TButtonGlyph::~TButtonGlyph() {
    FGlyph->OnChange = nullptr;
}

void TButtonGlyph::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    FNumGlyphs = GlyphStripCount(Value, FNumGlyphs);
    FChanged();
}

void TButtonGlyph::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    FChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout Value) {
    FLayout = Value;
    FChanged();
}

void TButtonGlyph::SetMargin(int Value) {
    FMargin = std::max(-1, Value);
    FChanged();
}

void TButtonGlyph::SetSpacing(int Value) {
    FSpacing = Value;
    FChanged();
}

void TButtonGlyph::CalcLayout(const RECT& Client, TFont* Font, const std::string& Caption, RECT& GlyphRect,
                              RECT& TextRect) const {
    CalcButtonGlyphLayout(Client, GlyphImageSize(FGlyph.get(), FNumGlyphs), Font, Caption, FLayout, FMargin,
                          FSpacing, GlyphRect, TextRect);
}

void TButtonGlyph::Draw(HDC DC, int Index, POINT Pos, bool Enabled) const {
    StdCtrlsDrawGlyph(DC, FGlyph.get(), FNumGlyphs, Index, Pos, !Enabled && FNumGlyphs < 2);
}
