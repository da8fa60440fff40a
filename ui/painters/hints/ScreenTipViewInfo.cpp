#include "ui/painters/hints/ScreenTipViewInfo.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/RichEdit.h"
#include "platform/vcl/Screen.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/painters/hints/HintCanvas.h"
#include "ui/painters/hints/RichTextHelper.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>

namespace screen_tip_view_info_detail {

// Long enough for any text on one line.
constexpr int UnlimitedWidth = 32000;

bool IsHeaderOrFooter(const TovCustomScreenTipBand* ABand) {
    return ABand->BandType() != stbDescription;
}

// Header and footer texts of bands without a fixed glyph column are centred on their single line.
bool IsSingleLine(const TovCustomScreenTipBand* ABand) {
    return IsHeaderOrFooter(ABand) && !ABand->GlyphFixedWidth();
}

TSize MeasurePlainText(TuiCanvas* ACanvas, const std::string& AText, int AWidth, UINT AFlags) {
    RECT r{0, 0, AWidth, 0};
    uiDrawText(uiCanvasTextDC(ACanvas), AText, r, TRANSPARENT, clDefault, -1, AFlags | DT_CALCRECT);
    return TSize{r.right - r.left, r.bottom - r.top};
}

// The text a rich band shows, without its markup.
std::string PlainContentOf(const std::string& ARichText) {
    std::string text;
    for (const TRichTextRun& run : ParseRichText(ARichText))
        text += run.Text;
    return text;
}

// Paints on the shared paint canvas over ACanvas for the life of the object.
class TSharedPaint {
public:
    explicit TSharedPaint(TuiCanvas* ACanvas) : FCanvas(uiPaintCanvas()) {
        FCanvas->BeginPaint(ACanvas->Canvas());
    }
    ~TSharedPaint() { FCanvas->EndPaint(); }
    TSharedPaint(const TSharedPaint&) = delete;
    TSharedPaint& operator=(const TSharedPaint&) = delete;
    TuiCanvas* Canvas() const { return FCanvas; }

private:
    TuiPaintCanvas* FCanvas;
};

} // namespace screen_tip_view_info_detail

using namespace screen_tip_view_info_detail;

// ---- Painter

TColor TovScreenTipPainter::GetTitleTextColor() {
    return FPainter != nullptr ? FPainter->ScreenTipGetTitleTextColor() : clDefault;
}

int TovScreenTipPainter::GetFooterLineSize() {
    return FPainter != nullptr ? FPainter->ScreenTipGetFooterLineSize() : 3;
}

TColor TovScreenTipPainter::GetDescriptionTextColor() {
    return FPainter != nullptr ? FPainter->ScreenTipGetDescriptionTextColor() : clDefault;
}

void TovScreenTipPainter::DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R) {
    if (FPainter != nullptr)
        FPainter->ScreenTipDrawBackground(ACanvas, R);
    else
        ACanvas->FillRect(R, clInfoBk);
}

void TovScreenTipPainter::DrawFooterLine(TuiCanvas* ACanvas, const TRect& R) {
    if (FPainter != nullptr)
        FPainter->ScreenTipDrawFooterLine(ACanvas, R);
    else
        ACanvas->FillRect(R, clBtnShadow);
}

// ---- Band metrics and view info

TovScreenTipBandMetrics ovScreenTipBandMetrics(TovCustomScreenTipBand* ABand, int AFooterLineSize) {
    TovScreenTipBandMetrics metrics;
    const bool description = ABand->BandType() == stbDescription;
    metrics.HorzIndent = uiScaleToCurrentDPI(description ? 14 : 6);
    metrics.VertIndent = uiScaleToCurrentDPI(6) + (ABand->BandType() == stbFooter ? AFooterLineSize : 0);
    if (!ABand->GlyphFixedWidth())
        metrics.GlyphColumnWidth = ABand->Glyph()->Width();
    else
        metrics.GlyphColumnWidth =
            description ? uiScaleToCurrentDPI(108) - metrics.HorzIndent : uiScaleToCurrentDPI(16);
    if (description)
        metrics.TextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
    else
        metrics.TextFlags = DT_NOPREFIX | (ABand->GlyphFixedWidth() ? 0 : DT_SINGLELINE);
    return metrics;
}

TovScreenTipBandViewInfo::TovScreenTipBandViewInfo(TovCustomScreenTipBand* ABand,
                                                   const std::string& AHintText,
                                                   const std::string& AShortCutText)
    : FBand(ABand), FHintText(AHintText), FShortCutText(AShortCutText) {}

std::string TovScreenTipBandViewInfo::Text() const {
    if (FBand->BandType() != stbHeader) return FBand->Text();
    const std::string text = FHintText.empty() ? FBand->Text() : FHintText;
    return text.empty() ? text : text + FShortCutText;
}

void TovScreenTipBandViewInfo::PrepareFont(TuiCanvas* ACanvas) {
    ACanvas->Font()->Assign(FBand->GetFont());
}

