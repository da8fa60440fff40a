#include "ui/painters/hints/HintViewInfo.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/painters/hints/HintCanvas.h"

TovCustomHintViewInfo::~TovCustomHintViewInfo() {
    DestroyViewHelper();
}

TovCustomHintViewInfoHelper* TovCustomHintViewInfo::Helper() {
    if (FHelper == nullptr) FHelper.reset(CreateViewHelper());
    return FHelper.get();
}

TovHintViewInfoHelper::TovHintViewInfoHelper(const std::string& AText, const TPoint& APosition,
                                             const std::string& ASuffix)
    : FText(AText + ASuffix), FPosition(APosition) {}

void TovHintViewInfoHelper::ComputeLayout(TuiCanvas* ACanvas) {
    PrepareCanvasFont(ACanvas);
    PrepareCanvasFontColor(ACanvas);
    if (FText.empty()) {
        Bounds = TRect{};
        return;
    }
    const TRect area = uiGetWorkAreaAtPoint(uiGetMouseCursorPos());
    RECT r{0, 0, uiWidthOfRect(area), 0};
    uiDrawText(uiCanvasTextDC(ACanvas), FText, r, TRANSPARENT, clDefault, -1,
               DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TSize size{r.right - r.left, r.bottom - r.top};
    AdjustMinSize(size);
    Bounds = TRect{0, 0, size.cx, size.cy};
}

void TovHintViewInfoHelper::Paint(TuiCanvas* ACanvas) {
    PrepareCanvasFont(ACanvas);
    RECT r = Bounds;
    ::DrawEdge(ACanvas->Handle(), &r, BDR_RAISEDOUTER, BF_RECT);
    DrawText(ACanvas);
}

void TovHintViewInfoHelper::AdjustMinSize(TSize& ASize) {
    ASize.cx += 6;
    ASize.cy += 6;
}

TRect TovHintViewInfoHelper::TextBounds() {
    return uiGrowRectSides(Bounds, -3, -3, -1, -1);
}

void TovHintViewInfoHelper::DrawText(TuiCanvas* ACanvas) {
    RECT r = TextBounds();
    uiDrawText(uiCanvasTextDC(ACanvas), FText, r, TRANSPARENT, ACanvas->Font()->Color(), -1,
               DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
}

void TovHintViewInfoHelper::PrepareCanvasFont(TuiCanvas* ACanvas) {
    NONCLIENTMETRICS metrics;
    if (TovSystemInfo::GetParameter(SPI_GETNONCLIENTMETRICS, &metrics))
        ACanvas->Font()->SetHandle(CreateFontIndirect(&metrics.lfStatusFont));
    else
        ACanvas->Font()->SetSize(8);
}

void TovHintViewInfoHelper::PrepareCanvasFontColor(TuiCanvas* ACanvas) {
    if (Screen() != nullptr) ACanvas->Font()->SetColor(Screen()->HintFont()->Color());
}
