// Draws the look-and-feel painters' pictures and writes them into the folder named on the command line;
// the build embeds them (ui/painters/CMakeLists.txt):
//   six 12 x 12 row-indicator glyphs on white (the transparent colour), as 24-bit bitmaps: ArrowBitmap
//     (current row), EditBitmap (row being edited), InsertBitmap (new row), MultiDotBitmap (selected row),
//     MultiArrowBitmap (current and selected), FilterBitmap (filter row);
//   BackButton.png: a round back button, 24 x 24, in four rows (normal, hot, pressed, disabled);
//   CommandLinkGlyph.png: the 20 x 20 arrow of command links, normal above hot;
//   SubMenuExpand.bmp: the double chevron of personalised menus (16 x 16), in greys whose red values the
//     painters map onto the toolbar gradient; white background, black kept;
//   ExpandButtonMinus.bmp and ExpandButtonPlus.bmp: 11 x 11 tree expand buttons;
//   ZoomInGlyph.bmp and ZoomOutGlyph.bmp: 16 x 16 magnifiers with a plus or a minus, 32-bit with
//     premultiplied alpha, drawn centred on the native look's zoom buttons.
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

struct Rgb {
    double R, G, B;
};

std::uint32_t Pixel(const Rgb& AColor, double AAlpha = 1.0) {
    auto byte = [](double v) { return std::uint32_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    return byte(AColor.B) | (byte(AColor.G) << 8) | (byte(AColor.R) << 16) | (byte(AAlpha * 255) << 24);
}

const Rgb White{255, 255, 255}, Black{0, 0, 0};

// A 12 x 12 glyph from a list of filled cells, given as rows of text ('#' black).
TSurface Glyph(const char* const ARows[12]) {
    TSurface surface(12, 12);
    surface.Fill(Pixel(White));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12 && ARows[y][x] != 0; ++x)
            if (ARows[y][x] == '#') surface.SetPixel(x, y, Pixel(Black));
    return surface;
}

// Coverage-sampled drawing: AInside(x, y) answers the colour and whether a sample point is covered.
TSurface Sampled(int AWidth, int AHeight, const std::function<bool(double, double, Rgb&)>& AInside) {
    TSurface surface(AWidth, AHeight);
    constexpr int Samples = 6;
    for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < AWidth; ++x) {
            double sum[3] = {0, 0, 0}, cover = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    Rgb c{};
                    if (!AInside(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples, c)) continue;
                    sum[0] += c.R;
                    sum[1] += c.G;
                    sum[2] += c.B;
                    cover += 1;
                }
            if (cover == 0) {
                surface.SetPixel(x, y, 0);
                continue;
            }
            const double a = cover / (Samples * Samples);
            // Straight colour and alpha, as PNG files keep them.
            surface.SetPixel(x, y, Pixel(Rgb{sum[0] / cover, sum[1] / cover, sum[2] / cover}, a));
        }
    return surface;
}

// Distance from P to the segment AB.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// An arrow pointing left (ALeft) or right through the centre of a square of side S: a shaft and a head.
bool ArrowAt(double x, double y, double S, bool ALeft, double AThickness) {
    const double c = S / 2, reach = S * 0.27, head = S * 0.2;
    const double tipX = ALeft ? c - reach : c + reach, tailX = ALeft ? c + reach : c - reach;
    const double backX = ALeft ? tipX + head : tipX - head;
    return SegmentDistance(x, y, tailX, c, tipX, c) <= AThickness ||
           SegmentDistance(x, y, tipX, c, backX, c - head) <= AThickness ||
           SegmentDistance(x, y, tipX, c, backX, c + head) <= AThickness;
}

TSurface BackButton() {
    constexpr int S = 24;
    TSurface sheet(S, 4 * S);
    const Rgb rings[4] = {{70, 110, 170}, {40, 120, 215}, {25, 80, 160}, {160, 160, 160}};
    const Rgb fills[4] = {{235, 242, 252}, {214, 232, 255}, {176, 206, 245}, {240, 240, 240}};
    const Rgb arrows[4] = {{40, 80, 140}, {20, 90, 190}, {255, 255, 255}, {165, 165, 165}};
    for (int row = 0; row < 4; ++row) {
        const TSurface button = Sampled(S, S, [&](double x, double y, Rgb& c) {
            const double d = std::hypot(x - S / 2.0, y - S / 2.0);
            if (d > S / 2.0 - 0.5) return false;
            c = d > S / 2.0 - 2.0 ? rings[row] : (row == 2 ? rings[row] : fills[row]);
            if (ArrowAt(x, y, S, true, 1.3)) c = arrows[row];
            return true;
        });
        for (int y = 0; y < S; ++y)
            for (int x = 0; x < S; ++x)
                sheet.SetPixel(x, row * S + y, button.Pixel(x, y));
    }
    return sheet;
}

TSurface CommandLinkGlyph() {
    constexpr int S = 20;
    TSurface sheet(S, 2 * S);
    const Rgb colours[2] = {{30, 130, 60}, {20, 170, 80}};
    for (int row = 0; row < 2; ++row) {
        const TSurface glyph = Sampled(S, S, [&](double x, double y, Rgb& c) {
            c = colours[row];
            return ArrowAt(x, y, S, false, 1.6);
        });
        for (int y = 0; y < S; ++y)
            for (int x = 0; x < S; ++x)
                sheet.SetPixel(x, row * S + y, glyph.Pixel(x, y));
    }
    return sheet;
}

