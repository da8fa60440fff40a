#include "imaging/buttons/PngFunctions.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/gdi/GdiControls.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Icon.h"
#include "platform/vcl/ImageList.h"

namespace png_functions_detail {
// Round(Value / 256 × Factor), halves to even, without going through floating point.
int ScaleRounded(int Value, int Factor) {
    const int n = Value * Factor;
    int q = n / 256;
    const int r = n % 256;
    if (r > 128 || (r == 128 && (q & 1))) ++q;
    return q;
}

std::uint8_t Desaturated(int Channel, int Lum, int Amount) {
    return std::uint8_t(ScaleRounded(Channel, 255 - Amount) + ScaleRounded(Lum, Amount + 1));
}

void DesaturateColor(std::uint8_t& R, std::uint8_t& G, std::uint8_t& B, int Amount) {
    const int lum = std::uint8_t(Round(R * 0.3 + G * 0.59 + B * 0.11));
    R = Desaturated(R, lum, Amount);
    G = Desaturated(G, lum, Amount);
    B = Desaturated(B, lum, Amount);
}
} // namespace png_functions_detail

void PaintPngGlyph(TPngPicture& Image, TCanvas* Canvas, const RECT& Rect, TPngOptions Options) {
    if (Options.empty()) {
        Canvas->StretchDraw(Rect, &Image);
        return;
    }
    TPngPicture copy;
    copy.Assign(&Image);
    if (Options.Contains(pngBlendOnDisabled)) FadePngAlpha(copy, 127);
    if (Options.Contains(pngGrayscaleOnDisabled)) DesaturatePng(copy, 255);
    Canvas->StretchDraw(Rect, &copy);
}

void FadePngAlpha(TPngPicture& Image, int Amount) {
    using namespace png_functions_detail;
    if (!Image.HasHeader()) return;
    const bool keyed = Image.TransparencyKind() == tkBit;
    const COLORREF key = keyed ? Image.KeyColor() : 0;
    const int w = Image.Width(), h = Image.Height();
    const int colorType = Image.HeaderChunk()->ColorType;
    if (colorType == 0 || colorType == 3) {
        // Grey and palette images have no room for alpha: an RGB image with alpha takes their colours.
        TBitmap blank;
        blank.SetPixelFormat(pf24bit);
        blank.SetSize(w, h);
        TPngPicture faded;
        faded.Assign(&blank);
        faded.AddAlphaPlane();
        for (int y = 0; y < h; ++y) {
            std::uint8_t* alpha = faded.AlphaRow(y);
            for (int x = 0; x < w; ++x) {
                const COLORREF c = Image.GetPixel(x, y);
                faded.SetPixel(x, y, c);
                alpha[x] = std::uint8_t(keyed && c == key ? 0 : Amount);
            }
        }
        Image.Assign(&faded);
        return;
    }
    if (colorType == 2) Image.AddAlphaPlane();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* alpha = Image.AlphaRow(y);
        if (!alpha) return;
        for (int x = 0; x < w; ++x)
            alpha[x] =
                std::uint8_t(keyed && Image.GetPixel(x, y) == key ? 0 : ScaleRounded(alpha[x], Amount + 1));
    }
}

void DesaturatePng(TPngPicture& Image, int Amount) {
    using namespace png_functions_detail;
    if (!Image.HasHeader()) return;
    const TChunkIHDR& header = *Image.HeaderChunk();
    switch (header.ColorType) {
    case 3: {
        std::vector<TPngColorEntry> palette = Image.GetPalette();
        for (TPngColorEntry& e : palette)
            DesaturateColor(e.Red, e.Green, e.Blue, Amount);
        Image.SetPalette(palette);
        break;
    }
    case 2:
    case 6:
        // Held rows are blue, green, red triples; the alpha plane stays as it is.
        for (int y = 0; y < header.Height; ++y) {
            std::uint8_t* row = Image.RowPointer(y);
            for (int x = 0; x < header.Width; ++x)
                DesaturateColor(row[3 * x + 2], row[3 * x + 1], row[3 * x], Amount);
        }
        break;
    default:
        break; // grey images are grey already
    }
}

void PngFromImageListIcon(TPngPicture& Image, TCustomImageList* ImageList, int Index) {
    if (!ImageList || Index < 0 || Index >= ImageList->Count()) return;
    TIcon icon;
    if (!ImageList->GetIcon(Index, &icon) || !icon.Handle()) return;
    ICONINFO info;
    if (!GetIconInfo(icon.Handle(), &info)) return;
    // The bitmaps of the icon information are ours: the two bitmaps take them over.
    TBitmap color, mask;
    mask.SetHandle(info.hbmMask);
    if (!info.hbmColor) return;
    color.SetHandle(info.hbmColor);
    color.SetPixelFormat(pf24bit);
    Image.Assign(&color);
    Image.AddAlphaPlane();
    const int w = std::min(Image.Width(), mask.Width()), h = std::min(Image.Height(), mask.Height());
    for (int y = 0; y < Image.Height(); ++y) {
        std::uint8_t* alpha = Image.AlphaRow(y);
        for (int x = 0; x < Image.Width(); ++x)
            alpha[x] = x < w && y < h && ColorToRGB(mask.Canvas()->Pixels(x, y)) == 0 ? 255 : 0;
    }
}
