// Base drawing of the parts around content: scroll-bar parts, size grips for any corner, close buttons,
// popup frames, the sizing panel of resizable popups, and screen tips.
#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Pen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>

// ---- Popup frames

TColor TuiCustomLookAndFeelPainter::PopupTextColor() {
    return clBtnText;
}

void TuiCustomLookAndFeelPainter::DrawPopupBackground(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, clBtnFace);
}

void TuiCustomLookAndFeelPainter::DrawPopupFrame(TuiCanvas* ACanvas, TRect& R, TuiPopupBorderStyle AStyle,
                                                 bool ASizeable) {
    switch (AStyle) {
    case pbsSingle:
        ACanvas->FrameRect(R, clBtnText);
        break;
    case pbsFrame3D:
    case pbsFlat3D:
        ACanvas->DrawComplexFrame(R, cl3DLight, cl3DDkShadow);
        R = uiGrowRect(R, -1, -1);
        ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow);
        if (AStyle == pbsFrame3D) {
            R = uiGrowRect(R, -1, -1);
            ACanvas->FrameRect(R, ASizeable ? clInactiveBorder : clBtnFace);
            R = uiGrowRect(R, -1, -1);
            if (ASizeable)
                ACanvas->FrameRect(R, clBtnFace);
            else
                ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
        }
        break;
    default:
        return;
    }
    R = uiGrowRect(R, -1, -1);
}

int TuiCustomLookAndFeelPainter::PopupFrameWidth(TuiPopupBorderStyle AStyle) {
    static constexpr int Widths[] = {0, 1, 4, 2};
    return AStyle <= pbsFlat3D ? Widths[AStyle] : 0;
}

int TuiCustomLookAndFeelPainter::PopupFrameInnerWidth(TuiPopupBorderStyle AStyle) {
    static constexpr int Widths[] = {0, 2, 2, 1};
    return AStyle <= pbsFlat3D ? Widths[AStyle] : 0;
}

bool TuiCustomLookAndFeelPainter::PopupFlag1() {
    return true;
}

// ---- Screen tips

TColor TuiCustomLookAndFeelPainter::ScreenTipGetBorderColor() {
    return clDefault;
}

void TuiCustomLookAndFeelPainter::ScreenTipDrawBackgroundFill(TuiCanvas* ACanvas, const TRect& R,
                                                              TColor AColor) {
    ACanvas->FillRect(R, AColor == clDefault ? clInfoBk : AColor);
}

TColor TuiCustomLookAndFeelPainter::ScreenTipGetTitleTextColor() {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::ScreenTipGetDescriptionTextColor() {
    return clDefault;
}
int TuiCustomLookAndFeelPainter::ScreenTipGetFooterLineSize() {
    return 3;
}

void TuiCustomLookAndFeelPainter::ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R) {
    ScreenTipDrawBackgroundFill(ACanvas, uiGrowRect(R, -1, -1), clDefault);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Pen()->SetColor(clWindowFrame);
    ACanvas->Canvas()->RoundRect(R.left, R.top, R.right, R.bottom, 2, 2);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TuiCustomLookAndFeelPainter::ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(TRect{R.left, R.top, R.right, R.top + 1}, clWindowFrame);
    ACanvas->FillRect(TRect{R.left, R.top + 1, R.right, R.top + 2}, static_cast<TColor>(0xFFFFFF));
}

// ---- Scroll bars

int TuiCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(bool) {
    return 8;
}

void TuiCustomLookAndFeelPainter::DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R,
                                                          bool AHorizontal) {
    DrawScrollBarElement(ACanvas, AHorizontal, R, sbpPageUp, cxbsNormal);
}

void TuiCustomLookAndFeelPainter::DrawScrollBarElement(TuiCanvas*, bool, const TRect&, TuiScrollBarPart,
                                                       TuiPainterButtonState) {}

TuiPainterArrowDirection TuiCustomLookAndFeelPainter::ScrollButtonArrowDirection(bool AHorizontal,
                                                                                 TuiScrollBarPart APart) {
    if (AHorizontal) return APart == sbpLineUp ? adLeft : adRight;
    return APart == sbpLineUp ? adUp : adDown;
}

void TuiCustomLookAndFeelPainter::DrawScrollArrowButton(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterArrowDirection ADirection,
                                                        TuiPainterButtonState AState) {
    const bool horizontal = ADirection == adLeft || ADirection == adRight;
    DrawScrollBarElement(ACanvas, horizontal, R,
                         ADirection == adUp || ADirection == adLeft ? sbpLineUp : sbpLineDown, AState);
}

