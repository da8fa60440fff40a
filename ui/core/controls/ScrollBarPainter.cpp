#include "ui/core/controls/ScrollBarPainter.h"

#include "ui/core/controls/ScrollBarHelper.h"
#include "ui/core/controls/ScrollBarViewInfo.h"
#include "ui/core/graphics/Canvas.h"

void TuiScrollBarPainter::DoDrawScrollBarPart(TuiCanvas* ACanvas, const TRect& R, TuiScrollBarPart APart,
                                              TuiPainterButtonState AState) {
    if (TuiLookAndFeelPainterBase* painter = FScrollBar->LookAndFeelPainter())
        painter->DrawScrollBarElement(ACanvas, FScrollBar->Kind() == sbHorizontal, R, APart, AState);
}

void TuiScrollBarPainter::DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R) {
    if (TuiLookAndFeelPainterBase* painter = FScrollBar->LookAndFeelPainter())
        painter->DrawScrollBarBackground(ACanvas, R, FScrollBar->Kind() == sbHorizontal);
}

void TuiScrollBarPainter::DrawScrollBarPart(TuiCanvas* ACanvas, TuiScrollBarPart APart) {
    TuiScrollBarPartViewInfo* part = FScrollBar->ViewInfo()->GetPartInfo(APart);
    const TRect& r = part->Bounds;
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (TuiScrollBarPartFadingHelper* helper = part->FadingHelper())
        if (helper->DrawImage(ACanvas->Handle(), r)) return;
    DoDrawScrollBarPart(ACanvas, r, APart, part->State());
}

bool TuiScrollBarPainter::FadingAvailable() {
    TuiLookAndFeelPainterBase* painter = FScrollBar->LookAndFeelPainter();
    if (painter == nullptr || !IsButtonHotTrack()) return false;
    const TuiLookAndFeelStyle style = painter->LookAndFeelStyle();
    return style == lfsNative || style == lfsSkin;
}

int TuiScrollBarPainter::GetMinThumbnailSize() {
    TuiLookAndFeelPainterBase* painter = FScrollBar->LookAndFeelPainter();
    return painter != nullptr ? painter->ScrollBarMinimalThumbSize(FScrollBar->Kind() == sbVertical) : 8;
}

bool TuiScrollBarPainter::IsButtonHotTrack() {
    TuiLookAndFeelPainterBase* painter = FScrollBar->LookAndFeelPainter();
    return painter != nullptr && painter->ButtonHotTracks();
}

void TuiScrollBarPainter::Paint(TuiCanvas* ACanvas) {
    DrawScrollBarBackground(ACanvas, FScrollBar->Bounds());
    for (int part = sbpLineUp; part <= sbpPageDown; ++part)
        DrawScrollBarPart(ACanvas, static_cast<TuiScrollBarPart>(part));
}
