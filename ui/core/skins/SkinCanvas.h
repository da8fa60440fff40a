// The canvas skin elements draw on: a paint canvas of the imaging interface, with fills, gradients and the
// drawing of nine-part textures. Colours that are not drawable (clNone, clDefault) are not painted.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/Finally.h"
#include "ui/core/skins/SkinTypes.h"

#include <cstdint>

class TovGPCustomPaintCanvas;
class TovSkinImage;

// When elements draw their alternate image attributes instead of their Image: 0 only on low-colour
// devices, 1 only when the Image is empty, 2 always. The root look and feel sets it back to 0.
extern std::uint8_t ovSkinImageSet;

// Margins (Left, Top, Right, Bottom widths) made to fit R: negative values become 0, and a pair whose sum
// exceeds R's width (height) gives up the excess in proportion.
void ovSkinsFitMargins(TRect& AMargins, const TRect& R);

class TovSkinCanvas : public TObject {
public:
    TovSkinCanvas() = default;
    ~TovSkinCanvas() override;
    TovSkinCanvas(const TovSkinCanvas&) = delete;
    TovSkinCanvas& operator=(const TovSkinCanvas&) = delete;

    // Low colours as the imaging interface's buffering test finds them for DC.
    void BeginPaint(HDC DC, const TRect& R);
    // On a graphics the canvas takes over (deleted at EndPaint); never low colours.
    void BeginPaintOnGraphics(GpGraphics* AGraphics);
    void EndPaint();

    void FillRect(const TRect& R, TColor AColor, std::uint8_t AAlpha);
    // A gradient from AColor1 to AColor2 (a plain fill when AColor2 is not drawable or the same).
    void FillRectByGradient(const TRect& R, TColor AColor1, std::uint8_t AAlpha, TovSkinGradientMode AMode,
                            TColor AColor2);
    // ASourceRect (a cell of the texture) into R as the image's stretch mode says.
    void DrawImage(TovSkinImage* AImage, const TRect& R, const TRect& ASourceRect);

    bool LowColors() const { return FLowColors; }
    GpGraphics* Graphics() const;

private:
    bool FLowColors = false;
    TovGPCustomPaintCanvas* FPaintCanvas = nullptr;
};

// Runs ADraw on a skin canvas begun on DC and R, ended also when ADraw raises.
template <class F> void ovSkinPaint(HDC DC, const TRect& R, F ADraw) {
    TovSkinCanvas canvas;
    canvas.BeginPaint(DC, R);
    const TovFinally end([&canvas] { canvas.EndPaint(); });
    ADraw(&canvas);
}
