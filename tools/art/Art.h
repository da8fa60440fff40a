// A picture drawn by one of our generators: an antialiasing vector canvas (cairo) over an RGBA
// surface, the few shapes every picture of ours is made of, and the conversions into the forms the
// program embeds (24-bit bitmaps, key-colour glyphs, 32-bit bitmaps with alpha, RGBA PNG files).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TBitmap;
typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace art {

// An opaque colour.
struct TRgb {
    std::uint8_t R = 0, G = 0, B = 0;

    constexpr TRgb() = default;
    constexpr TRgb(int AR, int AG, int AB) : R(std::uint8_t(AR)), G(std::uint8_t(AG)), B(std::uint8_t(AB)) {}
    friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
    // The decimal TColor value of skin texts (0x00BBGGRR).
    constexpr int ColorValue() const { return R | (G << 8) | (B << 16); }
};

// 0xRRGGBB.
constexpr TRgb Hex(std::uint32_t Value) {
    return TRgb(int(Value >> 16) & 255, int(Value >> 8) & 255, int(Value) & 255);
}
// A + (B - A) * T, channel by channel (T in 0..1).
TRgb Mix(TRgb A, TRgb B, double T);

// One pixel with straight (not premultiplied) alpha.
struct TRgba {
    TRgb Colour;
    std::uint8_t A = 0;
};

// A rectangle in pixels, by its left/top corner and its size.
struct TBox {
    int X = 0, Y = 0, W = 0, H = 0;
    int Right() const { return X + W; }
    int Bottom() const { return Y + H; }
    TBox Inset(int D) const { return {X + D, Y + D, W - 2 * D, H - 2 * D}; }
};

class TArt {
public:
    // A transparent picture.
    TArt(int Width, int Height);
    ~TArt();
    TArt(const TArt&) = delete;
    TArt& operator=(const TArt&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // The cairo context for shapes this class has no helper for (source, path and clip are reset by
    // every helper).
    cairo_t* Cr() const { return FCr; }

    // ---- Shapes. Whole-pixel boxes stay crisp; only curves are antialiased.
    void Fill(const TBox& Box, TRgb Colour, double Alpha = 1.0);
    // A vertical gradient from Top (first row) to Bottom (last row).
    void FillVertical(const TBox& Box, TRgb Top, TRgb Bottom);
    void FillRounded(const TBox& Box, double Radius, TRgb Colour, double Alpha = 1.0);
    void FillRoundedVertical(const TBox& Box, double Radius, TRgb Top, TRgb Bottom);
    // A 1-pixel ring along the inside of a rounded box.
    void Ring(const TBox& Box, double Radius, TRgb Colour, double Alpha = 1.0);
    void FillCircle(double CX, double CY, double Radius, TRgb Colour, double Alpha = 1.0);
    // A polygon of N points (x, y pairs).
    void FillPolygon(const double* XY, int N, TRgb Colour, double Alpha = 1.0);
    // A stroked polyline of N points with round joins and caps.
    void StrokePolyline(const double* XY, int N, double LineWidth, TRgb Colour, double Alpha = 1.0);
    // A circular arc (angles in degrees, clockwise from three o'clock), stroked with butt caps.
    void StrokeArc(double CX, double CY, double Radius, double From, double To, double LineWidth, TRgb Colour,
                   double Alpha = 1.0);
    // Makes the box fully transparent.
    void Clear(const TBox& Box);
    // Draws another picture at (X, Y), blended by its alpha.
    void Draw(const TArt& Source, int X, int Y, double Alpha = 1.0);

    // ---- Pixels
    TRgba Pixel(int X, int Y) const;
    // Composites the whole picture over an opaque colour.
    void Flatten(TRgb Background);

    // ---- Conversions
    // A 24-bit bitmap of the picture's colours (the picture must be opaque: Flatten it first).
    std::unique_ptr<TBitmap> ToBitmap24() const;
    // A 24-bit glyph transparent by its bottom-left pixel: every fully transparent pixel becomes Key,
    // every other one the picture composited over Matte (the face colour the glyph is meant for, so
    // that soft edges do not fringe towards the key). Key must not arise from any other pixel.
    std::unique_ptr<TBitmap> ToKeyedGlyph(TRgb Matte, TRgb Key) const;
    // A 32-bit bitmap with straight alpha in the fourth byte.
    std::unique_ptr<TBitmap> ToBitmap32() const;
    // An RGBA PNG file, written by the program's own PNG encoder.
    std::string ToPng() const;

private:
    void Reset() const;
    // A bitmap of 3 or 4 bytes a pixel, each pixel put by Put from the picture's pixel.
    std::unique_ptr<TBitmap> ToBitmap(int Bytes,
                                      const std::function<void(std::uint8_t*, const TRgba&)>& Put) const;

    int FWidth, FHeight;
    cairo_surface_t* FSurface;
    cairo_t* FCr;
};

// Helpers for drawing on a TArt's cairo context directly.
// The source colour for the next fill or stroke.
void SetSourceColour(cairo_t* Cr, TRgb Colour, double Alpha = 1.0);
// Adds a rounded rectangle to the path (a plain one when Radius is 0 or less).
void AddRoundedRectangle(cairo_t* Cr, double X, double Y, double W, double H, double Radius);

// The BMP file of a bitmap, as the class library writes it.
std::string BmpFileOf(TBitmap& Bitmap);

} // namespace art