int TovScreenTipBandViewInfo::OneLineWidth(TuiCanvas* ACanvas, int AFooterLineSize) {
    const TovScreenTipBandMetrics metrics = ovScreenTipBandMetrics(FBand, AFooterLineSize);
    int width = HasGlyph() ? metrics.GlyphColumnWidth + metrics.HorzIndent : 0;
    if (HasText()) {
        PrepareFont(ACanvas);
        const std::string text = FBand->PlainText() ? Text() : PlainContentOf(Text());
        width +=
            MeasurePlainText(ACanvas, text, UnlimitedWidth, metrics.TextFlags).cx + 2 * metrics.HorzIndent;
    }
    return width;
}

int TovScreenTipBandViewInfo::Calculate(TuiCanvas* ACanvas, int AWidth, int ATop, int AFooterLineSize) {
    FFooterLineSize = AFooterLineSize;
    const TovScreenTipBandMetrics metrics = ovScreenTipBandMetrics(FBand, AFooterLineSize);
    const int column = metrics.GlyphColumnWidth;
    GlyphSize = TSize{0, 0};
    if (HasGlyph()) {
        const int width = FBand->Glyph()->Width(), height = FBand->Glyph()->Height();
        if (column < width)
            GlyphSize = TSize{column, static_cast<int>(Round(static_cast<double>(column) * height / width))};
        else
            GlyphSize = TSize{width, height};
    }
    TextSize = TSize{0, 0};
    if (HasText()) {
        PrepareFont(ACanvas);
        const int available =
            AWidth - 2 * metrics.HorzIndent - (HasGlyph() ? column + metrics.HorzIndent : 0);
        if (FBand->PlainText()) {
            TextSize = MeasurePlainText(ACanvas, Text(), available, metrics.TextFlags);
        } else {
            TovRichTextHelper* helper = uiRichTextHelper(FBand->BandType());
            helper->SetText(ACanvas, Text());
            TRect r{0, 0, available, 0};
            helper->CalculateTextHeight(ACanvas, r);
            TextSize = TSize{available, r.bottom - r.top};
        }
    }
    const int height =
        HasGlyph() || HasText() ? std::max<int>(GlyphSize.cy, TextSize.cy) + 2 * metrics.VertIndent : 0;
    Bounds = TRect{0, ATop, AWidth, ATop + height};

    if (IsSingleLine(FBand)) {
        TextBounds.top = ATop;
        TextBounds.bottom = ATop + height;
    } else {
        TextBounds.top = ATop + metrics.VertIndent;
        TextBounds.bottom = TextBounds.top + TextSize.cy;
    }
    TextBounds.left = metrics.HorzIndent;
    if (FBand->TextAlign() == stbtaRight) {
        if (HasGlyph()) TextBounds.left += column + metrics.HorzIndent;
        TextBounds.right = AWidth - metrics.HorzIndent;
    } else {
        TextBounds.right = TextBounds.left + TextSize.cx;
    }

    GlyphBounds.top =
        FBand->BandType() == stbDescription ? ATop + metrics.VertIndent : ATop + (height - GlyphSize.cy) / 2;
    GlyphBounds.bottom = GlyphBounds.top + GlyphSize.cy;
    if (FBand->TextAlign() == stbtaRight) {
        GlyphBounds.left = metrics.HorzIndent + (column - GlyphSize.cx) / 2;
        GlyphBounds.right = GlyphBounds.left + GlyphSize.cx;
    } else {
        GlyphBounds.right = AWidth - (column - GlyphSize.cx) / 2 - metrics.HorzIndent;
        GlyphBounds.left = GlyphBounds.right - GlyphSize.cx;
    }
    return Bounds.bottom;
}

void TovScreenTipBandViewInfo::Paint(TuiCanvas* ACanvas, TovScreenTipPainter* APainter) {
    if (HasText()) {
        PrepareFont(ACanvas);
        if (FBand->IsDefaultFont()) {
            // The description takes the title colour and the header and footer the description colour.
            const TColor color = FBand->BandType() == stbDescription ? APainter->GetTitleTextColor()
                                                                     : APainter->GetDescriptionTextColor();
            if (color != clDefault) ACanvas->Font()->SetColor(color);
        }
        if (FBand->PlainText()) {
            const TovScreenTipBandMetrics metrics = ovScreenTipBandMetrics(FBand, FFooterLineSize);
            RECT r = TextBounds;
            uiDrawText(uiCanvasTextDC(ACanvas), Text(), r, TRANSPARENT, ACanvas->Font()->Color(), -1,
                       metrics.TextFlags | (IsSingleLine(FBand) ? DT_VCENTER : 0));
        } else {
            uiRichTextHelper(FBand->BandType())->DrawText(ACanvas, TextBounds);
        }
    }
    if (HasGlyph())
        uiDrawImage(ACanvas->Handle(), GlyphBounds, GlyphBounds, FBand->Glyph(), nullptr, -1, gdmNormal);
    if (FBand->BandType() == stbFooter)
        APainter->DrawFooterLine(ACanvas, TRect{Bounds.left + 5, Bounds.top, Bounds.right - 5,
                                                Bounds.top + APainter->GetFooterLineSize()});
}

// ---- Screen-tip helper

