#include "source/ArtworkGlyphs.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Picture.h"

#include <array>

namespace artwork_detail {

void Fill(TCanvas& c, TColor Color) {
    c.Pen()->SetColor(Color);
    c.Brush()->SetColor(Color);
    c.Brush()->SetStyle(bsSolid);
}

void Bar(TCanvas& c, int Left, int Top, int Right, int Bottom) {
    c.FillRect(RECT{Left, Top, Right, Bottom});
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
