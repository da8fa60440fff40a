#include "ui/painters/lookandfeel/PainterResources.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/graphics/ImageList.h"

#include <memory>

namespace painter_resources_detail {

std::unique_ptr<TuiImageList> IndicatorImages;
std::unique_ptr<TBitmap> Patterns[2]; // normal, pressed
TSize CheckBoxSize{13, 13};

constexpr const char* IndicatorBitmapNames[6] = {"UI_ARROWBITMAP",      "UI_EDITBITMAP",
                                                 "UI_INSERTBITMAP",     "UI_MULTIDOTBITMAP",
                                                 "UI_MULTIARROWBITMAP", "UI_FILTERBITMAP"};

void BuildIndicatorImages() {
    TBitmap bitmap;
    for (const char* name : IndicatorBitmapNames) {
        bitmap.LoadFromResourceName(nullptr, name);
        if (!IndicatorImages)
            IndicatorImages = std::make_unique<TuiImageList>(nullptr, bitmap.Width(), bitmap.Height());
        IndicatorImages->AddMasked(&bitmap, static_cast<TColor>(0xFFFFFF));
    }
}

// A checkerboard: pixel (x, y) takes AOdd when x and y differ in parity, else AEven.
void PaintPattern(TBitmap* ABitmap, TColor AOdd, TColor AEven) {
    TCanvas* canvas = ABitmap->Canvas();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            canvas->SetPixels(x, y, (x + y) % 2 != 0 ? AOdd : AEven);
}

} // namespace painter_resources_detail

using namespace painter_resources_detail;

TuiImageList* uiPainterIndicatorImages() {
    return IndicatorImages.get();
}

TBitmap* uiScrollBarPatternBitmap(bool APressed) {
    return Patterns[APressed ? 1 : 0].get();
}

void RebuildScrollBarBitmaps() {
    for (auto& pattern : Patterns)
        if (!pattern) {
            pattern = std::make_unique<TBitmap>();
            pattern->SetPixelFormat(pf24bit);
            pattern->SetSize(8, 8);
        }
    PaintPattern(Patterns[0].get(), clBtnHighlight, clBtnFace);
    PaintPattern(Patterns[1].get(), cl3DDkShadow, clBlack);
}

TSize uiSystemCheckBoxSize() {
    return CheckBoxSize;
}

TSize CalculateCheckBoxSize() {
    HBITMAP bitmap = LoadBitmap(nullptr, OBM_CHECKBOXES);
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    DeleteObject(bitmap);
    return TSize{info.bmWidth / 4, info.bmHeight / 3};
}

void uiPainterResourcesCreate() {
    BuildIndicatorImages();
    RebuildScrollBarBitmaps();
    CheckBoxSize = CalculateCheckBoxSize();
}

void uiPainterResourcesDestroy() {
    for (auto& pattern : Patterns)
        pattern.reset();
    IndicatorImages.reset();
}