// ---- Size grips

TSize TuiCustomLookAndFeelPainter::SizeGripExtent() {
    return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

TSize TuiCustomLookAndFeelPainter::ScrollBarSizeGripSize() {
    return SizeGripExtent();
}

void TuiCustomLookAndFeelPainter::DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R) {
    RECT r = R;
    // Transparent: the grip's ridges only, over whatever background the caller laid.
    DrawFrameControl(ACanvas->Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP | DFCS_TRANSPARENT);
}

void TuiCustomLookAndFeelPainter::DrawSizeGripRegion(TuiCanvas* ACanvas, const TRect& R, TColor ABkColor,
                                                     TuiCorner ACorner) {
    if (uiIsRectEmpty(R)) return;
    TuiBitmap bitmap(R.right - R.left, R.bottom - R.top, pf32bit);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    canvas->SetBrush(ACanvas->Brush());
    const TRect local = bitmap.GetClientRect();
    if (ABkColor == clNone)
        BitBlt(canvas->Handle(), 0, 0, local.right, local.bottom, ACanvas->Handle(), R.left, R.top, SRCCOPY);
    else
        canvas->FillRect(local, ABkColor);
    // Each transformation is its own inverse: turned before and after, the grip points into the corner
    // while the background comes back as it was.
    auto transform = [&bitmap, ACorner] {
        switch (ACorner) {
        case coBottomLeft:
            bitmap.Rotate(ra180, true);
            break;
        case coTopRight:
            bitmap.Rotate(raNone, true);
            break;
        case coTopLeft:
            bitmap.Rotate(ra180, false);
            break;
        default:
            break;
        }
    };
    transform();
    DrawSizeGripCore(canvas, local);
    transform();
    uiPaintBitmap(ACanvas->Handle(), &bitmap, R);
}

// ---- Close buttons

TSize TuiCustomLookAndFeelPainter::SmallCloseButtonExtent() {
    return TSize{14, 15};
}

void TuiCustomLookAndFeelPainter::DrawCloseButtonBackground(TuiCanvas* ACanvas, const TRect& R,
                                                            TuiPainterButtonState AState) {
    DrawButtonFrame(ACanvas, R, AState);
    const int border = ButtonBorderThickness(cxbsNormal);
    ACanvas->FillRect(uiGrowRect(R, -border, -border), ButtonFaceColor(AState));
}

void TuiCustomLookAndFeelPainter::DrawSmallCloseButton(TuiCanvas* ACanvas, const TRect& R,
                                                       TuiPainterButtonState AState) {
    DrawFilterClearButton(ACanvas, R, AState);
}

// ---- Sizing panel of resizable popups

int TuiCustomLookAndFeelPainter::DefaultPopupPanelHeight() {
    return std::max({GetSystemMetrics(SM_CYHSCROLL) + 3, static_cast<int>(SizeGripExtent().cy) + 4,
                     static_cast<int>(SmallCloseButtonExtent().cy) + 6});
}

void TuiCustomLookAndFeelPainter::ComputePopupPanelClientBounds(TRect& AClientRect, TRect& APanelRect,
                                                                TRect& AGripRect, TRect& ACloseButtonRect,
                                                                TuiCorner ACorner, const TRect& ABorders,
                                                                TuiBorders APanelBorders, int APanelHeight,
                                                                bool AShowCloseButton, bool AShowGrip) {
    if (APanelHeight == 0) APanelHeight = DefaultPopupPanelHeight();
    AClientRect = uiShrinkRectByMargins(AClientRect, ABorders);
    APanelRect = AClientRect;
    const bool top = ACorner == coTopLeft || ACorner == coTopRight;
    const bool right = ACorner == coTopRight || ACorner == coBottomRight;
    if (top) {
        APanelRect.bottom = APanelRect.top + APanelHeight;
        AClientRect.top = APanelRect.bottom;
    } else {
        APanelRect.top = APanelRect.bottom - APanelHeight;
        AClientRect.bottom = APanelRect.top;
    }
    AGripRect = TRect{};
    if (AShowGrip) {
        const TSize grip = SizeGripExtent();
        const int x = right ? APanelRect.right - 2 - grip.cx : APanelRect.left + 2;
        const int y = top ? APanelRect.top + 2 : APanelRect.bottom - 2 - grip.cy;
        AGripRect = TRect{x, y, x + grip.cx, y + grip.cy};
    }
    ACloseButtonRect = TRect{};
    if (AShowCloseButton) {
        TRect content = APanelRect;
        if (APanelBorders.Contains(bLeft)) ++content.left;
        if (APanelBorders.Contains(bTop)) ++content.top;
        if (APanelBorders.Contains(bRight)) --content.right;
        if (APanelBorders.Contains(bBottom)) --content.bottom;
        const int side = content.bottom - content.top;
        const TRect square = right ? TRect{content.left, content.top, content.left + side, content.bottom}
                                   : TRect{content.right - side, content.top, content.right, content.bottom};
        ACloseButtonRect = uiCentreSizeIn(square, SmallCloseButtonExtent());
    }
}

