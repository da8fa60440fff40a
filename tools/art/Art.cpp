#include "tools/art/Art.h"

#include "imaging/png/PngBitmapData.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace art {

namespace {

constexpr double Degree = M_PI / 180.0;

cairo_pattern_t* VerticalPattern(const TBox& Box, TRgb Top, TRgb Bottom) {
    // The stops sit on the centres of the first and the last row, so both rows get their colour exactly.
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, Box.Y + 0.5, 0, Box.Bottom() - 0.5);
    cairo_pattern_add_color_stop_rgb(pattern, 0, Top.R / 255.0, Top.G / 255.0, Top.B / 255.0);
    cairo_pattern_add_color_stop_rgb(pattern, 1, Bottom.R / 255.0, Bottom.G / 255.0, Bottom.B / 255.0);
    return pattern;
}

} // namespace

void SetSourceColour(cairo_t* Cr, TRgb Colour, double Alpha) {
    cairo_set_source_rgba(Cr, Colour.R / 255.0, Colour.G / 255.0, Colour.B / 255.0, Alpha);
}

void AddRoundedRectangle(cairo_t* Cr, double X, double Y, double W, double H, double R) {
    R = std::min({R, W / 2, H / 2});
    if (R <= 0) {
        cairo_rectangle(Cr, X, Y, W, H);
        return;
    }
    cairo_new_sub_path(Cr);
    cairo_arc(Cr, X + W - R, Y + R, R, -90 * Degree, 0);
    cairo_arc(Cr, X + W - R, Y + H - R, R, 0, 90 * Degree);
    cairo_arc(Cr, X + R, Y + H - R, R, 90 * Degree, 180 * Degree);
    cairo_arc(Cr, X + R, Y + R, R, 180 * Degree, 270 * Degree);
    cairo_close_path(Cr);
}

TRgb Mix(TRgb A, TRgb B, double T) {
    auto channel = [T](int a, int b) { return int(std::lround(a + (b - a) * T)); };
    return TRgb(channel(A.R, B.R), channel(A.G, B.G), channel(A.B, B.B));
}

