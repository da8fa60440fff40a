#include "platform/vcl/GraphicControl.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
    FCanvas = std::make_unique<TControlCanvas>();
    FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
    FCanvas->SetControl(nullptr);
}

void TGraphicControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_PAINT) {
        WMPaint(Message);
        return;
    }
    TControl::Dispatch(Message);
}

void TGraphicControl::WMPaint(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    if (dc == nullptr) return;
    FCanvas->Lock();
    FCanvas->FreeHandle();
    FCanvas->SetHandle(dc);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
}
