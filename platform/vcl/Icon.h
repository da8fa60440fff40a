// TIcon: an icon picture — a colour image (possibly with per-pixel alpha) and a monochrome mask, drawn
// through the mask. Icon files (.ico) load with every image kept, so that saving an unchanged icon writes
// the same file; the image shown is the one of the wanted size (32 x 32 unless set while empty) with the
// most colours, or the largest.
#pragma once

#include "platform/vcl/Graphic.h"
#include "platform/vcl/Graphics.h"

#include <memory>
#include <string>

class TSurface;

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FColor == nullptr; }
    int Width() const override;
    int Height() const override;
    // The size to pick from the next file loaded; raises EInvalidGraphicOperation once an image is held.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    bool Transparent() const override { return true; }

    // The icon handle (null while empty); the icon keeps ownership.
    HICON Handle();
    // Takes over an icon handle (owned from then on); null empties the icon.
    void SetHandle(HICON Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Gives the handle to the caller, who must destroy it; the icon becomes empty.
    HICON ReleaseHandle();

    // Raises EInvalidGraphic "Icon image is not valid" for anything but a readable icon file.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    TGraphicClass GraphicClass() const override { return GraphicClassOf<TIcon>(); }

protected:
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;

private:
    void FreeHandle();
    void TakeImage(std::shared_ptr<TSurface> Color, std::shared_ptr<TSurface> Mask, std::string FileData);

    std::shared_ptr<TSurface> FColor; // 32-bit; alpha used when any pixel has some
    std::shared_ptr<TSurface> FMask;  // monochrome, white where transparent
    std::string FFileData;            // the file loaded, while unchanged
    HICON FHandle = nullptr;
    int FRequestedWidth = 32;
    int FRequestedHeight = 32;
};
