#include "platform/vcl/Image.h"

#include "platform/vcl/Graphic.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Picture.h"

#include <cstdint>

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    ControlStyle().Include(csReplicatable);
    FWidth = 105;
    FHeight = 105;
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::SetPicture(TPicture* Value) {
    FPicture->Assign(Value);
}

void TImage::PictureChanged(TObject*) {
    TGraphic* graphic = FPicture->Graphic();
    if (graphic != nullptr && graphic->Transparent() != FTransparent && !graphic->Empty())
        graphic->SetTransparent(FTransparent);
    if (AutoSize() && graphic != nullptr && !graphic->Empty())
        SetBounds(FLeft, FTop, graphic->Width(), graphic->Height());
    // A picture that covers the whole control needs no background under it.
    if (graphic != nullptr && !graphic->Transparent() &&
        (FStretch || (graphic->Width() >= FWidth && graphic->Height() >= FHeight)))
        ControlStyle().Include(csOpaque);
    else
        ControlStyle().Exclude(csOpaque);
    Invalidate();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
    if (FProportional == Value) return;
    FProportional = Value;
    PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged(this);
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight) {
    TGraphic* graphic = FPicture->Graphic();
    if (graphic == nullptr || graphic->Empty()) return false;
    NewWidth = graphic->Width();
    NewHeight = graphic->Height();
    return true;
}

RECT TImage::DestRect() {
    TGraphic* graphic = FPicture->Graphic();
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    if (graphic == nullptr || graphic->Empty()) return RECT{0, 0, 0, 0};
    int w = graphic->Width();
    int h = graphic->Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // The larger scale that still fits, keeping the shape.
            if (static_cast<std::int64_t>(cw) * h <= static_cast<std::int64_t>(ch) * w) {
                h = static_cast<int>(static_cast<std::int64_t>(cw) * h / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<std::int64_t>(ch) * w / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    RECT r{0, 0, w, h};
    if (FCenter) {
        r.left = (cw - w) / 2;
        r.top = (ch - h) / 2;
        r.right = r.left + w;
        r.bottom = r.top + h;
    }
    return r;
}

void TImage::Paint() {
    TCanvas* canvas = Canvas();
    if (ComponentState().Contains(csDesigning)) {
        canvas->Pen()->SetStyle(psDash);
        canvas->Rectangle(ClientRect());
    }
    TGraphic* graphic = FPicture->Graphic();
    if (graphic == nullptr || graphic->Empty()) return;
    canvas->StretchDraw(DestRect(), graphic);
}
