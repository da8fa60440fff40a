// The application button at the left of the ribbon: a round button beside the tabs in the 2007 style, a
// tab-like button at the start of the tab row in the others (with its Text when it has one). It opens the
// application menu; it fades between its normal and hot looks.
#pragma once

#include "ui/ribbon/view/RibbonCustomViewInfo.h"

// Application button states: 0 normal, 1 hot, 2 pressed.
constexpr int ovRibbonApplicationButtonNormal = 0;
constexpr int ovRibbonApplicationButtonHot = 1;
constexpr int ovRibbonApplicationButtonPressed = 2;

class TovRibbonApplicationButtonViewInfo : public TovRibbonCustomViewInfo,
                                           public IovFadingObject,
                                           public IovFadingOptionsProvider {
public:
    using TovRibbonCustomViewInfo::TovRibbonCustomViewInfo;
    ~TovRibbonApplicationButtonViewInfo() override;

    // The button's rectangle, or empty while it does not show.
    virtual void CalculateBounds();
    void Draw(TuiCanvas* ACanvas) override;
    // Inside the content rectangle: code 2.
    bool GetHitInfo(TovRibbonHitInfo& AHitInfo) override;
    // Only while it shows; a tab-like button invalidates the groups site too.
    void Invalidate() override;
    virtual TSize GetButtonSize();
    virtual void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState);
    virtual void DrawContent(TuiCanvas* ACanvas, int AState);
    virtual void DrawGlyph(TuiCanvas* ACanvas);
    virtual void DrawText(TuiCanvas* ACanvas, int AState);

    // Shows: the ribbon not hidden (or asked as if not), the button visible, tabs shown, and the ribbon
    // drawing its form's caption or a quick access toolbar above it.
    bool IsVisible(bool AIgnoreHidden = false);
    // Every style but 2007.
    bool IsTabLike();
    bool HasText();
    TRect GetContentBounds();
    TRect GetGlyphBounds();
    int GetState();
    bool IsHot() const { return FIsHot; }
    bool IsPressed() const { return FIsPressed; }
    void SetIsHot(bool AValue);
    void SetIsPressed(bool AValue);

    // ---- Fading
    bool IsFadable() override;
    void DrawFadeStep() override { Invalidate(); }
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override;
    TovFadingOptions* GetFadingOptions() override;

private:
    void DrawParts(TuiCanvas* ACanvas);
    bool FIsHot = false;
    bool FIsPressed = false;
};
