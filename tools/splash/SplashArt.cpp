// Draws the program's splash picture, "splash.png": a dark card with rounded corners, a sound wave
// running across it and the program's name, with its own transparency at the corners. The build runs
// it and puts the picture beside the program.
//
// Usage: olva_splash_art OUTPUT.png
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>

namespace {

constexpr int Width = 480;
constexpr int Height = 270;
constexpr double CornerRadius = 14.0;
constexpr int WaveTop = 126, WaveBottom = 222;
constexpr int WaveLeft = 24, WaveRight = Width - 24;

struct TRgb {
    double R, G, B;
};

TRgb Mix(TRgb a, TRgb b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

std::uint32_t Pixel(TRgb c, int alpha = 255) {
    auto byte = [](double v) { return std::uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
    return byte(c.B) | (byte(c.G) << 8) | (byte(c.R) << 16) | (std::uint32_t(alpha) << 24);
}

TRgb ColorOf(std::uint32_t pixel) {
    return {double((pixel >> 16) & 0xFF), double((pixel >> 8) & 0xFF), double(pixel & 0xFF)};
}

// How much of a pixel lies inside the card's rounded rectangle (0 .. 1).
double CardCoverage(int x, int y) {
    const double cx = x + 0.5, cy = y + 0.5;
    const double dx = std::max({CornerRadius - cx, 0.0, cx - (Width - CornerRadius)});
    const double dy = std::max({CornerRadius - cy, 0.0, cy - (Height - CornerRadius)});
    if (dx == 0 || dy == 0) return 1.0;
    return std::clamp(CornerRadius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
}

// The height of the wave (half its span) at column x: a phrase of notes that swell and fade.
double WaveHalfHeight(double x) {
    // Across the wave's span, rising from nothing at its start and dying away at its end.
    const double t = (x - WaveLeft) / double(WaveRight - WaveLeft);
    const double phrase = std::pow(std::sin(std::numbers::pi * t), 0.6);
    const double notes = 0.55 + 0.45 * std::abs(std::sin(7.0 * std::numbers::pi * t));
    const double detail = 0.8 + 0.2 * std::sin(83.0 * t) * std::sin(31.0 * t);
    return (WaveBottom - WaveTop) / 2.0 * phrase * notes * detail;
}

void DrawBackground(TSurface& s) {
    const TRgb top{14, 27, 46}, bottom{20, 64, 92};
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            TRgb c = Mix(top, bottom, double(y) / (Height - 1));
            // A soft light from the upper left.
            const double d = std::hypot(x - 90.0, y - 40.0) / 420.0;
            c = Mix(c, TRgb{60, 110, 150}, std::max(0.0, 0.28 * (1.0 - d)));
            s.Row(y)[x] = Pixel(c);
        }
}

void DrawWave(TSurface& s) {
    const double middle = (WaveTop + WaveBottom) / 2.0;
    const TRgb left{102, 255, 102}, right{80, 200, 255};
    for (int x = WaveLeft; x < WaveRight; ++x) {
        const double half = WaveHalfHeight(x);
        const TRgb ink = Mix(left, right, double(x - WaveLeft) / (WaveRight - WaveLeft));
        for (int y = WaveTop - 4; y <= WaveBottom + 4; ++y) {
            // Coverage of the wave's band at this pixel, with a faint glow around it.
            const double distance = std::abs(y + 0.5 - middle) - half;
            const double body = std::clamp(0.5 - distance, 0.0, 1.0);
            const double glow = distance > 0 ? 0.25 * std::exp(-distance / 2.5) : 0.0;
            const double a =
                std::max(body * (0.75 + 0.25 * (1.0 - std::abs(y + 0.5 - middle) / (half + 1))), glow);
            if (a <= 0) continue;
            s.Row(y)[x] = Pixel(Mix(ColorOf(s.Row(y)[x]), ink, a));
        }
    }
    // The centre line.
    for (int x = WaveLeft; x < WaveRight; ++x)
        s.Row(int(middle))[x] = Pixel(Mix(ColorOf(s.Row(int(middle))[x]), TRgb{220, 255, 230}, 0.5));
}

void DrawText(const std::shared_ptr<TSurface>& s) {
    HDC dc = GdiCreateSurfaceDC(s, POINT{0, 0}, nullptr);
    SetBkMode(dc, TRANSPARENT);
    auto text = [dc](const char* face, int height, int weight, COLORREF color, int x, int y,
                     const char* line) {
        HFONT font = CreateFont(-height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, ANTIALIASED_QUALITY, 0, face);
        HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, color);
        TextOut(dc, x, y, line, int(std::strlen(line)));
        SelectObject(dc, old);
        DeleteObject(font);
    };
    text("Tahoma", 46, FW_BOLD, RGB(240, 248, 255), 30, 22, "OLVA");
    text("Tahoma", 22, FW_NORMAL, RGB(168, 220, 248), 33, 78, "Audio Editor");
    text("Tahoma", 12, FW_NORMAL, RGB(120, 160, 190), 33, 240, "Open, edit and save sound files");
    DeleteDC(dc);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olva_splash_art OUTPUT.png\n");
        return 2;
    }
    auto surface = std::make_shared<TSurface>(Width, Height);
    DrawBackground(*surface);
    DrawWave(*surface);
    DrawText(surface);
    // Drawing leaves the alpha alone; the card's shape gives it.
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            std::uint32_t& p = surface->Row(y)[x];
            p = (p & 0x00FFFFFF) | (std::uint32_t(std::lround(255 * CardCoverage(x, y))) << 24);
        }
    if (!SaveSurfaceToPng(*surface, argv[1], true)) {
        std::fprintf(stderr, "olva_splash_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
