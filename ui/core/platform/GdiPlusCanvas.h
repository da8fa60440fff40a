// The library's canvases on the imaging interface: a canvas that owns one graphics and draws images on
// it, and paint canvases that make that graphics for a DC and a rectangle (through an off-screen buffer
// where the DC cannot take alpha drawing directly) and give it back when painting ends. The shared paint
// canvas may be begun again while it is in use; each EndPaint returns it to the state of its BeginPaint.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/GdiTypes.h"
#include "ui/core/platform/GdiPlusApi.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TovGPImage;

class TovGPCanvas : public TovGpBase {
public:
    // Takes over AHandle (may be null): destroying the canvas deletes it.
    explicit TovGPCanvas(GpGraphics* AHandle = nullptr) : FHandle(AHandle) {}
    ~TovGPCanvas() override;
    TovGPCanvas(const TovGPCanvas&) = delete;
    TovGPCanvas& operator=(const TovGPCanvas&) = delete;

    // The whole image into R.
    void Draw(TovGPImage* AImage, const TRect& R, std::uint8_t AAlpha = 255);
    void DrawPart(TovGPImage* AImage, const TRect& R, std::uint8_t AAlpha, const TRect& ASourceRect);
    // Nothing for an empty bitmap; its 32-bit pixels count as premultiplied.
    void DrawBitmap(TBitmap* ABitmap, const TRect& R, std::uint8_t AAlpha = 255);

    void CreateHandle(HDC DC);
    void FreeHandle();
    void SetInterpolationMode(InterpolationMode AMode);
    GpGraphics* Handle() const { return FHandle; }

protected:
    GpGraphics* FHandle;
};

class TovGPGraphics : public TovGPCanvas {
public:
    using TovGPCanvas::TovGPCanvas;
};

class TovGPCustomPaintCanvas : public TovGPGraphics {
public:
    TovGPCustomPaintCanvas() = default;
    ~TovGPCustomPaintCanvas() override;

    // Graphics for R of DC: on the DC itself, or on a 32-bit buffer one pixel larger than R each way when
    // ovGpIsDoubleBufferNeeded (DC); the buffer's origin is R's top-left, so drawing uses DC's coordinates.
    void BeginPaint(HDC DC, const TRect& R);
    // Paints on AGraphics: a paint canvas made by ovGpBeginPaintOnGraphics deletes it at ovGpEndPaint.
    void BeginPaintOnGraphics(GpGraphics* AGraphics);
    // Deletes the graphics made for a DC and copies the buffer back to it.
    void EndPaint();

    TBitmap* Buffer() const { return FBuffer.get(); }
    HDC TargetDC() const { return FTargetDC; }
    const TRect& TargetRect() const { return FTargetRect; }

protected:
    virtual void SaveState() {}
    virtual void RestoreState() {}

    std::unique_ptr<TBitmap> FBuffer;
    HDC FTargetDC = nullptr;
    TRect FTargetRect{};
};

class TovGPPaintCanvas : public TovGPCustomPaintCanvas {
public:
    ~TovGPPaintCanvas() override;
    // How many BeginPaint are open.
    int Depth() const { return static_cast<int>(FStates.size()); }

protected:
    void SaveState() override;
    void RestoreState() override;

private:
    struct TovGPPaintCanvasState {
        GpGraphics* Handle;
        std::unique_ptr<TBitmap> Buffer;
        TRect TargetRect;
        HDC TargetDC;
    };
    std::vector<TovGPPaintCanvasState> FStates;
};

// The shared paint canvas, made on first use; null once the library has begun to end.
TovGPPaintCanvas* ovSharedGpPaintCanvas();
void ovFreeSharedGpPaintCanvas();

// A new paint canvas begun on DC and R, or on a graphics it takes over; ovGpEndPaint ends and frees it.
TovGPCustomPaintCanvas* ovGpBeginPaint(HDC DC, const TRect& R);
TovGPCustomPaintCanvas* ovGpBeginPaintOnGraphics(GpGraphics* AGraphics);
void ovGpEndPaint(TovGPCustomPaintCanvas*& ACanvas);
