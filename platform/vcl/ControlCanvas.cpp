#include "platform/vcl/ControlCanvas.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* AControl) {
    if (FControl == AControl) return;
    FreeHandle();
    FControl = AControl;
}

void TControlCanvas::FreeHandle() {
    if (FDeviceContext == nullptr) return;
    SetHandle(nullptr);
    ::ReleaseDC(FWindowHandle, FDeviceContext);
    FDeviceContext = nullptr;
    FWindowHandle = nullptr;
}

void TControlCanvas::CreateHandle() {
    if (FControl == nullptr) return;
    if (auto* win = dynamic_cast<TWinControl*>(FControl)) {
        FWindowHandle = win->Handle();
        FDeviceContext = ::GetDC(FWindowHandle);
    } else {
        TWinControl* parent = FControl->Parent();
        if (parent == nullptr) return;
        FWindowHandle = parent->Handle();
        FDeviceContext = ::GetDC(FWindowHandle);
        if (FDeviceContext != nullptr) {
            ::IntersectClipRect(FDeviceContext, FControl->Left(), FControl->Top(),
                                FControl->Left() + FControl->Width(), FControl->Top() + FControl->Height());
            ::SetWindowOrgEx(FDeviceContext, -FControl->Left(), -FControl->Top(), nullptr);
        }
    }
    if (FDeviceContext != nullptr) SetHandle(FDeviceContext);
}

void TControlCanvas::PaintOn(HDC DC, const std::function<void()>& Paint) {
    Lock();
    FreeHandle();
    SetHandle(DC);
    Font()->Assign(FControl->Font());
    Brush()->SetColor(FControl->Color());
    try {
        UpdateTextFlags();
        Paint();
    } catch (...) {
        SetHandle(nullptr);
        Unlock();
        throw;
    }
    SetHandle(nullptr);
    Unlock();
}
