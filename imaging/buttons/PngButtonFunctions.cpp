#include "imaging/buttons/PngButtonFunctions.h"

#include "imaging/png/PngPicture.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Canvas.h"

void LayoutPngButton(TCanvas* Canvas, TPngPicture* Image, const RECT& Client, UINT TextFlags, POINT& TextPos,
                     POINT& GlyphPos, int Spacing, int Margin, TPngButtonLayout Layout,
                     const std::string& Caption, bool Down, bool Pressed) {
    if (TextFlags & DT_RIGHT) {
        if (Layout == pblGlyphLeft)
            Layout = pblGlyphRight;
        else if (Layout == pblGlyphRight)
            Layout = pblGlyphLeft;
    }
    const SIZE client{Client.right - Client.left, Client.bottom - Client.top};
    const SIZE glyph = Image && !Image->Empty() ? SIZE{Image->Width(), Image->Height()} : SIZE{0, 0};
    SIZE text{0, 0};
    if (!Caption.empty()) {
        RECT bounds{0, 0, client.cx, 0};
        DrawText(Canvas->Handle(), Caption.c_str(), -1, &bounds, DT_CALCRECT | TextFlags);
        text = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
    }
    const bool horizontal = Layout == pblGlyphLeft || Layout == pblGlyphRight;
    // Centred across the layout axis.
    if (horizontal) {
        GlyphPos.y = (client.cy - glyph.cy + 1) / 2;
        TextPos.y = (client.cy - text.cy) / 2;
    } else {
        GlyphPos.x = (client.cx - glyph.cx + 1) / 2;
        TextPos.x = (client.cx - text.cx) / 2;
    }
    if (text.cx == 0 || glyph.cx == 0) Spacing = 0;
    const int clientAlong = horizontal ? client.cx : client.cy;
    const int glyphAlong = horizontal ? glyph.cx : glyph.cy;
    const int textAlong = horizontal ? text.cx : text.cy;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (clientAlong - (glyphAlong + textAlong)) / 3;
            Spacing = Margin;
        } else {
            Margin = (clientAlong - (glyphAlong + Spacing + textAlong)) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = ((clientAlong - (Margin + glyphAlong)) - textAlong) / 2;
    }
    switch (Layout) {
    case pblGlyphLeft:
        GlyphPos.x = Margin;
        TextPos.x = GlyphPos.x + glyph.cx + Spacing;
        break;
    case pblGlyphRight:
        GlyphPos.x = client.cx - Margin - glyph.cx;
        TextPos.x = GlyphPos.x - Spacing - text.cx;
        break;
    case pblGlyphTop:
        GlyphPos.y = Margin;
        TextPos.y = GlyphPos.y + glyph.cy + Spacing;
        break;
    case pblGlyphBottom:
        GlyphPos.y = client.cy - Margin - glyph.cy;
        TextPos.y = GlyphPos.y - Spacing - text.cy;
        break;
    }
    const int shift = Down || Pressed ? 1 : 0;
    GlyphPos.x += Client.left + shift;
    GlyphPos.y += Client.top + shift;
    TextPos.x += Client.left + shift;
    TextPos.y += Client.top + shift;
}