TArt::TArt(int Width, int Height)
    : FWidth(Width), FHeight(Height),
      FSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width, Height)), FCr(cairo_create(FSurface)) {
    if (cairo_status(FCr) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot make a picture surface");
}

TArt::~TArt() {
    cairo_destroy(FCr);
    cairo_surface_destroy(FSurface);
}

void TArt::Reset() const {
    cairo_new_path(FCr);
    cairo_reset_clip(FCr);
    cairo_set_operator(FCr, CAIRO_OPERATOR_OVER);
}

void TArt::Fill(const TBox& Box, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_rectangle(FCr, Box.X, Box.Y, Box.W, Box.H);
    cairo_fill(FCr);
}

void TArt::Clear(const TBox& Box) {
    Reset();
    cairo_set_operator(FCr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(FCr, Box.X, Box.Y, Box.W, Box.H);
    cairo_fill(FCr);
    cairo_set_operator(FCr, CAIRO_OPERATOR_OVER);
}

void TArt::FillVertical(const TBox& Box, TRgb Top, TRgb Bottom) {
    Reset();
    cairo_pattern_t* pattern = VerticalPattern(Box, Top, Bottom);
    cairo_set_source(FCr, pattern);
    cairo_rectangle(FCr, Box.X, Box.Y, Box.W, Box.H);
    cairo_fill(FCr);
    cairo_pattern_destroy(pattern);
}

void TArt::FillRounded(const TBox& Box, double Radius, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    AddRoundedRectangle(FCr, Box.X, Box.Y, Box.W, Box.H, Radius);
    cairo_fill(FCr);
}

void TArt::FillRoundedVertical(const TBox& Box, double Radius, TRgb Top, TRgb Bottom) {
    Reset();
    cairo_pattern_t* pattern = VerticalPattern(Box, Top, Bottom);
    cairo_set_source(FCr, pattern);
    AddRoundedRectangle(FCr, Box.X, Box.Y, Box.W, Box.H, Radius);
    cairo_fill(FCr);
    cairo_pattern_destroy(pattern);
}

void TArt::Ring(const TBox& Box, double Radius, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_EVEN_ODD);
    AddRoundedRectangle(FCr, Box.X, Box.Y, Box.W, Box.H, Radius);
    AddRoundedRectangle(FCr, Box.X + 1, Box.Y + 1, Box.W - 2, Box.H - 2, std::max(0.0, Radius - 1));
    cairo_fill(FCr);
    cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
}

void TArt::FillCircle(double CX, double CY, double Radius, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_arc(FCr, CX, CY, Radius, 0, 360 * Degree);
    cairo_fill(FCr);
}

void TArt::FillPolygon(const double* XY, int N, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_move_to(FCr, XY[0], XY[1]);
    for (int i = 1; i < N; ++i)
        cairo_line_to(FCr, XY[2 * i], XY[2 * i + 1]);
    cairo_close_path(FCr);
    cairo_fill(FCr);
}

void TArt::StrokePolyline(const double* XY, int N, double LineWidth, TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_set_line_width(FCr, LineWidth);
    cairo_set_line_cap(FCr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(FCr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(FCr, XY[0], XY[1]);
    for (int i = 1; i < N; ++i)
        cairo_line_to(FCr, XY[2 * i], XY[2 * i + 1]);
    cairo_stroke(FCr);
}

void TArt::StrokeArc(double CX, double CY, double Radius, double From, double To, double LineWidth,
                     TRgb Colour, double Alpha) {
    Reset();
    SetSourceColour(FCr, Colour, Alpha);
    cairo_set_line_width(FCr, LineWidth);
    cairo_set_line_cap(FCr, CAIRO_LINE_CAP_BUTT);
    cairo_arc(FCr, CX, CY, Radius, From * Degree, To * Degree);
    cairo_stroke(FCr);
}

void TArt::Draw(const TArt& Source, int X, int Y, double Alpha) {
    Reset();
    cairo_surface_flush(Source.FSurface);
    cairo_set_source_surface(FCr, Source.FSurface, X, Y);
    cairo_paint_with_alpha(FCr, Alpha);
}

TRgba TArt::Pixel(int X, int Y) const {
    cairo_surface_flush(FSurface);
    const unsigned char* data = cairo_image_surface_get_data(FSurface);
    std::uint32_t value;
    std::memcpy(&value, data + Y * cairo_image_surface_get_stride(FSurface) + 4 * X, 4);
    const int a = int(value >> 24);
    TRgba pixel;
    pixel.A = std::uint8_t(a);
    if (a == 0) return pixel;
    auto straight = [a](std::uint32_t premultiplied) { return int((premultiplied * 255 + a / 2) / a); };
    pixel.Colour = TRgb(straight((value >> 16) & 255), straight((value >> 8) & 255), straight(value & 255));
    return pixel;
}

void TArt::Flatten(TRgb Background) {
    Reset();
    cairo_set_operator(FCr, CAIRO_OPERATOR_DEST_OVER);
    SetSourceColour(FCr, Background, 1.0);
    cairo_paint(FCr);
    cairo_set_operator(FCr, CAIRO_OPERATOR_OVER);
}

std::unique_ptr<TBitmap> TArt::ToBitmap(int Bytes,
                                        const std::function<void(std::uint8_t*, const TRgba&)>& Put) const {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(Bytes == 4 ? pf32bit : pf24bit);
    bitmap->SetSize(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < FWidth; ++x)
            Put(row + Bytes * x, Pixel(x, y));
    }
    return bitmap;
}

namespace {

void PutColour(std::uint8_t* Bgr, TRgb C) {
    Bgr[0] = C.B, Bgr[1] = C.G, Bgr[2] = C.R;
}

} // namespace

std::unique_ptr<TBitmap> TArt::ToBitmap24() const {
    return ToBitmap(3, [](std::uint8_t* bgr, const TRgba& p) {
        if (p.A != 255) throw std::logic_error("a 24-bit picture must be opaque");
        PutColour(bgr, p.Colour);
    });
}

std::unique_ptr<TBitmap> TArt::ToKeyedGlyph(TRgb Matte, TRgb Key) const {
    return ToBitmap(3, [Matte, Key](std::uint8_t* bgr, const TRgba& p) {
        TRgb c = Key;
        if (p.A != 0) {
            c = Mix(Matte, p.Colour, p.A / 255.0);
            if (c == Key) c.G = std::uint8_t(c.G ^ 1); // never the key by accident
        }
        PutColour(bgr, c);
    });
}

std::unique_ptr<TBitmap> TArt::ToBitmap32() const {
    return ToBitmap(4, [](std::uint8_t* bgra, const TRgba& p) {
        PutColour(bgra, p.Colour);
        bgra[3] = p.A;
    });
}

std::string TArt::ToPng() const {
    TPngBitmapData data;
    data.Width = FWidth;
    data.Height = FHeight;
    data.BitsPerPixel = 32;
    data.Bits.resize(data.Stride() * std::size_t(FHeight));
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            PutColour(data.Row(y) + 4 * x, Pixel(x, y).Colour);
        }
    TPngPicture png;
    png.FromBitmapData(data, false, 0);
    png.AddAlphaPlane();
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* alpha = png.AlphaRow(y);
        for (int x = 0; x < FWidth; ++x)
            alpha[x] = Pixel(x, y).A;
    }
    TMemoryStream stream;
    png.SaveToStream(&stream);
    return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

std::string BmpFileOf(TBitmap& Bitmap) {
    TMemoryStream stream;
    Bitmap.SaveToStream(&stream);
    return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

} // namespace art
