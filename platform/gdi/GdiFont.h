// Font faces behind font handles (internal): the built-in test font with fixed metrics, and scalable
// faces through FreeType and fontconfig. A face gives the text metrics and 8-bit glyph coverage maps.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TGlyph {
    int Advance = 0;       // pixels to the next glyph
    int Left = 0, Top = 0; // bitmap position relative to the pen on the baseline (Top: rows above it)
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Coverage; // Width x Height, 0..255
};

class TFontFace {
public:
    virtual ~TFontFace() = default;
    const TEXTMETRIC& Metrics() const { return FMetrics; }
    const std::string& FamilyName() const { return FFamily; }
    // The glyph of a Unicode code point (a missing one gives the face's fallback glyph).
    virtual const TGlyph& Glyph(char32_t codePoint) = 0;
    // Underline and strike-out lines: top row relative to the cell top, and thickness.
    int UnderlineTop = 0, UnderlineThickness = 1;
    int StrikeOutTop = 0, StrikeOutThickness = 1;
    bool Underline = false, StrikeOut = false;
    bool Antialiased = true;
    int Escapement = 0; // tenths of a degree, counter-clockwise

protected:
    TEXTMETRIC FMetrics;
    std::string FFamily;
};

// The face for a logical font (cached; faces are shared by fonts asking for the same thing).
std::shared_ptr<TFontFace> GdiResolveFontFace(const LOGFONT& font);
