// The glyph of a button and how it is placed: a strip of NumGlyphs images (up, disabled, down, held
// down) whose bottom-left pixel's colour is transparent, with Layout, Margin and Spacing placing it and
// the caption. Bitmap buttons and speed buttons hold one; every change calls the button's Changed.
#pragma once

#include "platform/vcl/ButtonGlyphLayout.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TFont;

class TButtonGlyph {
public:
    explicit TButtonGlyph(std::function<void()> Changed);
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies Value; a strip of square images says how many it holds.
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);

    // Where the glyph and Caption (in Font) go inside Client.
    void CalcLayout(const RECT& Client, TFont* Font, const std::string& Caption, RECT& GlyphRect,
                    RECT& TextRect) const;
    // Draws image Index of the strip at Pos; a disabled button without its own disabled image shows the
    // glyph embossed.
    void Draw(HDC DC, int Index, POINT Pos, bool Enabled) const;

private:
    std::function<void()> FChanged;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonLayout FLayout = blGlyphLeft;
};
