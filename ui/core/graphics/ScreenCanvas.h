// Canvases on the desktop DC, for measuring text: TScreenCanvas gets the desktop's DC when drawing first
// needs it and gives it back on ReleaseHandle; TuiScreenCanvas wraps one, and uiScreenCanvas is the
// library's shared instance. Text measuring releases the DC right after each use, so no desktop DC is
// held between calls.
#pragma once

#include "platform/vcl/Canvas.h"
#include "ui/core/graphics/Canvas.h"

#include <memory>

class TScreenCanvas : public TCanvas {
public:
    TScreenCanvas() = default;
    ~TScreenCanvas() override;
    // Detaches and releases the desktop DC; the next use gets a new one.
    void ReleaseHandle();

protected:
    void CreateHandle() override;

private:
    HWND FWindowHandle = nullptr;
    HDC FDeviceContext = nullptr;
};

class TuiScreenCanvas : public TuiCanvas {
public:
    TuiScreenCanvas();
    ~TuiScreenCanvas() override;
    void ReleaseHandle();

private:
    std::unique_ptr<TScreenCanvas> FScreenCanvas;
};

// The shared screen canvas, made on first use; null once the graphics unit has begun to end.
TuiScreenCanvas* uiScreenCanvas();
// Frees the shared screen canvas (the unit's end).
void uiFreeScreenCanvas();
