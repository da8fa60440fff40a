#include "skin/draw/GlyphLayout.h"

#include "platform/gdi/GdiText.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"

#include <algorithm>

namespace {

bool SideBySide(TskButtonLayout Layout) {
    return Layout == blGlyphLeft || Layout == blGlyphRight;
}

// Text drawn with a font of odd height sits one pixel higher, so that it looks centred.
int OddFontLift(TCanvas* Canvas) {
    return Canvas->Font()->Height() % 2 != 0 ? 1 : 0;
}

// The canvas's DC with its font and brush selected: text drawn through the DC itself takes them from it.
HDC TextDC(TCanvas* Canvas) {
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    return Canvas->Handle();
}

// The size of the wrapped caption in R with the glyph's room taken off; 0 x 0 without text.
SIZE MeasureCaption(TCanvas* Canvas, const TRect& R, const std::string& Text, TskButtonLayout Layout,
                    int GlyphWidth, int GlyphHeight) {
    if (Text.empty()) return SIZE{};
    RECT box{0, 0, R.right - R.left, R.bottom - R.top};
    if (SideBySide(Layout))
        box.right -= GlyphWidth;
    else
        box.bottom -= GlyphHeight;
    DrawText(TextDC(Canvas), Text.c_str(), int(Text.size()), &box,
             DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

void DrawCaption(TCanvas* Canvas, const std::string& Text, int X, int Y, SIZE Size) {
    if (Text.empty()) return;
    RECT box{X, Y - OddFontLift(Canvas), X + Size.cx + 2, Y + Size.cy};
    DrawText(TextDC(Canvas), Text.c_str(), int(Text.size()), &box,
             DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
}

} // namespace

void CalcGlyphTextLayout(TskButtonLayout Layout, TRect R, int GlyphWidth, int GlyphHeight, int TextWidth,
                         int TextHeight, int Margin, int Spacing, int& GlyphX, int& GlyphY, int& TextX,
                         int& TextY) {
    const int cx = R.left + (R.right - R.left) / 2, cy = R.top + (R.bottom - R.top) / 2;
    if (GlyphWidth == 0) Spacing = 0;
    if (Margin == -1) {
        const int h = (TextWidth + GlyphWidth + Spacing) / 2, v = (TextHeight + GlyphHeight + Spacing) / 2;
        switch (Layout) {
        case blGlyphLeft:
            GlyphX = cx - h, GlyphY = cy - GlyphHeight / 2;
            TextX = cx + h - TextWidth, TextY = cy - TextHeight / 2;
            break;
        case blGlyphRight:
            TextX = cx - h, TextY = cy - TextHeight / 2;
            GlyphX = cx + h - GlyphWidth, GlyphY = cy - GlyphHeight / 2;
            break;
        case blGlyphTop:
            GlyphX = cx - GlyphWidth / 2, GlyphY = cy - v;
            TextX = cx - TextWidth / 2, TextY = cy + v - TextHeight;
            break;
        case blGlyphBottom:
            GlyphX = cx - GlyphWidth / 2, GlyphY = cy + v - GlyphHeight;
            TextX = cx - TextWidth / 2, TextY = cy - v;
            break;
        }
        return;
    }
    switch (Layout) {
    case blGlyphLeft:
        GlyphX = R.left + Margin, GlyphY = cy - GlyphHeight / 2;
        TextX = GlyphX + GlyphWidth + Spacing, TextY = cy - TextHeight / 2;
        break;
    case blGlyphRight:
        GlyphX = R.right - GlyphWidth - Margin, GlyphY = cy - GlyphHeight / 2;
        TextX = GlyphX - Spacing - TextWidth, TextY = cy - TextHeight / 2;
        break;
    case blGlyphTop:
        GlyphX = cx - GlyphWidth / 2, GlyphY = R.top + Margin;
        TextX = cx - TextWidth / 2, TextY = GlyphY + GlyphHeight + Spacing;
        break;
    case blGlyphBottom:
        GlyphX = cx - GlyphWidth / 2, GlyphY = R.bottom - GlyphHeight - Margin;
        TextX = cx - TextWidth / 2, TextY = GlyphY - Spacing - TextHeight;
        break;
    }
}

void DrawImageAndText(TCanvas* Canvas, TRect R, int Margin, TCustomImageList* Images, int ImageIndex,
                      const std::string& Text, TskButtonLayout Layout, int Spacing, bool Enabled) {
    const bool hasImage = Images && ImageIndex >= 0 && ImageIndex < Images->Count();
    const int iw = hasImage ? Images->Width() : 0, ih = hasImage ? Images->Height() : 0;
    const SIZE text = MeasureCaption(Canvas, R, Text, Layout, iw, ih);
    Canvas->Brush()->SetStyle(bsClear);
    int gx = 0, gy = 0, tx = 0, ty = 0;
    CalcGlyphTextLayout(Layout, R, iw, ih, text.cx, text.cy, Margin, Spacing, gx, gy, tx, ty);
    DrawCaption(Canvas, Text, tx, ty, text);
    if (hasImage) Images->Draw(Canvas, gx, gy, ImageIndex, Enabled);
}

void DrawGlyphAndText(TCanvas* Canvas, TRect R, int Margin, int GlyphIndex, int NumGlyphs, TBitmap* Glyph,
                      const std::string& Text, TskButtonLayout Layout, int Spacing) {
    const bool hasGlyph = Glyph && !Glyph->Empty();
    const int gw = hasGlyph ? Glyph->Width() / std::max(1, NumGlyphs) : 0,
              gh = hasGlyph ? Glyph->Height() : 0;
    const SIZE text = MeasureCaption(Canvas, R, Text, Layout, gw, gh);
    if (!Text.empty()) Canvas->Brush()->SetStyle(bsClear);
    int gx = 0, gy = 0, tx = 0, ty = 0;
    CalcGlyphTextLayout(Layout, R, gw, gh, text.cx, text.cy, Margin, Spacing, gx, gy, tx, ty);
    DrawCaption(Canvas, Text, tx, ty, text);
    DrawGlyphCell(Canvas, gx, gy, GlyphIndex, NumGlyphs, Glyph);
}

void DrawGlyphCell(TCanvas* Canvas, int X, int Y, int Index, int Count, TBitmap* Glyph) {
    // A glyph without cells has one.
    if (!Glyph || Glyph->Empty()) return;
    const int cellWidth = Glyph->Width() / std::max(1, Count);
    if (cellWidth <= 0) return;
    TBitmap cell;
    cell.SetSize(cellWidth, Glyph->Height());
    cell.Canvas()->CopyRect(TRect{0, 0, cellWidth, Glyph->Height()}, Glyph->Canvas(),
                            TRect{(Index - 1) * cellWidth, 0, Index * cellWidth, Glyph->Height()});
    cell.SetTransparentMode(tmAuto);
    cell.SetTransparent(true);
    Canvas->Draw(X, Y, &cell);
}

void DrawSkinText(TCanvas* Canvas, const std::string& Text, TRect R) {
    if (Text.empty()) return;
    R.top -= OddFontLift(Canvas);
    DrawText(TextDC(Canvas), Text.c_str(), int(Text.size()), &R, DT_SINGLELINE | DT_VCENTER);
}
