// TImage: shows a picture without a window — at its natural size from the top-left corner, centred
// (Center), stretched to the control (Stretch), or stretched keeping its shape (Proportional, which only
// ever shrinks unless Stretch is also on). Transparent pictures let the parent show through. AutoSize
// fits the control to the picture. Its Canvas draws into the picture's bitmap (made on first use).
#pragma once

#include "platform/vcl/GraphicControl.h"

#include <memory>

class TPicture;

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    // The rectangle the picture is drawn in, in client coordinates.
    RECT DestRect();

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FProportional = false;
    bool FCenter = false;
    bool FTransparent = false;
};
