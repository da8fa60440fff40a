// Pictures of skin drawing, written under the test output folder for inspection: a nine-part texture in
// the three stretch modes at three sizes, an element with fill, borders and glyph, alternate image
// attributes, gradients in the four modes, and the shadow mask around a window.
#include "GdiPlusTestSupport.h"

#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinElement.h"

#include <cmath>
#include <functional>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

class SkinScreenshotTest : public UiCoreTest {
protected:
    // A window of that size, painted by ADraw on its DC and saved as a picture.
    void Shoot(const std::string& AName, int AWidth, int AHeight, TColor ABackground,
               const std::function<void(HDC, TCanvas&)>& ADraw) {
        HWND window = MakeWindow(WS_POPUP | WS_VISIBLE);
        SetWindowPos(window, nullptr, 0, 0, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        HDC dc = GetDC(window);
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Brush()->SetColor(ABackground);
        canvas.FillRect(RECT{0, 0, AWidth, AHeight});
        canvas.Font()->SetName("Tahoma");
        canvas.Font()->SetHeight(-11);
        canvas.Brush()->SetStyle(bsClear);
        ADraw(dc, canvas);
        canvas.SetHandle(nullptr);
        ReleaseDC(window, dc);
        EXPECT_TRUE(olva::win::SaveWindowPng(window, OutputPath(AName)));
    }
};

// A 30 x 30 button face: a rounded dark frame, dotted edges and a striped centre, so that tiling,
// stretching and unscaled drawing look different.
std::unique_ptr<TovPNGImage> ButtonFace() {
    return MakeImage(30, 30, [](int x, int y) -> std::uint32_t {
        const double cx = std::clamp(x + 0.5, 6.0, 24.0), cy = std::clamp(y + 0.5, 6.0, 24.0);
        const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
        if (d > 6) return 0;
        const int edgeAlpha = int(std::lround(std::clamp(6.5 - d, 0.0, 1.0) * 255));
        if (d > 4.5 || x < 2 || y < 2 || x > 27 || y > 27) return Premultiplied(110, 60, 30, edgeAlpha);
        const bool inCentre = x >= 8 && x < 22 && y >= 8 && y < 22;
        if (!inCentre) {
            // Edges: light with a dot every 3 pixels along them.
            const bool dot = (x >= 8 && x < 22 && x % 3 == 0 && (y == 4 || y == 25)) ||
                             (y >= 8 && y < 22 && y % 3 == 0 && (x == 4 || x == 25));
            return dot ? Bgra(110, 60, 30, 255) : Bgra(250, 235, 215, 255);
        }
        // Centre: diagonal stripes.
        return ((x + y) / 3) % 2 == 0 ? Bgra(40, 170, 250, 255) : Bgra(120, 215, 255, 255);
    });
}

void Label(TCanvas& ACanvas, int X, int Y, const std::string& AText) {
    ACanvas.Font()->SetColor(clBlack);
    ACanvas.TextOut(X, Y, AText);
}

TEST_F(SkinScreenshotTest, NinePartTextureInThreeStretchModesAtThreeSizes) {
    TovSkinImage image;
    auto face = ButtonFace();
    image.Texture()->Assign(face.get());
    image.Margins()->SetAll(8);
    const TSize sizes[] = {{20, 20}, {90, 50}, {200, 80}};
    const struct {
        TovSkinStretchMode Mode;
        const char* Name;
    } modes[] = {{smStretch, "stretch"}, {smTile, "tile"}, {smNoResize, "no resize"}};
    Shoot("skin-nine-part.png", 420, 330, clBtnFace, [&](HDC ADC, TCanvas& ACanvas) {
        Label(ACanvas, 10, 6, "30 x 30 texture, margins 8: at 20 x 20, 90 x 50 and 200 x 80");
        ACanvas.Draw(380, 4, face.get());
        int y = 30;
        for (const auto& mode : modes) {
            Label(ACanvas, 10, y + 30, mode.Name);
            image.SetStretch(mode.Mode);
            int x = 80;
            for (const TSize& size : sizes) {
                const TRect r = uiRectOfBounds(x, y, size.cx, size.cy);
                ACanvas.Brush()->SetStyle(bsSolid);
                ACanvas.Brush()->SetColor(clWhite);
                FrameRect(ADC, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
                ACanvas.Brush()->SetStyle(bsClear);
                image.Draw(ADC, r, 0, esNormal);
                x += size.cx + 14;
            }
            y += 100;
        }
    });
}

// A 16 x 16 play glyph with soft edges.
std::unique_ptr<TovPNGImage> PlayGlyph() {
    return MakeImage(16, 16, [](int x, int y) -> std::uint32_t {
        const double px = x + 0.5, py = y + 0.5;
        const double inside = std::min({px - 3.0, 13.0 - (px - 3.0) - std::abs(py - 8.0) * 1.3, 8.0});
        const int alpha = int(std::lround(std::clamp(inside, 0.0, 1.0) * 255));
        return Premultiplied(30, 120, 20, alpha);
    });
}

TEST_F(SkinScreenshotTest, ElementWithFillBordersAndGlyph) {
    TovSkinElement element(nullptr, "Play");
    element.SetColor(TColor(0xF0E8E0));
    auto face = ButtonFace();
    element.Image()->Texture()->Assign(face.get());
    element.Image()->Margins()->SetAll(8);
    element.Image()->SetStretch(smTile);
    element.Borders()->Left()->SetColor(clWhite);
    element.Borders()->Top()->SetColor(clWhite);
    element.Borders()->Right()->SetColor(clGray);
    element.Borders()->Right()->SetThin(2);
    element.Borders()->Bottom()->SetColor(clGray);
    element.Borders()->Bottom()->SetThin(2);
    auto glyph = PlayGlyph();
    element.Glyph()->Texture()->Assign(glyph.get());
    element.Glyph()->SetStretch(smNoResize);
    element.ContentOffset()->SetRect(TRect{6, 6, 6, 6});
    Shoot("skin-element.png", 420, 150, TColor(0x808080), [&](HDC ADC, TCanvas& ACanvas) {
        // A chequered ground shows where the element is opaque and where it blends.
        for (int y = 24; y < 150; y += 10)
            for (int x = 0; x < 420; x += 10)
                if ((x + y) / 10 % 2 == 0) ovGpFillRect(ADC, uiRectOfBounds(x, y, 10, 10), clSilver, 255);
        ACanvas.Font()->SetColor(clWhite);
        ACanvas.TextOut(10, 5, "Fill, borders, glyph; fill at alpha 110; tiled image. Below: cached");
        TovSkinImage face;
        face.Assign(element.Image());
        element.Image()->Clear();
        element.Draw(ADC, TRect{10, 35, 70, 75}, 0, esNormal);
        element.SetAlpha(110);
        element.Draw(ADC, TRect{90, 35, 150, 75}, 0, esNormal);
        element.SetAlpha(255);
        element.SetImage(&face);
        element.Draw(ADC, TRect{170, 35, 290, 75}, 0, esNormal);
        element.Draw(ADC, TRect{310, 30, 410, 80}, 0, esNormal);
        element.SetCached(true);
        element.Draw(ADC, TRect{10, 95, 130, 135}, 0, esNormal);
        element.Draw(ADC, TRect{150, 95, 270, 135}, 0, esNormal);
        element.Draw(ADC, TRect{290, 95, 410, 135}, 0, esNormal);
    });
}

TEST_F(SkinScreenshotTest, AlternateImageAttributesWithBothRings) {
    TovSkinElement element(nullptr, "Tab");
    element.Image()->SetStates(TovSkinElementStates{esNormal, esHot, esPressed});
    const struct {
        const char* Name;
        TColor Begin, End, Outer, Inner;
        std::uint8_t Alpha;
    } looks[] = {
        {"AlternateImage1Normal", TColor(0xF8F0E8), TColor(0xD8C8B8), TColor(0x806040), clWhite, 255},
        {"AlternateImage1Hot", TColor(0xD0F8FF), TColor(0x60D0FF), TColor(0x0080C0), TColor(0xE0FFFF), 255},
        {"AlternateImage1Pressed", TColor(0x40B0F0), TColor(0xA0E0FF), TColor(0x004080), TColor(0x80C0E0),
         160}};
    for (const auto& look : looks) {
        auto* attributes = static_cast<TovSkinAlternateImageAttributes*>(
            element.Properties()->Add(look.Name, ovSkinClassOf<TovSkinAlternateImageAttributes>()));
        attributes->SetGradientBeginColor(look.Begin);
        attributes->SetGradientEndColor(look.End);
        attributes->SetGradient(gmVertical);
        attributes->SetAlpha(look.Alpha);
        attributes->ContentOffsets()->SetRect(TRect{4, 4, 4, 4});
        for (int side = 0; side < 4; ++side) {
            attributes->Borders()->Items(side)->SetColor(look.Outer);
            attributes->Borders()->Items(side)->SetThin(2);
            attributes->BordersInner()->Items(side)->SetColor(look.Inner);
        }
    }
    Shoot("skin-alternate.png", 400, 100, clBtnFace, [&](HDC ADC, TCanvas& ACanvas) {
        Label(ACanvas, 10, 6, "Alternate attributes: Normal, Hot, Pressed (alpha 160)");
        const TovSkinElementState states[] = {esNormal, esHot, esPressed};
        for (int i = 0; i < 3; ++i)
            element.Draw(ADC, uiRectOfBounds(10 + i * 130, 30, 120, 60), 0, states[i]);
    });
}

TEST_F(SkinScreenshotTest, GradientsInTheFourModes) {
    const char* names[] = {"horizontal", "vertical", "forward diagonal", "backward diagonal"};
    Shoot("skin-gradients.png", 540, 230, clWhite, [&](HDC ADC, TCanvas& ACanvas) {
        for (int y = 120; y < 220; y += 8)
            for (int x = 0; x < 540; x += 8)
                if ((x + y) / 8 % 2 == 0) ovGpFillRect(ADC, uiRectOfBounds(x, y, 8, 8), clSilver, 255);
        for (int mode = 0; mode < 4; ++mode) {
            const int x = 10 + mode * 130;
            Label(ACanvas, x, 6, names[mode]);
            ovGpFillRectByGradient(ADC, uiRectOfBounds(x, 24, 120, 80), clRed, clBlue,
                                   static_cast<LinearGradientMode>(mode), 255, 255);
            // With alpha, over a chequered ground: opaque yellow to clear green.
            ovGpFillRectByGradient(ADC, uiRectOfBounds(x, 130, 120, 80), clYellow, clGreen,
                                   static_cast<LinearGradientMode>(mode), 255, 0);
        }
    });
}

TEST_F(SkinScreenshotTest, TheShadowMaskAroundARectangle) {
    TovSkinImage shadow;
    shadow.LoadFromResource(nullptr, "OVSHADOWMASK", "PNG");
    shadow.Margins()->SetAll(5);
    Shoot("skin-shadow.png", 300, 260, TColor(0xE8E0D8), [&](HDC ADC, TCanvas& ACanvas) {
        const TRect window{40, 40, 250, 150};
        // The shadow window lies a few pixels down and right, grown by the margins.
        shadow.Draw(ADC, uiShiftRect(uiGrowRect(window, 5, 5), 3, 3), 0, esNormal);
        ovGpFillRect(ADC, window, clWhite, 255);
        FrameRect(ADC, &window, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        Label(ACanvas, 60, 80, "A window with its shadow");
        // The mask itself, five times enlarged for a look at its alpha.
        Label(ACanvas, 80, 235, "the 12 x 12 mask, enlarged");
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                shadow.Texture()->StretchDrawPart(ADC, uiRectOfBounds(10 + x * 5, 190 + y * 5, 5, 5), 255,
                                                  uiRectOfBounds(x, y, 1, 1));
    });
}

} // namespace
