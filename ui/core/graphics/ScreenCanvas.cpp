#include "ui/core/graphics/ScreenCanvas.h"

#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/graphics/GraphicsUnit.h"

TScreenCanvas::~TScreenCanvas() {
    ReleaseHandle();
}

void TScreenCanvas::CreateHandle() {
    FWindowHandle = GetDesktopWindow();
    FDeviceContext = GetDCEx(FWindowHandle, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    SetHandle(FDeviceContext);
}

void TScreenCanvas::ReleaseHandle() {
    if (FDeviceContext == nullptr) return;
    SetHandle(nullptr);
    ReleaseDC(FWindowHandle, FDeviceContext);
    FDeviceContext = nullptr;
    FWindowHandle = nullptr;
}

TuiScreenCanvas::TuiScreenCanvas() : TuiCanvas(nullptr), FScreenCanvas(std::make_unique<TScreenCanvas>()) {
    SetTarget(FScreenCanvas.get());
}

TuiScreenCanvas::~TuiScreenCanvas() {
    SetTarget(nullptr);
}

void TuiScreenCanvas::ReleaseHandle() {
    FScreenCanvas->ReleaseHandle();
}

namespace screen_canvas_detail {
TuiGraphicsUnitInstance<TuiScreenCanvas> Shared;
} // namespace screen_canvas_detail

TuiScreenCanvas* uiScreenCanvas() {
    return screen_canvas_detail::Shared.Get();
}

void uiFreeScreenCanvas() {
    screen_canvas_detail::Shared.Free();
}
