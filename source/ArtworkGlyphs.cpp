#include "source/ArtworkGlyphs.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Picture.h"

#include <array>
#include <vector>

namespace artwork_detail {

constexpr TColor GlyphInk = RGB(48, 52, 60);
constexpr TColor RecordInk = RGB(204, 32, 32);
constexpr TColor Transparent = clFuchsia;

void Fill(TCanvas& c, TColor Color) {
    c.Pen()->SetColor(Color);
    c.Brush()->SetColor(Color);
    c.Brush()->SetStyle(bsSolid);
}

void Bar(TCanvas& c, int Left, int Top, int Right, int Bottom) {
    c.FillRect(RECT{Left, Top, Right, Bottom});
}

// A triangle pointing right (or left) with its flat side at x = From.
void Arrow(TCanvas& c, int From, int To, int Top, int Bottom) {
    const int middle = (Top + Bottom) / 2;
    c.Polygon(std::vector<POINT>{{From, Top}, {To, middle}, {From, Bottom}});
}

// A magnifying glass whose lens has its centre at (6, 6); `mark` draws inside the lens.
void Lens(TCanvas& c) {
    c.Pen()->SetColor(GlyphInk);
    c.Pen()->SetWidth(2);
    c.Brush()->SetColor(clWhite);
    c.Ellipse(1, 1, 12, 12);
    c.Pen()->SetWidth(3);
    c.MoveTo(11, 11);
    c.LineTo(14, 14);
    c.Pen()->SetWidth(1);
    Fill(c, GlyphInk);
}

// An up-and-down arrow at the right for the vertical zoom.
void VerticalArrows(TCanvas& c) {
    Fill(c, GlyphInk);
    c.Polygon(std::vector<POINT>{{12, 1}, {15, 5}, {9, 5}});
    c.Polygon(std::vector<POINT>{{12, 15}, {15, 11}, {9, 11}});
    Bar(c, 11, 5, 13, 11);
}

} // namespace artwork_detail

void DrawProgressPicture(TImage& Image) {
    using namespace artwork_detail;
    TBitmap* bitmap = Image.Picture()->Bitmap();
    bitmap->SetSize(48, 48);
    TCanvas& c = *bitmap->Canvas();
    Fill(c, clBtnFace);
    Bar(c, 0, 0, 48, 48);
    // A tile shading from a light to a deep blue, row by row.
    for (int y = 2; y < 46; ++y) {
        const int t = (y - 2) * 255 / 43;
        Fill(c, RGB(60 - t * 30 / 255, 140 - t * 60 / 255, 220 - t * 50 / 255));
        const int inset = y < 6 ? 6 - y : (y > 41 ? y - 41 : 0);
        Bar(c, 2 + inset, y, 46 - inset, y + 1);
    }
    // The wave: bars of a swelling and fading tone.
    constexpr std::array<int, 13> heights{4, 8, 14, 22, 28, 20, 30, 24, 16, 20, 12, 7, 3};
    Fill(c, clWhite);
    for (std::size_t i = 0; i < heights.size(); ++i) {
        const int x = 8 + static_cast<int>(i) * 25 / 8;
        Bar(c, x, 24 - heights[i] / 2, x + 2, 24 + heights[i] / 2 + 1);
    }
}

void DrawButtonGlyph(TBitmap& Bitmap, TButtonPicture Glyph) {
    using namespace artwork_detail;
    Bitmap.SetSize(16, 16);
    TCanvas& c = *Bitmap.Canvas();
    Fill(c, Transparent);
    Bar(c, 0, 0, 16, 16);
    Fill(c, GlyphInk);
    switch (Glyph) {
    case TButtonPicture::Start:
        Bar(c, 3, 3, 5, 13);
        Arrow(c, 12, 5, 3, 12);
        break;
    case TButtonPicture::Rewind:
        Arrow(c, 8, 2, 3, 12);
        Arrow(c, 14, 8, 3, 12);
        break;
    case TButtonPicture::Stop:
        Bar(c, 4, 4, 12, 12);
        break;
    case TButtonPicture::Play:
        Arrow(c, 5, 12, 3, 13);
        break;
    case TButtonPicture::PlayLooped:
        // A play arrow with a loop around its right: out along the top, back along the bottom.
        Arrow(c, 2, 8, 2, 10);
        Bar(c, 8, 3, 14, 5);
        Bar(c, 12, 3, 14, 13);
        Bar(c, 8, 11, 14, 13);
        c.Polygon(std::vector<POINT>{{9, 9}, {5, 12}, {9, 15}});
        break;
    case TButtonPicture::PlayToEnd:
        Arrow(c, 3, 10, 3, 12);
        Bar(c, 11, 3, 13, 13);
        break;
    case TButtonPicture::Pause:
        Bar(c, 4, 3, 7, 13);
        Bar(c, 9, 3, 12, 13);
        break;
    case TButtonPicture::Forward:
        Arrow(c, 2, 8, 3, 12);
        Arrow(c, 8, 14, 3, 12);
        break;
    case TButtonPicture::End:
        Arrow(c, 4, 11, 3, 12);
        Bar(c, 11, 3, 13, 13);
        break;
    case TButtonPicture::Record:
        Fill(c, RecordInk);
        c.Ellipse(3, 3, 13, 13);
        break;
    case TButtonPicture::VerticalZoomOut:
        VerticalArrows(c);
        Bar(c, 1, 7, 8, 9);
        break;
    case TButtonPicture::VerticalZoomIn:
        VerticalArrows(c);
        Bar(c, 1, 7, 8, 9);
        Bar(c, 3, 5, 6, 12);
        break;
    case TButtonPicture::ZoomFull:
        Lens(c);
        Bar(c, 3, 6, 10, 7);
        Bar(c, 3, 4, 4, 9);
        Bar(c, 9, 4, 10, 9);
        break;
    case TButtonPicture::ZoomToSelection:
        Lens(c);
        c.Brush()->SetStyle(bsClear);
        c.Rectangle(4, 4, 9, 9);
        break;
    case TButtonPicture::ZoomOut:
        Lens(c);
        Bar(c, 4, 6, 9, 7);
        break;
    case TButtonPicture::ZoomIn:
        Lens(c);
        Bar(c, 4, 6, 9, 7);
        Bar(c, 6, 4, 7, 9);
        break;
    }
}
