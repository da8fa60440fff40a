#include "source/controls/ImageSliderArt.h"

#include "platform/vcl/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace slider_art_detail {

// Colours of the pictures; Key is drawn transparently by the slider.
constexpr COLORREF Key = RGB(255, 0, 255);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Light = RGB(236, 240, 246);
constexpr COLORREF Face = RGB(196, 212, 232);
constexpr COLORREF PressedFace = RGB(214, 214, 214);
constexpr COLORREF Shadow = RGB(120, 132, 150);
constexpr COLORREF Dark = RGB(56, 64, 80);
constexpr COLORREF Grey = RGB(150, 150, 150);
constexpr COLORREF Groove = RGB(90, 96, 108);

// A picture as rows of colours, drawn horizontally; the vertical pictures are its transpose, which
// keeps the light on the top and left edges.
struct TArt {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Pixels;
    TArt(int w, int h) : Width(w), Height(h), Pixels(std::size_t(w) * h, Key) {}
    COLORREF& At(int x, int y) { return Pixels[std::size_t(y) * Width + x]; }
    COLORREF At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
    TArt Transposed() const {
        TArt t(Height, Width);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                t.At(y, x) = At(x, y);
        return t;
    }
};

// One knob of w x h at (left, 0) of the picture: rounded corners, a raised rim (light above and left,
// dark below and right) and three etched grip lines across its middle. The second state is flat and
// grey: the rim is drawn as one shadow line and the face is grey.
void DrawKnob(TArt& art, int left, int w, int h, bool pressed) {
    const auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return false;
        const int dx = std::min(x, w - 1 - x), dy = std::min(y, h - 1 - y);
        return !(dx < 2 && dy < 2 && dx + dy < 2); // the corners are cut by two pixels
    };
    // Distance, in rings, from the outline: 0 on the rim, 1 just inside it.
    const auto ring = [&](int x, int y) {
        for (int r = 0; r < 2; ++r)
            for (int dy = -1 - r; dy <= 1 + r; ++dy)
                for (int dx = -1 - r; dx <= 1 + r; ++dx)
                    if (std::abs(dx) + std::abs(dy) == r + 1 && !inside(x + dx, y + dy)) return r;
        return 2;
    };
    // Whether the nearest outside pixel is above or to the left (the lit side).
    const auto lit = [&](int x, int y) {
        const int toLeft = x, toTop = y, toRight = w - 1 - x, toBottom = h - 1 - y;
        return std::min(toLeft, toTop) <= std::min(toRight, toBottom);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            COLORREF c = pressed ? PressedFace : Face;
            const int r = ring(x, y);
            if (pressed) {
                if (r == 0) c = Grey;
            } else if (r == 0) {
                c = lit(x, y) ? White : Dark;
            } else if (r == 1) {
                c = lit(x, y) ? Light : Shadow;
            }
            art.At(left + x, y) = c;
        }
    // Grip lines: a dark column with a light one to its right, three of them around the centre.
    const int centre = w / 2;
    for (int line = -1; line <= 1; ++line) {
        const int x = centre - 1 + line * 3;
        for (int y = 4; y < h - 4; ++y) {
            art.At(left + x, y) = pressed ? Grey : Shadow;
            art.At(left + x + 1, y) = pressed ? White : Light;
        }
    }
}

TArt HorizontalThumb() {
    TArt art(40, 13);
    DrawKnob(art, 0, 20, 13, false);
    DrawKnob(art, 20, 20, 13, true);
    return art;
}

// A sunken groove four pixels deep across a picture eight high: shadow, dark, light and highlight rows,
// closed by a shadow column at the start and a highlight column at the end. Columns 2..7 are equal, so
// the slider can repeat them between the two edges (an edge size of 2).
TArt HorizontalRuler() {
    TArt art(10, 8);
    const COLORREF rows[4] = {Shadow, Groove, Light, White};
    for (int x = 0; x < 10; ++x)
        for (int r = 0; r < 4; ++r)
            art.At(x, 2 + r) = rows[r];
    for (int r = 0; r < 3; ++r) {
        art.At(0, 2 + r) = Shadow;
        art.At(9, 2 + r) = r == 0 ? Shadow : White;
    }
    return art;
}

void Paint(TBitmap* bitmap, const TArt& art) {
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(art.Width, art.Height);
    for (int y = 0; y < art.Height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < art.Width; ++x) {
            const COLORREF c = art.At(x, y);
            row[x * 3 + 0] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
    }
    bitmap->SetModified(true);
}

} // namespace slider_art_detail

std::string SliderImageName(TSliderImage Image) {
    switch (Image) {
    case siHThumb:
        return "W95_HTB";
    case siHRuler:
        return "W95_HRL";
    case siVThumb:
        return "W95_VTB";
    case siVRuler:
        return "W95_VRL";
    }
    return {};
}

void LoadDefaultSliderImage(TBitmap* Bitmap, TSliderImage Image) {
    using namespace slider_art_detail;
    switch (Image) {
    case siHThumb:
        Paint(Bitmap, HorizontalThumb());
        break;
    case siHRuler:
        Paint(Bitmap, HorizontalRuler());
        break;
    case siVThumb: {
        // Two 13 x 20 knobs side by side: the transposed knobs, placed one after the other.
        const TArt h = HorizontalThumb();
        TArt v(26, 20);
        for (int state = 0; state < 2; ++state)
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 13; ++x)
                    v.At(state * 13 + x, y) = h.At(state * 20 + y, x);
        Paint(Bitmap, v);
        break;
    }
    case siVRuler:
        Paint(Bitmap, HorizontalRuler().Transposed());
        break;
    }
}
