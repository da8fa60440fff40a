#include "ui/painters/lookandfeel/RadioButtonImageList.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Pen.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/office11/Office11Colors.h"

namespace radio_images_detail {

std::unique_ptr<TuiRadioButtonImageList> List;

enum Code { Outside, OuterUpperLeft, OuterLowerRight, InnerUpperLeft, InnerLowerRight, Body, Dot };

COLORREF Rgb(TColor AColor) {
    return ColorToRGB(AColor) & 0xFFFFFF;
}

} // namespace radio_images_detail

using namespace radio_images_detail;

int uiRadioKindOfStyle(TuiLookAndFeelStyle AStyle) {
    static constexpr int Kinds[] = {0, 1, 2, 1, 3, 2};
    return AStyle <= lfsSkin ? Kinds[AStyle] : 2;
}

TuiLookAndFeelStyle uiRadioStyleOfKind(int AKind) {
    static constexpr TuiLookAndFeelStyle Styles[] = {lfsFlat, lfsStandard, lfsUltraFlat, lfsOffice11};
    return Styles[AKind & 3];
}

int uiRadioMapIndex(int AKind, TuiPainterButtonState AState, bool AChecked, bool AEmphasisB,
                    bool AEmphasisA) {
    // The list holds no image of the default state: it is drawn as normal.
    const int state = AState == cxbsDefault ? cxbsNormal : AState;
    return state + 8 * AKind + 32 * (AEmphasisA ? 1 : 0) + 64 * (AEmphasisB ? 1 : 0) +
           4 * (AChecked ? 1 : 0) - 1;
}

TuiRadioButtonImageList::TuiRadioButtonImageList() {
    MeasureRadioButton();
    FImages = std::make_unique<TImageList>(nullptr);
    FImages->SetSize(FSize.cx, FSize.cy);
    FImages->SetMasked(true);
    FMask = std::make_unique<TBitmap>();
    FMask->SetMonochrome(true);
    FMask->SetSize(FSize.cx, FSize.cy);
    TCanvas* canvas = FMask->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, FSize.cx, FSize.cy});
    canvas->Brush()->SetColor(clBlack);
    canvas->Pen()->SetColor(clBlack);
    canvas->RoundRect(0, 0, FSize.cx, FSize.cy, FSize.cx - 1, FSize.cy - 1);
    BuildPattern();
}

TuiRadioButtonImageList::~TuiRadioButtonImageList() = default;

