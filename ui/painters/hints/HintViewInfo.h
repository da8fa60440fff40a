// Hint view infos: the layout and painting of a hint's content, kept apart from the window that shows
// it. A view info owns one helper that does the work; the plain helper lays out a word-wrapped text in
// the status font with a raised edge (the screen-tip helpers are in ScreenTipViewInfo.h).
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>

class TuiCanvas;

class TovCustomHintViewInfoHelper : public TObject {
public:
    TRect Bounds{};
    virtual void ComputeLayout(TuiCanvas* ACanvas) = 0;
    virtual void Paint(TuiCanvas* ACanvas) = 0;
};

class TovCustomHintViewInfo : public TObject {
public:
    ~TovCustomHintViewInfo() override;

    virtual void ComputeLayout(TuiCanvas* ACanvas) { Helper()->ComputeLayout(ACanvas); }
    virtual void Paint(TuiCanvas* ACanvas) { Helper()->Paint(ACanvas); }
    TRect GetBoundsRect() { return Helper()->Bounds; }
    // Made on first use by CreateViewHelper.
    TovCustomHintViewInfoHelper* Helper();

protected:
    virtual TovCustomHintViewInfoHelper* CreateViewHelper() = 0;
    virtual void DestroyViewHelper() { FHelper.reset(); }

private:
    std::unique_ptr<TovCustomHintViewInfoHelper> FHelper;
};

class TovHintViewInfoHelper : public TovCustomHintViewInfoHelper {
public:
    // The text is the hint followed by the suffix (a shortcut text).
    TovHintViewInfoHelper(const std::string& AText, const TPoint& APosition, const std::string& ASuffix);

    const std::string& Text() const { return FText; }
    const TPoint& Position() const { return FPosition; }

    void ComputeLayout(TuiCanvas* ACanvas) override;
    void Paint(TuiCanvas* ACanvas) override;
    virtual void AdjustMinSize(TSize& ASize);
    virtual TRect TextBounds();
    virtual void DrawText(TuiCanvas* ACanvas);
    // The status font of the system's non-client metrics (8 points when they cannot be read).
    virtual void PrepareCanvasFont(TuiCanvas* ACanvas);
    // The colour of the screen's hint font.
    virtual void PrepareCanvasFontColor(TuiCanvas* ACanvas);

private:
    std::string FText;
    TPoint FPosition;
};
