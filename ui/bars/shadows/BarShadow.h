// The drop shadow of a menu or floating bar: two shadow windows, one for the bar and one for the element
// it drops down from, shaped by ovBuildBarShadowShapes so they meet as one outline. Where the screen
// cannot shape windows a part shows each rectangle of its shape as a window of its own, so no shadow
// window ever covers the bar.
#pragma once

#include "ui/painters/effects/ShadowWindow.h"

#include <array>
#include <memory>
#include <vector>

class TCustomovBarControl;
class TovBarShadow;
class TuiRegion;

class TovBarShadowPart : public TovCustomShadowWindow {
public:
    // AShape is in the part's coordinates; ABounds on the screen.
    TovBarShadowPart(TovBarShadow* AShadow, TWinControl* AOwnerWindow, const TRect& ABounds,
                     std::unique_ptr<TuiRegion> AShape);
    ~TovBarShadowPart() override;

    TovBarShadow* Shadow() const { return FShadow; }
    const TRect& PartBounds() const { return FBounds; }
    // Moves the part (its shape stays).
    void MoveTo(const TRect& ABounds);
    TuiRegion* Shape() const { return FShape.get(); }
    // The windows that stand in for a shape the screen cannot show (empty while the shape is applied).
    int StripCount() const { return static_cast<int>(FStrips.size()); }
    TovCustomShadowWindow* Strip(int AIndex) const { return FStrips[AIndex].get(); }

    void ShowShadow() override;
    void HideShadow() override;
    // Shown as a shaped window or as its strips.
    bool IsPartShown();

protected:
    // Owned by the bar's window (and top-most with it) when the bar is no class-library control.
    void CreateParams(TCreateParams& Params) override;

private:
    // True when the window took the shape.
    bool ApplyShape();
    // Keeps the shadow windows right under the bar's window.
    void PlaceUnderBar(HWND AWnd);
    void ShowStrips();

    TovBarShadow* FShadow;
    TRect FBounds;
    std::unique_ptr<TuiRegion> FShape;
    std::vector<std::unique_ptr<TovCustomShadowWindow>> FStrips;
};

class TovBarShadow {
public:
    // AOwnerWindow owns the shadow windows; ABarControl, when given, is the bar control it shows (the
    // shadow joins the element of a toolbar the bar drops down from, and follows a pressed mark's outline).
    explicit TovBarShadow(TWinControl* AOwnerWindow, TCustomovBarControl* ABarControl = nullptr);
    ~TovBarShadow();
    TovBarShadow(const TovBarShadow&) = delete;
    TovBarShadow& operator=(const TovBarShadow&) = delete;

    bool Visible() const { return FVisible; }
    void SetVisible(bool AValue);
    // Both rectangles on the screen; ALinkRect is empty when the bar hangs from nothing.
    void SetBounds(const TRect& ALinkRect, const TRect& ABarRect);
    // Builds both parts again from the stored rectangles.
    void Refresh();

    const TRect& BarRect() const { return FBarRect; }
    const TRect& LinkRect() const { return FLinkRect; }
    bool IsHorizontalJoint() const { return FHorizontalJoint; }
    // 4 with a soft layered shadow, 2 with a solid one.
    static int ShadowSize();
    TovBarShadowPart* Part(int AIndex) const { return FParts[AIndex].get(); }
    TWinControl* OwnerWindow() const { return FOwnerWindow; }
    // The bar's window (null before it exists).
    HWND OwnerHandle() const;

private:
    std::unique_ptr<TuiRegion> OwnerShape() const;
    // The outline a pressed toolbar mark is painted with (null when the link is not that mark).
    std::unique_ptr<TuiRegion> LinkShape() const;
    bool JoinsLink() const;
    void FreeParts();

    TWinControl* FOwnerWindow;
    TCustomovBarControl* FBarControl;
    TRect FBarRect{0, 0, 0, 0};
    TRect FLinkRect{0, 0, 0, 0};
    bool FHorizontalJoint = true;
    bool FVisible = false;
    std::array<std::unique_ptr<TovBarShadowPart>, 2> FParts;
};
