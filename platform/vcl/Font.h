// TFont: face name, height, styles, colour, pitch, charset, quality and escapement of text, with the
// GDI font handle made on demand.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsObject.h"

class TFont : public TGraphicsObject {
public:
    TFont();

    void Assign(TPersistent* Source) override;

    // The GDI font; made from the properties on first use and kept until a property changes.
    HFONT Handle();
    // Takes over a font handle: the properties become those of its LOGFONT.
    void SetHandle(HFONT Value);

    const TFontName& Name() const { return FName; }
    void SetName(const TFontName& Value);
    // Height in pixels (positive: cell height, negative: character height, as LOGFONT's lfHeight).
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // Size in points at the font's PixelsPerInch: Size = -Height * 72 / PixelsPerInch.
    int Size() const;
    void SetSize(int Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : 96; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    // The colour is not part of the GDI font: changing it keeps the handle.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality Value);
    // Tenths of a degree, counter-clockwise.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int Value);

    // The LOGFONT the properties stand for.
    LOGFONT LogFont() const;

private:
    TFontName FName = "Tahoma";
    int FHeight = -11;
    int FPixelsPerInch = 96;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontPitch FPitch = fpDefault;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontQuality FQuality = fqDefault;
    int FOrientation = 0;
};
