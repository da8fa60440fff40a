// The layout and painting of screen tips: the full look (header, description and footer bands, each
// with text and glyph, laid out one below the other) and the plain look-alike (one text in the screen-tip
// colours). All drawing goes through a screen-tip painter, a thin adapter over the look-and-feel
// painter's screen-tip operations that the bar painters replace.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/painters/hints/HintViewInfo.h"
#include "ui/painters/hints/ScreenTips.h"

#include <memory>
#include <string>
#include <vector>

class TuiCanvas;
class TuiCustomLookAndFeelPainter;

class TovScreenTipPainter : public TObject {
public:
    explicit TovScreenTipPainter(TuiCustomLookAndFeelPainter* APainter) : FPainter(APainter) {}
    TuiCustomLookAndFeelPainter* Painter() const { return FPainter; }

    virtual TColor GetTitleTextColor();
    virtual int GetFooterLineSize();
    virtual TColor GetDescriptionTextColor();
    virtual void DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawFooterLine(TuiCanvas* ACanvas, const TRect& R);

private:
    TuiCustomLookAndFeelPainter* FPainter;
};

// The metrics of a band type at the current DPI.
struct TovScreenTipBandMetrics {
    int HorzIndent;
    int VertIndent;
    int GlyphColumnWidth;
    UINT TextFlags; // for measuring; drawing adds DT_VCENTER to single-line texts
};
TovScreenTipBandMetrics ovScreenTipBandMetrics(TovCustomScreenTipBand* ABand, int AFooterLineSize);

class TovScreenTipBandViewInfo : public TObject {
public:
    TovScreenTipBandViewInfo(TovCustomScreenTipBand* ABand, const std::string& AHintText,
                             const std::string& AShortCutText);

    TovCustomScreenTipBand* Band() const { return FBand; }
    // For the header, the hint text when there is one, else the band's text, then the shortcut text.
    std::string Text() const;
    bool HasText() const { return !Text().empty(); }
    bool HasGlyph() const { return FBand->HasGlyph(); }
    // The width the band needs on one line.
    int OneLineWidth(TuiCanvas* ACanvas, int AFooterLineSize);
    // Lays the band out at ATop in AWidth; answers its bottom.
    int Calculate(TuiCanvas* ACanvas, int AWidth, int ATop, int AFooterLineSize);
    void Paint(TuiCanvas* ACanvas, TovScreenTipPainter* APainter);

    TRect Bounds{};
    TRect TextBounds{};
    TRect GlyphBounds{};
    TSize TextSize{};
    TSize GlyphSize{};

private:
    void PrepareFont(TuiCanvas* ACanvas);

    TovCustomScreenTipBand* FBand;
    std::string FHintText;
    std::string FShortCutText;
    int FFooterLineSize = 0;
};

class TovScreenTipViewInfoHelper : public TovCustomHintViewInfoHelper {
public:
    // Owns the painter. The hint text is kept only when the tip uses the hint as its header.
    TovScreenTipViewInfoHelper(TovScreenTip* AScreenTip, std::unique_ptr<TovScreenTipPainter> APainter,
                               const std::string& AHintText, const std::string& AShortCutText);
    ~TovScreenTipViewInfoHelper() override;

    TovScreenTip* ScreenTip() const { return FScreenTip; }
    TovScreenTipPainter* Painter() const { return FPainter.get(); }
    int BandCount() const { return static_cast<int>(FBands.size()); }
    TovScreenTipBandViewInfo* Bands(int AIndex) const { return FBands[AIndex].get(); }

    void ComputeLayout(TuiCanvas* ACanvas) override;
    void Paint(TuiCanvas* ACanvas) override;
    virtual TovScreenTipBandViewInfo* CreateBandViewInfo(TovCustomScreenTipBand* ABand);

private:
    TovScreenTip* FScreenTip;
    std::unique_ptr<TovScreenTipPainter> FPainter;
    std::string FHintText;
    std::string FShortCutText;
    std::vector<std::unique_ptr<TovScreenTipBandViewInfo>> FBands;
};

class TovScreenTipViewInfo : public TovCustomHintViewInfo {
public:
    TovScreenTipViewInfo(TovScreenTip* AScreenTip, const std::string& AHintText,
                         const std::string& AShortCutText, std::unique_ptr<TovScreenTipPainter> APainter);
    TovScreenTipViewInfoHelper* ScreenTipHelper() {
        return static_cast<TovScreenTipViewInfoHelper*>(Helper());
    }

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override;

private:
    TovScreenTip* FScreenTip;
    std::string FHintText;
    std::string FShortCutText;
    std::unique_ptr<TovScreenTipPainter> FPainter; // handed to the helper when it is made
};

// The plain look-alike: one word-wrapped text on the screen-tip background.
class TovScreenTipLikeHintViewInfoHelper : public TovHintViewInfoHelper {
public:
    TovScreenTipLikeHintViewInfoHelper(const std::string& AText, const TPoint& APosition,
                                       const std::string& ASuffix, TovScreenTipPainter* APainter);
    void Paint(TuiCanvas* ACanvas) override;
    void AdjustMinSize(TSize& ASize) override;
    TRect TextBounds() override;
    void PrepareCanvasFontColor(TuiCanvas* ACanvas) override;

private:
    TovScreenTipPainter* FPainter;
};

class TovScreenTipLikeHintViewInfo : public TovCustomHintViewInfo {
public:
    TovScreenTipLikeHintViewInfo(const std::string& AHintText, const std::string& AShortCutText,
                                 const TPoint& APosition, std::unique_ptr<TovScreenTipPainter> APainter);
    TovScreenTipPainter* Painter() const { return FPainter.get(); }

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override;

private:
    std::string FHintText;
    std::string FShortCutText;
    TPoint FPosition;
    std::unique_ptr<TovScreenTipPainter> FPainter;
};