void TuiRadioButtonImageList::MeasureRadioButton() {
    HBITMAP system = LoadBitmap(nullptr, OBM_CHECKBOXES);
    BITMAP info{};
    GetObject(system, sizeof(info), &info);
    DeleteObject(system);
    const int cellWidth = info.bmWidth / 4, cellHeight = info.bmHeight / 3;
    TBitmap cell;
    cell.SetPixelFormat(pf24bit);
    cell.SetSize(cellWidth, cellHeight);
    TCanvas* canvas = cell.Canvas();
    RECT r{0, 0, cellWidth, cellHeight};
    // The mask is a black circle; outside it the cell stays white.
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(r);
    DrawFrameControl(canvas->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < cellHeight; ++y)
        for (int x = 0; x < cellWidth; ++x)
            if (Rgb(canvas->Pixels(x, y)) == 0) {
                if (left < 0 || x < left) left = x;
                right = std::max(right, x);
                if (top < 0) top = y;
                bottom = y;
            }
    if (left < 0) left = top = 0, right = cellWidth - 1, bottom = cellHeight - 1;
    FSize = TSize{right - left + 1, bottom - top + 1};
    FRadioRect = TRect{left, top, left + FSize.cx, top + FSize.cy};

    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(r);
    DrawFrameControl(canvas->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
    const COLORREF dot = Rgb(clWindowText);
    const int cx = (FRadioRect.left + FRadioRect.right) / 2, cy = (FRadioRect.top + FRadioRect.bottom) / 2;
    auto isDot = [&](int x, int y) {
        return x >= FRadioRect.left && x < FRadioRect.right && y >= FRadioRect.top && y < FRadioRect.bottom &&
               Rgb(canvas->Pixels(x, y)) == dot;
    };
    if (isDot(cx - 1, cy - 2) && isDot(cx - 2, cy - 1)) {
        int dotTop = cy - 2, dotBottom = cy - 2, dotLeft = cx - 2, dotRight = cx - 2;
        while (isDot(cx - 1, dotTop - 1))
            --dotTop;
        while (isDot(cx - 1, dotBottom + 1))
            ++dotBottom;
        while (isDot(dotLeft - 1, cy - 1))
            --dotLeft;
        while (isDot(dotRight + 1, cy - 1))
            ++dotRight;
        FCheckRect = TRect{dotLeft, dotTop, dotRight + 1, dotBottom + 1};
    } else {
        // No dot where the system puts one: a third of the circle, centred.
        const int side = std::max(2, FSize.cx / 3);
        FCheckRect = TRect{cx - side / 2, cy - side / 2, cx - side / 2 + side, cy - side / 2 + side};
    }
}

void TuiRadioButtonImageList::BuildPattern() {
    const int cx = FSize.cx, cy = FSize.cy;
    FPattern.assign(cy, std::vector<int>(cx, Outside));
    auto belowAntiDiagonal = [cx, cy](int x, int y) { return (cy - 1) * (cx - x - 1) < y * (cx - 1); };
    auto onAntiDiagonal = [cx, cy](int x, int y) { return (cy - 1) * (cx - x - 1) == y * (cx - 1); };

    // 1. The outer ring: the outline of the circle.
    TBitmap ring;
    ring.SetPixelFormat(pf24bit);
    ring.SetSize(cx, cy);
    TCanvas* canvas = ring.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, cx, cy});
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(clBlack);
    canvas->Ellipse(0, 0, cx, cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (Rgb(canvas->Pixels(x, y)) == 0)
                FPattern[y][x] = belowAntiDiagonal(x, y) ? OuterLowerRight : OuterUpperLeft;
    auto isRing = [this](int x, int y) {
        return FPattern[y][x] == OuterUpperLeft || FPattern[y][x] == OuterLowerRight;
    };

    // 2. The body: from the centre column outward to the ring, on every inner row.
    const int centreX = cx / 2, centreY = cy / 2;
    for (int y = 1; y <= cy - 2; ++y) {
        for (int x = centreX; x >= 0 && !isRing(x, y); --x)
            FPattern[y][x] = Body;
        for (int x = centreX + 1; x < cx && !isRing(x, y); ++x)
            FPattern[y][x] = Body;
    }
    // The body pixels touching the ring become the inner ring; on the first and last body rows and
    // columns every body pixel does.
    auto innerCode = [&](int x, int y) {
        if (onAntiDiagonal(x, y)) return x > centreX ? InnerLowerRight : InnerUpperLeft;
        return belowAntiDiagonal(x, y) ? InnerLowerRight : InnerUpperLeft;
    };
    int firstBodyRow = cy, lastBodyRow = -1, firstBodyColumn = cx, lastBodyColumn = -1;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (FPattern[y][x] == Body) {
                firstBodyRow = std::min(firstBodyRow, y);
                lastBodyRow = std::max(lastBodyRow, y);
                firstBodyColumn = std::min(firstBodyColumn, x);
                lastBodyColumn = std::max(lastBodyColumn, x);
            }
    std::vector<std::pair<int, int>> inner;
    auto walk = [&](int x, int y, int dx, int dy, bool AEdgeLine) {
        int lastX = -1, lastY = -1;
        while (x >= 0 && x < cx && y >= 0 && y < cy && FPattern[y][x] != Outside && !isRing(x, y)) {
            if (FPattern[y][x] == Body) {
                if (AEdgeLine) inner.emplace_back(x, y);
                lastX = x;
                lastY = y;
            }
            x += dx;
            y += dy;
        }
        if (lastX >= 0) inner.emplace_back(lastX, lastY);
    };
    for (int y = 0; y < cy; ++y) {
        const bool edge = y == firstBodyRow || y == lastBodyRow;
        walk(centreX, y, -1, 0, edge);
        walk(centreX, y, 1, 0, edge);
    }
    for (int x = 0; x < cx; ++x) {
        const bool edge = x == firstBodyColumn || x == lastBodyColumn;
        walk(x, centreY, 0, -1, edge);
        walk(x, centreY, 0, 1, edge);
    }
    for (const auto& [x, y] : inner)
        FPattern[y][x] = innerCode(x, y);

    // 3. The check dot, an ellipse in the measured rectangle.
    const TRect dot{FCheckRect.left - FRadioRect.left, FCheckRect.top - FRadioRect.top,
                    FCheckRect.right - FRadioRect.left, FCheckRect.bottom - FRadioRect.top};
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, cx, cy});
    canvas->Brush()->SetColor(clBlack);
    canvas->Ellipse(dot.left, dot.top, dot.right, dot.bottom);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (Rgb(canvas->Pixels(x, y)) == 0 && FPattern[y][x] != Outside) FPattern[y][x] = Dot;
}

