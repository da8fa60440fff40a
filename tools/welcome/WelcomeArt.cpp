// Draws the welcome window's banner, "welcome.png": a dark strip with a greeting at the left and a row
// of level bars at the right that rise and fall like a sound, fading at its foot into the window's own
// colour so that the links below sit on one surface. The build runs it and puts the picture beside the
// program.
//
// Usage: olva_welcome_art OUTPUT.png
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

namespace {

constexpr int Width = 600;
constexpr int Height = 100;
constexpr int FadeRows = 14;
// The welcome window's background (source/welcome/WelcomeStartForm.cpp paints the same colour).
constexpr double WindowR = 24, WindowG = 38, WindowB = 54;

struct TShade {
    double R, G, B;
    TShade Toward(const TShade& other, double t) const {
        return {R + (other.R - R) * t, G + (other.G - G) * t, B + (other.B - B) * t};
    }
    std::uint32_t Opaque() const {
        auto channel = [](double v) { return std::uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
        return 0xFF000000u | (channel(R) << 16) | (channel(G) << 8) | channel(B);
    }
    static TShade Of(std::uint32_t pixel) {
        return {double((pixel >> 16) & 0xFF), double((pixel >> 8) & 0xFF), double(pixel & 0xFF)};
    }
};

void Blend(TSurface& s, int x, int y, const TShade& ink, double amount) {
    if (x < 0 || y < 0 || x >= Width || y >= Height || amount <= 0) return;
    std::uint32_t& p = s.Row(y)[x];
    p = TShade::Of(p).Toward(ink, std::min(amount, 1.0)).Opaque();
}

void PaintBackground(TSurface& s) {
    const TShade left{16, 30, 50}, right{18, 58, 84};
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            TShade c = left.Toward(right, double(x) / (Width - 1));
            // A soft light behind the greeting.
            const double d = std::hypot((x - 120.0) / 1.8, y - 30.0) / 220.0;
            c = c.Toward(TShade{70, 120, 160}, std::max(0.0, 0.22 * (1.0 - d)));
            s.Row(y)[x] = c.Opaque();
        }
}

// Bars 4 pixels wide with 2 between, their heights following a phrase that swells and dies away.
void PaintLevelBars(TSurface& s) {
    constexpr int First = 300, Last = Width - 24, Base = 78, Tallest = 54;
    const TShade low{102, 255, 102}, high{80, 200, 255};
    for (int x = First; x + 4 <= Last; x += 6) {
        const double t = double(x - First) / (Last - First);
        const double phrase = std::pow(std::sin(std::numbers::pi * t), 0.7);
        const double notes = 0.5 + 0.5 * std::abs(std::sin(5.0 * std::numbers::pi * t + 0.4));
        const double detail = 0.75 + 0.25 * std::sin(61.0 * t) * std::cos(23.0 * t);
        const int height = std::max(2, int(std::lround(Tallest * phrase * notes * detail)));
        const TShade ink = low.Toward(high, t);
        for (int y = Base - height; y < Base; ++y) {
            // Brighter toward the top of each bar, as a meter's light.
            const double glow = 0.55 + 0.45 * double(Base - y) / height;
            for (int dx = 0; dx < 4; ++dx)
                Blend(s, x + dx, y, ink, glow * (dx == 0 || dx == 3 ? 0.7 : 0.95));
        }
        // A faint reflection under the base line.
        for (int y = Base + 1; y < Base + 1 + height / 4; ++y)
            for (int dx = 0; dx < 4; ++dx)
                Blend(s, x + dx, y, ink, 0.18 * (1.0 - double(y - Base) / (height / 4.0 + 1)));
    }
}

void PaintGreeting(const std::shared_ptr<TSurface>& s) {
    HDC dc = GdiCreateSurfaceDC(s, POINT{0, 0}, nullptr);
    SetBkMode(dc, TRANSPARENT);
    auto line = [dc](int height, int weight, COLORREF color, int x, int y, const char* text) {
        HFONT font = CreateFont(-height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, ANTIALIASED_QUALITY, 0, "Tahoma");
        HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, color);
        TextOut(dc, x, y, text, int(std::strlen(text)));
        SelectObject(dc, old);
        DeleteObject(font);
    };
    line(30, FW_BOLD, RGB(240, 248, 255), 24, 14, "Welcome");
    line(13, FW_NORMAL, RGB(154, 215, 243), 26, 54, "Create, record, edit and convert sound");
    DeleteDC(dc);
}

void FadeIntoWindow(TSurface& s) {
    const TShade window{WindowR, WindowG, WindowB};
    for (int y = Height - FadeRows; y < Height; ++y) {
        const double t = double(y - (Height - FadeRows) + 1) / FadeRows;
        for (int x = 0; x < Width; ++x)
            Blend(s, x, y, window, t * t);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olva_welcome_art OUTPUT.png\n");
        return 2;
    }
    auto surface = std::make_shared<TSurface>(Width, Height);
    PaintBackground(*surface);
    PaintLevelBars(*surface);
    PaintGreeting(surface);
    FadeIntoWindow(*surface);
    if (!SaveSurfaceToPng(*surface, argv[1])) {
        std::fprintf(stderr, "olva_welcome_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
