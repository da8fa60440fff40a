#include "platform/vcl/ButtonGlyphLayout.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <algorithm>

int GlyphStripCount(const TBitmap* Glyph, int Current) {
    if (Glyph == nullptr || Glyph->Height() <= 0 || Glyph->Width() % Glyph->Height() != 0) return Current;
    const int count = Glyph->Width() / Glyph->Height();
    return count >= 1 && count <= 4 ? count : Current;
}

SIZE GlyphImageSize(const TBitmap* Glyph, int NumGlyphs) {
    if (Glyph == nullptr || Glyph->Empty()) return SIZE{0, 0};
    return SIZE{Glyph->Width() / NumGlyphs, Glyph->Height()};
}

void CalcButtonGlyphLayout(const RECT& Client, SIZE GlyphSize, TFont* Font, const std::string& Caption,
                           TButtonLayout Layout, int Margin, int Spacing, RECT& GlyphRect, RECT& TextRect) {
    SIZE text{0, 0};
    if (!Caption.empty()) {
        const RECT measured = StdCtrlsMeasureText(Font, Caption, RECT{0, 0, Client.right, 0}, DT_SINGLELINE);
        text = SIZE{measured.right, measured.bottom};
    }
    const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    const int total = horizontal ? Client.right : Client.bottom;
    const int glyphLength = horizontal ? GlyphSize.cx : GlyphSize.cy;
    const int textLength = horizontal ? text.cx : text.cy;
    const int spacing = glyphLength > 0 && textLength > 0 ? std::max(0, Spacing) : 0;
    const int margin = Margin < 0 ? (total - glyphLength - spacing - textLength) / 2 : Margin;
    int glyphPos = margin;
    int textPos = margin + glyphLength + spacing;
    if (Layout == blGlyphRight || Layout == blGlyphBottom) {
        glyphPos = total - margin - glyphLength;
        textPos = glyphPos - spacing - textLength;
    }
    if (horizontal) {
        const int gy = (Client.bottom - GlyphSize.cy) / 2;
        const int ty = (Client.bottom - text.cy) / 2;
        GlyphRect = RECT{glyphPos, gy, glyphPos + GlyphSize.cx, gy + GlyphSize.cy};
        TextRect = RECT{textPos, ty, textPos + text.cx, ty + text.cy};
    } else {
        const int gx = (Client.right - GlyphSize.cx) / 2;
        const int tx = (Client.right - text.cx) / 2;
        GlyphRect = RECT{gx, glyphPos, gx + GlyphSize.cx, glyphPos + GlyphSize.cy};
        TextRect = RECT{tx, textPos, tx + text.cx, textPos + text.cy};
    }
}