std::unique_ptr<TBitmap> TuiRadioButtonImageList::RenderImage(int AKind, TuiPainterButtonState AState,
                                                              bool AChecked, bool AEmphasisB,
                                                              bool AEmphasisA) {
    TColor body = clWindow;
    if (TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager())
        if (TuiCustomLookAndFeelPainter* painter = manager->GetPainterByStyle(uiRadioStyleOfKind(AKind)))
            body = painter->RadioButtonFillColor(AState);
    TColor colours[7] = {clBlack, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, body, body};
    const bool emphasised =
        AEmphasisB || AState == cxbsHot || AState == cxbsPressed || (AEmphasisA && AState != cxbsDisabled);
    switch (AKind) {
    case 1:
        colours[InnerUpperLeft] = cl3DDkShadow;
        break;
    case 2:
        colours[OuterUpperLeft] = colours[OuterLowerRight] = emphasised ? clHighlight : clBtnShadow;
        colours[InnerUpperLeft] = colours[InnerLowerRight] = body;
        break;
    case 3:
        colours[OuterUpperLeft] = colours[OuterLowerRight] = AState == cxbsDisabled
                                                                 ? Office11DisabledTextColor
                                                             : emphasised ? Office11SelectedBorderColor
                                                                          : clBtnText;
        colours[InnerUpperLeft] = colours[InnerLowerRight] = body;
        break;
    default:
        break;
    }
    if (AChecked) {
        colours[Dot] = clWindowText;
        if (AState == cxbsDisabled) colours[Dot] = AKind == 3 ? Office11DisabledTextColor : clBtnShadow;
    }
    auto image = std::make_unique<TBitmap>();
    image->SetPixelFormat(pf24bit);
    image->SetSize(FSize.cx, FSize.cy);
    TCanvas* canvas = image->Canvas();
    for (int y = 0; y < FSize.cy; ++y)
        for (int x = 0; x < FSize.cx; ++x)
            canvas->SetPixels(x, y, colours[FPattern[y][x]]);
    return image;
}

void TuiRadioButtonImageList::BuildImages() {
    if (FImages->Count() > 0) return;
    FIndexMap.assign(128, -1);
    const bool flags[2] = {false, true};
    for (bool emphasisB : flags)
        for (bool emphasisA : flags)
            for (int kind = 0; kind < 4; ++kind)
                for (bool checked : flags)
                    for (int state = cxbsNormal; state <= cxbsDisabled; ++state) {
                        const auto buttonState = static_cast<TuiPainterButtonState>(state);
                        auto image = RenderImage(kind, buttonState, checked, emphasisB, emphasisA);
                        const int index = FImages->Add(image.get(), FMask.get());
                        FIndexMap[uiRadioMapIndex(kind, buttonState, checked, emphasisB, emphasisA)] = index;
                    }
}

void TuiRadioButtonImageList::RebuildImages() {
    FImages->Clear();
    BuildImages();
}

int TuiRadioButtonImageList::ImageIndexOf(int AKind, TuiPainterButtonState AState, bool AChecked,
                                          bool AEmphasisB, bool AEmphasisA) const {
    if (AKind < 0 || AKind > 3 || AState > cxbsDisabled) return -1;
    const int map = uiRadioMapIndex(AKind, AState, AChecked, AEmphasisB, AEmphasisA);
    return map >= 0 && map < static_cast<int>(FIndexMap.size()) ? FIndexMap[map] : -1;
}

int TuiRadioButtonImageList::ImageCount() const {
    return FImages->Count();
}

void TuiRadioButtonImageList::PaintRadioImage(TuiCanvas* ACanvas, int X, int Y, TColor ABkColor, int AKind,
                                              TuiPainterButtonState AState, bool AChecked, bool AEmphasisB,
                                              bool AEmphasisA) {
    const int index = ImageIndexOf(AKind, AState, AChecked, AEmphasisB, AEmphasisA);
    if (index < 0) return;
    if (ABkColor == clDefault) {
        FImages->Draw(ACanvas->Canvas(), X, Y, index, true);
        return;
    }
    TBitmap square;
    square.SetPixelFormat(pf24bit);
    square.SetSize(FSize.cx, FSize.cy);
    square.Canvas()->Brush()->SetColor(static_cast<TColor>(ColorToRGB(ABkColor)));
    square.Canvas()->FillRect(TRect{0, 0, FSize.cx, FSize.cy});
    FImages->Draw(square.Canvas(), 0, 0, index, true);
    ACanvas->Draw(X, Y, &square);
}

TuiRadioButtonImageList* RadioButtonImageList() {
    if (!List) {
        List = std::make_unique<TuiRadioButtonImageList>();
        List->BuildImages();
    }
    return List.get();
}

bool RadioButtonImageListExists() {
    return List != nullptr;
}

void ResetRadioButtonImages() {
    if (List) List->RebuildImages();
}

void FreeRadioButtonImageList() {
    List.reset();
}