TovScreenTipViewInfoHelper::TovScreenTipViewInfoHelper(TovScreenTip* AScreenTip,
                                                       std::unique_ptr<TovScreenTipPainter> APainter,
                                                       const std::string& AHintText,
                                                       const std::string& AShortCutText)
    : FScreenTip(AScreenTip), FPainter(std::move(APainter)),
      FHintText(AScreenTip->UseHintAsHeader() ? AHintText : std::string()), FShortCutText(AShortCutText) {}

TovScreenTipViewInfoHelper::~TovScreenTipViewInfoHelper() {
    FBands.clear();
    FPainter.reset();
}

TovScreenTipBandViewInfo* TovScreenTipViewInfoHelper::CreateBandViewInfo(TovCustomScreenTipBand* ABand) {
    return new TovScreenTipBandViewInfo(ABand, FHintText, FShortCutText);
}

void TovScreenTipViewInfoHelper::ComputeLayout(TuiCanvas* ACanvas) {
    FBands.clear();
    for (TovScreenTipBandType type : {stbHeader, stbDescription, stbFooter}) {
        TovCustomScreenTipBand* band = FScreenTip->GetBandForLayout(type);
        const bool wanted =
            !band->Text().empty() || band->HasGlyph() || (type == stbHeader && !FHintText.empty());
        if (wanted) FBands.emplace_back(CreateBandViewInfo(band));
    }
    const int footerLineSize = FPainter->GetFooterLineSize();
    int width = FScreenTip->GetWidth();
    for (const auto& band : FBands)
        if (band->Band()->BandType() != stbDescription)
            width = std::max(width, band->OneLineWidth(ACanvas, footerLineSize));
    int bottom = 0;
    for (const auto& band : FBands)
        bottom = band->Calculate(ACanvas, width, bottom, footerLineSize);
    Bounds = TRect{0, 0, width, bottom};
}

void TovScreenTipViewInfoHelper::Paint(TuiCanvas* ACanvas) {
    TSharedPaint paint(ACanvas);
    TuiCanvas* canvas = paint.Canvas();
    canvas->SetClipRegion(
        new TuiRegion(CreateRoundRectRgn(Bounds.left, Bounds.top, Bounds.right + 1, Bounds.bottom + 1, 2, 2)),
        roIntersect);
    FPainter->DrawBackgroundArea(canvas, Bounds);
    for (const auto& band : FBands)
        band->Paint(canvas, FPainter.get());
}

TovScreenTipViewInfo::TovScreenTipViewInfo(TovScreenTip* AScreenTip, const std::string& AHintText,
                                           const std::string& AShortCutText,
                                           std::unique_ptr<TovScreenTipPainter> APainter)
    : FScreenTip(AScreenTip), FHintText(AHintText), FShortCutText(AShortCutText),
      FPainter(std::move(APainter)) {}

TovCustomHintViewInfoHelper* TovScreenTipViewInfo::CreateViewHelper() {
    return new TovScreenTipViewInfoHelper(FScreenTip, std::move(FPainter), FHintText, FShortCutText);
}

// ---- Plain look-alike

TovScreenTipLikeHintViewInfoHelper::TovScreenTipLikeHintViewInfoHelper(const std::string& AText,
                                                                       const TPoint& APosition,
                                                                       const std::string& ASuffix,
                                                                       TovScreenTipPainter* APainter)
    : TovHintViewInfoHelper(AText, APosition, ASuffix), FPainter(APainter) {}

void TovScreenTipLikeHintViewInfoHelper::AdjustMinSize(TSize& ASize) {
    TovHintViewInfoHelper::AdjustMinSize(ASize);
    ASize.cx += 5;
    ASize.cy += 5;
}

TRect TovScreenTipLikeHintViewInfoHelper::TextBounds() {
    return uiGrowRectSides(Bounds, -5, -6, -6, -5);
}

void TovScreenTipLikeHintViewInfoHelper::PrepareCanvasFontColor(TuiCanvas* ACanvas) {
    const TColor color = FPainter->GetDescriptionTextColor();
    if (color != clDefault)
        ACanvas->Font()->SetColor(color);
    else
        TovHintViewInfoHelper::PrepareCanvasFontColor(ACanvas);
}

void TovScreenTipLikeHintViewInfoHelper::Paint(TuiCanvas* ACanvas) {
    PrepareCanvasFont(ACanvas);
    PrepareCanvasFontColor(ACanvas);
    {
        TSharedPaint paint(ACanvas);
        FPainter->DrawBackgroundArea(paint.Canvas(), Bounds);
    }
    DrawText(ACanvas);
}

TovScreenTipLikeHintViewInfo::TovScreenTipLikeHintViewInfo(const std::string& AHintText,
                                                           const std::string& AShortCutText,
                                                           const TPoint& APosition,
                                                           std::unique_ptr<TovScreenTipPainter> APainter)
    : FHintText(AHintText), FShortCutText(AShortCutText), FPosition(APosition),
      FPainter(std::move(APainter)) {}

TovCustomHintViewInfoHelper* TovScreenTipLikeHintViewInfo::CreateViewHelper() {
    return new TovScreenTipLikeHintViewInfoHelper(FHintText, FPosition, FShortCutText, FPainter.get());
}
