#include "platform/vcl/CustomControl.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
    FCanvas = std::make_unique<TControlCanvas>();
    FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() {
    FCanvas->SetControl(nullptr);
}

void TCustomControl::PaintWindow(HDC DC) {
    FCanvas->Lock();
    // A DC the canvas took for drawing outside a paint cycle gives way to the paint DC.
    FCanvas->FreeHandle();
    FCanvas->SetHandle(DC);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    try {
        FCanvas->UpdateTextFlags();
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
}
