// TFrProgressBar: the program's progress bar and level meter, a control without a window painted
// through an off-screen bitmap. Its body is a solid bar, a gradient bar (each with the percentage, or
// the completed and total parts, in one colour over the filled part and another over the rest) or a
// row of LED segments; around it the two borders of the framed controls. A frame controller can restyle
// it. The bar turns vertical when it is higher than wide; a vertical bar fills from the bottom.
#pragma once

#include "platform/vcl/GraphicControl.h"
#include "skin/framed/FrameController.h"
#include "skin/framed/FrameTypes.h"

#include <cstdint>
#include <string>

enum TBarStyle { bsTraditional, bsLED, bsGradient };
enum TOrientation { orHorizontal, orVertical };
using TProgressChangeEvent = TEvent<TObject*, int>;

class TFrCustomProgressBar : public TGraphicControl, public IFrameSettingsReceiver {
public:
    explicit TFrCustomProgressBar(TComponent* AOwner);
    ~TFrCustomProgressBar() override;

    // Applies the controller's frame style, frame colour and colours (those the notifications accept)
    // while its frame is visible.
    virtual void ApplyFrameSettings();
    void FrameSettingChanged(TFrFrameControllerProperty Property) override { ApplyFrameSettings(); }

    TColor BackColor() const { return FBackColor; }
    virtual void SetBackColor(TColor Value);
    TColor BackColorStop() const { return FBackColorStop; }
    void SetBackColorStop(TColor Value);
    TColor BarColor() const { return FBarColor; }
    // The font takes the colour too.
    virtual void SetBarColor(TColor Value);
    TColor BarColorStop() const { return FBarColorStop; }
    void SetBarColorStop(TColor Value);
    TBarStyle BarStyle() const { return FBarStyle; }
    // The LED bar shows no text and keeps a one-pixel gap inside its border; the others show it.
    virtual void SetBarStyle(TBarStyle Value);
    int BevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int Value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor Value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx Value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx Value);
    int BorderWidth() const { return FBorderWidth; }
    virtual void SetBorderWidth(int Value);
    TColor FlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int Value);
    TFrFrameController* FrameController() const { return FFrameController; }
    virtual void SetFrameController(TFrFrameController* Value);
    TFrFrameControllerNotifications FrameControllerNotifications() const { return FNotifications; }
    void SetFrameControllerNotifications(TFrFrameControllerNotifications Value) { FNotifications = Value; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value);
    int InteriorOffset() const { return FInteriorOffset; }
    virtual void SetInteriorOffset(int Value);
    int NumSegments() const { return FNumSegments; }
    // 1..100.
    virtual void SetNumSegments(int Value);
    TOrientation Orientation() const { return FOrientation; }
    virtual void SetOrientation(TOrientation Value);
    std::uint32_t PartsComplete() const { return FPartsComplete; }
    // Limited to TotalParts; sets Percent from the share (unless TotalParts is 0).
    virtual void SetPartsComplete(std::uint32_t Value);
    std::int16_t Percent() const { return FPercent; }
    // A changed value fires OnChange and repaints. 100 and more fill the bar; a negative value fills
    // nothing and reads 0%.
    virtual void SetPercent(std::int16_t Value);
    bool ShowPercent() const { return FShowPercent; }
    virtual void SetShowPercent(bool Value);
    bool ShowParts() const { return FShowParts; }
    virtual void SetShowParts(bool Value);
    std::uint32_t TotalParts() const { return FTotalParts; }
    // Starts over: PartsComplete and Percent become 0.
    virtual void SetTotalParts(std::uint32_t Value);
    bool ThemeAware() const { return FThemeAware; }
    virtual void SetThemeAware(bool Value);

    TProgressChangeEvent OnChange;

    // The text of the traditional and gradient bodies.
    std::string BarText() const;
    // Where the body goes: the client rectangle less the borders and the interior gap.
    TRect BodyRect();
    // The filled part of the body rectangle R (the rest is empty).
    TRect FilledRect(const TRect& R) const;
    // The LED layout along Extent pixels: segment count, segment size and the margin at each end.
    static void LedLayout(int Extent, int NumSegments, int& Count, int& Size, int& Margin);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;

private:
    bool Themed() const;
    // Draws the borders into the canvas and returns the body rectangle.
    TRect PaintBorders(TCanvas* Canvas);
    void PaintSolidBar(TCanvas* Canvas, const TRect& R);
    void PaintGradientBar(TCanvas* Canvas, const TRect& R);
    void PaintLedBar(TCanvas* Canvas, TRect R);
    // The text centred on the body, clipped to Clip, in Colour; Opaque fills Clip in the brush colour.
    void DrawBarText(TCanvas* Canvas, const TRect& R, const TRect& Clip);
    // A setting changed: repaint (or only invalidate).
    void SettingChanged(bool Invalidating = false);

    TColor FBackColor = clWhite;
    TColor FBackColorStop = clBtnFace;
    TColor FBarColor = clHighlight;
    TColor FBarColorStop = clHotLight;
    TBarStyle FBarStyle = bsTraditional;
    int FBevelWidth = 1;
    TColor FBorderColor = clBtnFace;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsLowered;
    int FBorderWidth = 0;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    TFrFrameController* FFrameController = nullptr;
    TFrFrameControllerNotifications FNotifications = AllFrameNotifications();
    TGradientDirection FGradientDirection = gdHorizontalCenter;
    int FInteriorOffset = 0;
    int FNumSegments = 20;
    TOrientation FOrientation = orHorizontal;
    std::uint32_t FPartsComplete = 0;
    std::int16_t FPercent = 0;
    bool FShowParts = false;
    bool FShowPercent = true;
    bool FThemeAware = true;
    std::uint32_t FTotalParts = 0;
};

class TFrProgressBar : public TFrCustomProgressBar {
public:
    using TFrCustomProgressBar::TFrCustomProgressBar;
};
