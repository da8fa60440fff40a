#include "ui/core/graphics/WorkBitmaps.h"

#include "ui/core/graphics/AlphaBitmap.h"

namespace work_bitmaps_detail {
TuiAlphaBitmap* Draw = nullptr;
TuiAlphaBitmap* Image = nullptr;
TuiAlphaBitmap* Mask = nullptr;
} // namespace work_bitmaps_detail

void uiResetAlphaBitmap(TuiAlphaBitmap* ABitmap, int AWidth, int AHeight) {
    ABitmap->SetSize(AWidth, AHeight);
    ABitmap->TransparentColors().clear();
    ABitmap->Clear();
}

void uiInitWorkBitmap(TuiAlphaBitmap*& ABitmap, int AWidth, int AHeight) {
    if (ABitmap != nullptr) {
        uiResetAlphaBitmap(ABitmap, AWidth, AHeight);
        return;
    }
    ABitmap = new TuiAlphaBitmap(AWidth, AHeight);
    ABitmap->Clear();
}

TuiAlphaBitmap* uiWorkBitmapDraw(int AWidth, int AHeight) {
    uiInitWorkBitmap(work_bitmaps_detail::Draw, AWidth, AHeight);
    return work_bitmaps_detail::Draw;
}

TuiAlphaBitmap* uiWorkBitmapImage(int AWidth, int AHeight) {
    uiInitWorkBitmap(work_bitmaps_detail::Image, AWidth, AHeight);
    return work_bitmaps_detail::Image;
}

TuiAlphaBitmap* uiWorkBitmapMask(int AWidth, int AHeight) {
    uiInitWorkBitmap(work_bitmaps_detail::Mask, AWidth, AHeight);
    return work_bitmaps_detail::Mask;
}

void uiFreeWorkBitmaps() {
    for (TuiAlphaBitmap** bitmap :
         {&work_bitmaps_detail::Draw, &work_bitmaps_detail::Image, &work_bitmaps_detail::Mask}) {
        delete *bitmap;
        *bitmap = nullptr;
    }
}
