// TBitmap: a picture of pixels in one of the classic formats (1, 4, 8, 15, 16, 24, 32 bits per pixel),
// with a canvas to draw on, direct row access (ScanLine), a GDI handle, transparency by a key colour,
// masks, and BMP files of every common depth in and out.
//
// The pixels live in a 32-bit surface shared with the GDI handle, so canvas drawing and 32-bit rows are
// the same memory. Formats below 32 bits keep their rows in the stored form as well: ScanLine hands out
// those rows (palette indices, 5- or 6-bit channels) and the surface takes them back before the next
// drawing; rows handed out and files written always hold the format's own colours.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Graphic.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSurface;
class TBitmapCanvas;

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;

    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    // Keeps the pixels that stay inside; new pixels are black (white for a monochrome bitmap).
    void SetSize(int AWidth, int AHeight) override;

    TCanvas* Canvas();
    // The GDI bitmap (null while empty). The bitmap keeps ownership.
    HBITMAP Handle();
    // Takes over a GDI bitmap (owned from then on); null empties the bitmap.
    void SetHandle(HBITMAP Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Frees the GDI handle and the canvas's DC, keeping the pixels.
    void Dormant();
    void FreeImage() { Dormant(); }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels to the format, colours reduced to what it can hold: a format with a palette takes
    // the picture's own colours when they fit, else the standard palette of its depth.
    void SetPixelFormat(TPixelFormat Value);
    // The palette of a format of 8 bits or fewer.
    const std::vector<RGBQUAD>& Palette() const { return FPalette; }
    bool Monochrome() const;
    // A monochrome bitmap is black and white only, 1 bit per pixel.
    void SetMonochrome(bool Value);

    // Row `Row` (0 = top) in the format's stored layout. Raises EInvalidGraphic for a row outside.
    void* ScanLine(int Row);

    // With Transparent set, Draw leaves the pixels of TransparentColor out.
    TColor TransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    // Turns the picture into its mask: white where it has TransparentColor, black elsewhere (monochrome).
    void Mask(TColor TransparentColor);
    // A monochrome mask of TransparentColor, kept by the bitmap until the next change.
    HBITMAP MaskHandle();

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // A 32-bit length, then the BMP file (the form inside component streams).
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    // The clipboard form is a DIB (GraphicClipboardFormatDib); other formats raise EInvalidGraphic.
    void SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) override;
    void LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) override;
    // An embedded resource of type "BITMAP" (a BMP file, or a DIB without the file header).
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);

    TGraphicClass GraphicClass() const override { return GraphicClassOf<TBitmap>(); }

protected:
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;
    // Takes the pixels of a 32-bit surface as the picture, in pf32bit, without copying them (readers
    // that decode straight into a surface hand it over this way).
    void AdoptSurface32(std::shared_ptr<TSurface> Surface);
    void Changed(TObject* Sender) override;

private:
    friend class TBitmapCanvas;
    // Brings the surface up to date with rows written through ScanLine.
    void SurfaceNeeded();
    // Frees the handle (the canvas lets go of it first) and the mask.
    void FreeHandles();
    void TakeImage(std::shared_ptr<TSurface> Surface, TPixelFormat Format, std::vector<RGBQUAD> Palette);
    bool StoredRows() const;
    void StoreRows();
    void LoadDib(const std::uint8_t* Data, std::size_t Size, bool FileHeader);
    void CanvasChanged(TObject* Sender);

    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    std::vector<RGBQUAD> FPalette;
    std::shared_ptr<TSurface> FSurface;
    HBITMAP FHandle = nullptr;
    HBITMAP FMaskHandle = nullptr;
    // Rows of formats below 32 bits, bottom row first as a DIB keeps them; FRowsAhead: written through
    // ScanLine and not yet in the surface.
    std::vector<std::uint8_t> FRows;
    bool FRowsAhead = false;
    std::unique_ptr<TBitmapCanvas> FCanvas;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
};

// The canvas of a bitmap: a memory DC with the bitmap selected, made on first use.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* Bitmap) : FBitmap(Bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }
    // Releases the DC (the bitmap is about to change its handle).
    void FreeContext();

protected:
    void CreateHandle() override;
    void HandleNeeded() override { FBitmap->SurfaceNeeded(); }

private:
    TBitmap* FBitmap;
    HGDIOBJ FOldBitmap = nullptr;
};