// Two chevrons pointing down, shaded from red 90 at the top to red 200 at the bottom.
TSurface SubMenuExpand() {
    TSurface surface(16, 16);
    surface.Fill(Pixel(White));
    for (int chevron = 0; chevron < 2; ++chevron) {
        const int top = 4 + chevron * 4;
        for (int i = 0; i < 4; ++i)
            for (int t = 0; t < 2; ++t) {
                const int y = top + i + t;
                const double grey = 90 + (y - 4) * 110.0 / 8;
                surface.SetPixel(4 + i, y, Pixel(Rgb{grey, grey, grey}));
                surface.SetPixel(11 - i, y, Pixel(Rgb{grey, grey, grey}));
            }
    }
    return surface;
}

// A framed 11 x 11 button with a soft vertical gradient and a minus or plus sign.
TSurface ExpandButton(bool APlus) {
    TSurface surface(11, 11);
    const Rgb frame{120, 152, 181}, sign{0, 0, 0};
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            const bool edge = x == 0 || y == 0 || x == 10 || y == 10;
            const bool corner = (x == 0 || x == 10) && (y == 0 || y == 10);
            const double shade = 255 - y * 3.0;
            Rgb c = edge ? frame : Rgb{shade, shade, std::min(255.0, shade + 4)};
            if (corner) c = White;
            if (y == 5 && x >= 2 && x <= 8) c = sign;
            if (APlus && x == 5 && y >= 2 && y <= 8) c = sign;
            surface.SetPixel(x, y, Pixel(c));
        }
    return surface;
}

// A magnifier: a round lens with a sign inside and a handle towards the bottom right.
TSurface ZoomGlyph(bool APlus) {
    constexpr int S = 16;
    const Rgb ring{52, 74, 110}, lens{226, 238, 252}, handle{92, 70, 48}, sign{30, 60, 120};
    const double cx = 6.5, cy = 6.5, outer = 5.6, inner = 4.3;
    TSurface straight = Sampled(S, S, [&](double x, double y, Rgb& c) {
        const double d = std::hypot(x - cx, y - cy);
        if (SegmentDistance(x, y, 10.4, 10.4, 14.6, 14.6) <= 1.35) {
            c = handle;
            return true;
        }
        if (d > outer) return false;
        c = d > inner ? ring : lens;
        const bool horizontal = std::abs(y - cy) <= 0.75 && std::abs(x - cx) <= 2.8;
        const bool vertical = std::abs(x - cx) <= 0.75 && std::abs(y - cy) <= 2.8;
        if (horizontal || (APlus && vertical)) c = sign;
        return true;
    });
    // Bitmaps keep colour premultiplied with alpha, as the alpha blending expects.
    TSurface surface(S, S);
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            const std::uint32_t p = straight.Pixel(x, y), a = p >> 24;
            auto scale = [&](int AShift) { return (((p >> AShift) & 0xFF) * a + 127) / 255 << AShift; };
            surface.SetPixel(x, y, (a << 24) | scale(16) | scale(8) | scale(0));
        }
    return surface;
}

bool WriteBmp(const TSurface& ASurface, const std::string& APath, int ABitsPerPixel = 24) {
    std::ofstream out(APath, std::ios::binary);
    const std::string data = dib_codec::EncodeBmpFile(ASurface, ABitsPerPixel, false, {});
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

// Row-indicator glyphs.
const char* const ArrowRows[12] = {"",       "",      "   #", "   ##", "   ###", "   ####",
                                   "   ###", "   ##", "   #", "",      "",       ""};
const char* const EditRows[12] = {"",       "   ## ##", "     #", "     #",   "     #", "     #",
                                  "     #", "     #",   "     #", "   ## ##", "",       ""};
const char* const InsertRows[12] = {"",          "",        "     #",   "  #  #  #", "   # # #", "    ###",
                                    "  #######", "    ###", "   # # #", "  #  #  #", "     #",   ""};
const char* const MultiDotRows[12] = {"",         "",         "",        "", "    ###", "   #####",
                                      "   #####", "   #####", "    ###", "", "",        ""};
const char* const MultiArrowRows[12] = {"",           "",           "  #",       "  ##", "  ###", "  #### ##",
                                        "  ### ####", "  ##  ####", "  #    ##", "",     "",      ""};
const char* const FilterRows[12] = {"",        "",        " #########", "  #######", "   #####", "    ###",
                                    "    ###", "    ###", "    ###",    "    ##",    "",         ""};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    ok &= WriteBmp(Glyph(ArrowRows), folder + "/ArrowBitmap.bmp");
    ok &= WriteBmp(Glyph(EditRows), folder + "/EditBitmap.bmp");
    ok &= WriteBmp(Glyph(InsertRows), folder + "/InsertBitmap.bmp");
    ok &= WriteBmp(Glyph(MultiDotRows), folder + "/MultiDotBitmap.bmp");
    ok &= WriteBmp(Glyph(MultiArrowRows), folder + "/MultiArrowBitmap.bmp");
    ok &= WriteBmp(Glyph(FilterRows), folder + "/FilterBitmap.bmp");
    ok &= SaveSurfaceToPng(BackButton(), folder + "/BackButton.png", true);
    ok &= SaveSurfaceToPng(CommandLinkGlyph(), folder + "/CommandLinkGlyph.png", true);
    ok &= WriteBmp(SubMenuExpand(), folder + "/SubMenuExpand.bmp");
    ok &= WriteBmp(ExpandButton(false), folder + "/ExpandButtonMinus.bmp");
    ok &= WriteBmp(ExpandButton(true), folder + "/ExpandButtonPlus.bmp");
    ok &= WriteBmp(ZoomGlyph(true), folder + "/ZoomInGlyph.bmp", 32);
    ok &= WriteBmp(ZoomGlyph(false), folder + "/ZoomOutGlyph.bmp", 32);
    if (!ok) std::fprintf(stderr, "could not write the pictures into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
