#include "ui/core/platform/GdiPlusCanvas.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/GraphicsUnit.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <utility>

// ---- TovGPCanvas

TovGPCanvas::~TovGPCanvas() {
    // A destructor reports nothing: the graphics goes whatever the interface answers.
    if (FHandle != nullptr) ovGdipApi.GdipDeleteGraphics(FHandle);
}

void TovGPCanvas::Draw(TovGPImage* AImage, const TRect& R, std::uint8_t AAlpha) {
    DrawPart(AImage, R, AAlpha, AImage->GetClientRect());
}

void TovGPCanvas::DrawPart(TovGPImage* AImage, const TRect& R, std::uint8_t AAlpha,
                           const TRect& ASourceRect) {
    ovGpDrawImage(FHandle, R, ASourceRect, AAlpha, AImage->GetHandle());
}

void TovGPCanvas::DrawBitmap(TBitmap* ABitmap, const TRect& R, std::uint8_t AAlpha) {
    if (ABitmap == nullptr || ABitmap->Empty()) return;
    TovGPImage image(static_cast<TGraphic*>(ABitmap));
    Draw(&image, R, AAlpha);
}

void TovGPCanvas::CreateHandle(HDC DC) {
    GdipCheck(ovGdipApi.GdipCreateFromHDC(DC, &FHandle));
}

void TovGPCanvas::FreeHandle() {
    if (FHandle == nullptr) return;
    GpGraphics* graphics = std::exchange(FHandle, nullptr);
    GdipCheck(ovGdipApi.GdipDeleteGraphics(graphics));
}

void TovGPCanvas::SetInterpolationMode(InterpolationMode AMode) {
    GdipCheck(ovGdipApi.GdipSetInterpolationMode(FHandle, AMode));
}

// ---- TovGPCustomPaintCanvas

TovGPCustomPaintCanvas::~TovGPCustomPaintCanvas() = default;

void TovGPCustomPaintCanvas::BeginPaint(HDC DC, const TRect& R) {
    SaveState();
    FTargetDC = DC;
    FTargetRect = R;
    try {
        if (ovGpIsDoubleBufferNeeded(DC)) {
            const int width = uiWidthOfRect(R) + 1, height = uiHeightOfRect(R) + 1;
            FBuffer = std::make_unique<TBitmap>();
            FBuffer->SetPixelFormat(pf32bit);
            FBuffer->SetSize(width, height);
            TCanvas* canvas = FBuffer->Canvas();
            canvas->Lock();
            HDC bufferDC = canvas->Handle();
            BitBlt(bufferDC, 0, 0, width, height, DC, R.left, R.top, SRCCOPY);
            SetWindowOrgEx(bufferDC, R.left, R.top, nullptr);
            CreateHandle(bufferDC);
        } else {
            CreateHandle(DC);
        }
    } catch (...) {
        // A begin that failed is no level of its own: the caller never ends it.
        if (FBuffer) FBuffer->Canvas()->Unlock();
        FBuffer.reset();
        RestoreState();
        throw;
    }
}

void TovGPCustomPaintCanvas::BeginPaintOnGraphics(GpGraphics* AGraphics) {
    SaveState();
    FTargetRect = TRect{};
    FTargetDC = nullptr;
    FBuffer.reset();
    FHandle = AGraphics;
}

void TovGPCustomPaintCanvas::EndPaint() {
    struct TRestore {
        TovGPCustomPaintCanvas* Canvas;
        ~TRestore() { Canvas->RestoreState(); }
    } restore{this};
    if (FTargetDC != nullptr) FreeHandle();
    if (!FBuffer) return;
    const std::unique_ptr<TBitmap> buffer = std::move(FBuffer);
    TCanvas* bufferCanvas = buffer->Canvas();
    SetWindowOrgEx(bufferCanvas->Handle(), 0, 0, nullptr);
    const int saved = SaveDC(FTargetDC);
    {
        TCanvas target;
        target.SetHandle(FTargetDC);
        target.Lock();
        target.Draw(FTargetRect.left, FTargetRect.top, buffer.get());
        target.Unlock();
        target.SetHandle(nullptr);
    }
    RestoreDC(FTargetDC, saved);
    bufferCanvas->Unlock();
}

// ---- TovGPPaintCanvas

TovGPPaintCanvas::~TovGPPaintCanvas() {
    // Levels still open when the canvas goes: the graphics it made for DCs go with it, graphics handed in
    // stay with their owners.
    if (FTargetDC == nullptr) FHandle = nullptr;
    for (const TovGPPaintCanvasState& state : FStates)
        if (state.TargetDC != nullptr && state.Handle != nullptr) ovGdipApi.GdipDeleteGraphics(state.Handle);
}

void TovGPPaintCanvas::SaveState() {
    FStates.push_back({FHandle, std::move(FBuffer), FTargetRect, FTargetDC});
}

void TovGPPaintCanvas::RestoreState() {
    if (FStates.empty()) return;
    TovGPPaintCanvasState& state = FStates.back();
    FHandle = state.Handle;
    FBuffer = std::move(state.Buffer);
    FTargetRect = state.TargetRect;
    FTargetDC = state.TargetDC;
    FStates.pop_back();
}

namespace gdiplus_canvas_detail {
TuiGraphicsUnitInstance<TovGPPaintCanvas> SharedPaintCanvas;
} // namespace gdiplus_canvas_detail

TovGPPaintCanvas* ovSharedGpPaintCanvas() {
    return gdiplus_canvas_detail::SharedPaintCanvas.Get();
}

void ovFreeSharedGpPaintCanvas() {
    gdiplus_canvas_detail::SharedPaintCanvas.Free();
}

TovGPCustomPaintCanvas* ovGpBeginPaint(HDC DC, const TRect& R) {
    auto canvas = std::make_unique<TovGPCustomPaintCanvas>();
    canvas->BeginPaint(DC, R);
    return canvas.release();
}

TovGPCustomPaintCanvas* ovGpBeginPaintOnGraphics(GpGraphics* AGraphics) {
    auto* canvas = new TovGPCustomPaintCanvas;
    canvas->BeginPaintOnGraphics(AGraphics);
    return canvas;
}

void ovGpEndPaint(TovGPCustomPaintCanvas*& ACanvas) {
    TovGPCustomPaintCanvas* canvas = std::exchange(ACanvas, nullptr);
    if (canvas == nullptr) return;
    const std::unique_ptr<TovGPCustomPaintCanvas> owner(canvas);
    canvas->EndPaint();
}
