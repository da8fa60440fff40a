// TuiContainerViewInfo: what a painter needs to draw a framed window — the rectangles and the resolved
// colours and border of its container style — and the drawing of the frame, the drop shadow and the
// background. It computes nothing itself: the window that owns it fills the rectangles.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"

#include <cstdint>

class TuiContainerStyle;
class TuiCustomLookAndFeelPainter;
class TuiRegion;

// The state of a framed window; the hosting windows decide which members they use.
enum TuiContainerStateItem : std::uint8_t { csNormal, csActive, csDisabled, csHotTrack };
using TuiContainerState = Set<TuiContainerStateItem, 8>;

// The shadow band a framed window draws right of and below its frame.
constexpr int uiContainerShadowWidth = 3;

class TuiContainerViewInfo : public TObject {
public:
    explicit TuiContainerViewInfo(TObject* AOwner = nullptr);

    TColor BackgroundColor = clBtnFace;
    TColor BorderColor = clWindowFrame;
    TRect BorderRect{}; // the area inside the frame
    TuiContainerBorderStyle BorderStyle = cbsNone;
    int BorderWidth = 0;
    TRect Bounds{};
    TRect ClientRect{};
    TuiContainerState ContainerState;
    TuiBorders Edges = uiBordersAll;
    int NativeState = 1;
    bool NativeStyle = false;
    TObject* Owner;
    TuiCustomLookAndFeelPainter* Painter = nullptr;
    bool Shadow = false;
    TovThemedObjectType ThemedObjectType = totComboBox;
    bool UsesSkinPainter = false;

    virtual void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual TuiContainerBorderStyle GetContainerBorderStyle() { return BorderStyle; }
    virtual void PaintCore(TuiCanvas* ACanvas);
    virtual void ApplyBackgroundColor(TColor AColor) { BackgroundColor = AColor; }
    // Copies the client rectangle only.
    virtual void Assign(TuiContainerViewInfo* ASource);
    // A new empty region the caller owns.
    virtual TuiRegion* UpdateRegionOf();
    virtual void Offset(int DX, int DY);
    virtual void Paint(TuiCanvas* ACanvas) { PaintCore(ACanvas); }
    // Takes the painter of the style's look-and-feel.
    virtual void UpdateStyle(TuiContainerStyle* AStyle);

protected:
    // The shadow bands around R (excluded from the clip once drawn).
    void DrawShadow(TuiCanvas* ACanvas, const TRect& R);
    void PaintNative(TuiCanvas* ACanvas);
};

// Fills AOuter minus AInner with the colour as four strips (left, top, right, bottom). An empty outer
// rectangle, or one equal to the inner one, draws nothing; an empty inner rectangle fills all of AOuter.
void uiFillRing(TuiCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor);