void TuiCustomLookAndFeelPainter::DrawPopupPanel(TuiCanvas* ACanvas, const TRect& APanelRect,
                                                 const TRect& AGripRect, const TRect& ACloseButtonRect,
                                                 TuiCorner ACorner, TuiPainterButtonState ACloseButtonState,
                                                 TuiBorders APanelBorders, TColor ABorderColor,
                                                 bool ADrawGrip, bool ADrawCloseButton) {
    TRect content = APanelRect;
    if (APanelBorders.Contains(bLeft)) ++content.left;
    if (APanelBorders.Contains(bTop)) ++content.top;
    if (APanelBorders.Contains(bRight)) --content.right;
    if (APanelBorders.Contains(bBottom)) --content.bottom;
    ACanvas->SaveClipRegion();
    ACanvas->ExcludeClipRect(content);
    ACanvas->FillRect(APanelRect, ABorderColor);
    ACanvas->RestoreClipRegion();
    if (ADrawGrip && !uiIsRectEmpty(AGripRect)) {
        TuiBitmap grip(AGripRect.right - AGripRect.left, AGripRect.bottom - AGripRect.top, pf32bit);
        DrawPopupBackground(grip.GetuiCanvas(), grip.GetClientRect());
        DrawSizeGripRegion(grip.GetuiCanvas(), grip.GetClientRect(), clNone, ACorner);
        uiPaintBitmap(ACanvas->Handle(), &grip, AGripRect);
        ACanvas->ExcludeClipRect(AGripRect);
    }
    if (ADrawCloseButton && !uiIsRectEmpty(ACloseButtonRect)) {
        DrawPopupBackground(ACanvas, ACloseButtonRect);
        DrawSmallCloseButton(ACanvas, ACloseButtonRect, ACloseButtonState);
        ACanvas->ExcludeClipRect(ACloseButtonRect);
    }
    DrawPopupBackground(ACanvas, content);
    ACanvas->ExcludeClipRect(APanelRect);
}

void TuiCustomLookAndFeelPainter::DrawPopupNCPanel(HWND AWindow, bool ACloseButtonHot,
                                                   bool ACloseButtonPressed, TuiCorner ACorner,
                                                   const TRect& ACloseButtonRect, const TRect& AGripRect,
                                                   TColor ABorderColor) {
    HDC dc = GetWindowDC(AWindow);
    uiPaintCanvas()->BeginPaint(dc);
    TuiCanvas* canvas = uiPaintCanvas();
    TovFinally done([&] {
        uiPaintCanvas()->EndPaint();
        ReleaseDC(AWindow, dc);
    });
    RECT window{}, client{};
    GetWindowRect(AWindow, &window);
    GetClientRect(AWindow, &client);
    POINT origin{0, 0};
    ClientToScreen(AWindow, &origin);
    const TRect bounds{0, 0, window.right - window.left, window.bottom - window.top};
    const TRect clientInWindow =
        uiShiftRect(TRect{0, 0, client.right, client.bottom}, origin.x - window.left, origin.y - window.top);
    const int border = clientInWindow.left;
    TRect panel = uiGrowRect(bounds, -border, -border);
    const bool top = ACorner == coTopLeft || ACorner == coTopRight;
    if (top)
        panel.bottom = clientInWindow.top;
    else
        panel.top = clientInWindow.bottom;
    canvas->FrameRect(bounds, ABorderColor, border);
    const TuiBorders panelBorders = top ? TuiBorders{bBottom} : TuiBorders{bTop};
    TuiPainterButtonState state = cxbsNormal;
    if (ACloseButtonHot && ACloseButtonPressed)
        state = cxbsPressed;
    else if (ACloseButtonHot || ACloseButtonPressed)
        state = cxbsHot;
    DrawPopupPanel(canvas, panel, uiShiftRect(AGripRect, -window.left, -window.top),
                   uiShiftRect(ACloseButtonRect, -window.left, -window.top), ACorner, state, panelBorders,
                   ABorderColor, true, true);
}
