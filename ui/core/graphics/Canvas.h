// TuiCanvas: the canvas every painter, control and skin element of the library draws through. It wraps
// a class-library canvas (not owned) and adds nested saves of the whole drawing state, a stack of clip
// regions, clip arithmetic, frames on chosen sides, tiled bitmap fills, embossed disabled text, text
// measuring with the library's text flags, and bitmap rotation.
//
// Clip regions handed in and out are in logical coordinates when "consider origin" is set (the
// default), device coordinates otherwise. A DC without a clip region reads as the rectangle
// (0, 0, 30000, 30000); saving and restoring the clip keeps "no clip region" as it is.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"
#include "ui/core/graphics/Region.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TBrush;
class TCanvas;
class TFont;
class TGraphic;
class TPen;

enum TuiBorder { bLeft, bTop, bRight, bBottom };
using TuiBorders = Set<TuiBorder, 8>;
inline const TuiBorders uiBordersAll{bLeft, bTop, bRight, bBottom};

// Quarter turns and half turn of bitmaps and text.
enum TuiRotationAngle { raNone, raPlus90, raMinus90, ra180 };

// How CentreTextBlockVertically places a text block: not at all, at the bottom, or centred.
enum TuiTextBlockPlacement { tbpNone, tbpBottom, tbpCentre };

// The look of a drawn area: a background bitmap tiled over it (or none) and colours.
struct TuiViewParams {
    TBitmap* Bitmap = nullptr;
    TColor Color = clDefault;
    TFont* Font = nullptr;
    TColor TextColor = clDefault;
};

class TuiCanvas : public TObject {
public:
    explicit TuiCanvas(TCanvas* ACanvas);
    ~TuiCanvas() override;
    TuiCanvas(const TuiCanvas&) = delete;
    TuiCanvas& operator=(const TuiCanvas&) = delete;

    // ---- The wrapped canvas
    TCanvas* Canvas() const { return FTarget; }
    HDC Handle();
    TBrush* Brush() const;
    void SetBrush(TBrush* AValue);
    TFont* Font() const;
    void SetFont(TFont* AValue);
    TPen* Pen() const;
    TCopyMode CopyMode() const;
    void SetCopyMode(TCopyMode AValue);
    void SetPixels(int X, int Y, TColor AColor);
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polygon(const std::vector<TPoint>& APoints);
    void Polyline(const std::vector<TPoint>& APoints);
    void Rectangle(const TRect& R);
    void CopyRect(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource);
    void Draw(int X, int Y, TGraphic* AGraphic);
    void ExcludeClipRect(const TRect& R);
    void IntersectClipRect(const TRect& R);
    bool RectVisible(const TRect& R);
    TPoint GetViewportOrigin();
    void SetViewportOrigin(const TPoint& P);
    int TextWidth(const std::string& AText);
    int TextHeight(const std::string& AText);

    // ---- Origins
    // Device coordinates of the logical point (0, 0): viewport origin minus GetWindowOrg.
    virtual TPoint GetDCOrigin();
    virtual TPoint GetWindowOrg();
    virtual void SetWindowOrg(const TPoint& P);

    // ---- Fills and frames
    // Sets the brush colour when it differs or when the brush is clear (so that it becomes solid).
    void SetBrushColor(TColor AColor);
    // clNone: nothing; clDefault: the current brush; any other colour: that colour.
    void FillRect(const TRect& R, TColor AColor = clDefault);
    // Tiles ABitmap (anchored at the logical point (0, 0)) over R, or fills R with the current brush
    // without a usable bitmap; AExcludeRect then takes R out of the clip region.
    void FillRect(const TRect& R, TBitmap* ABitmap, bool AExcludeRect = false);
    void FillRectWithParams(const TRect& R, const TuiViewParams& AParams, bool AExcludeRect = false);
    void FillRectWithBorders(const TRect& R, const TuiViewParams& AParams, bool AExcludeRect,
                             int ABorderWidth, TColor ABorderColor, TuiBorders ABorders);
    // Strips of ALineWidth on the chosen sides (left, right, top, bottom), never outside R.
    void FrameRect(const TRect& R, TColor AColor = clDefault, int ALineWidth = 1,
                   TuiBorders ABorders = uiBordersAll, bool AExcludeFrame = false);
    // Left and top in ALeftTopColor, right and bottom in ARightBottomColor; the side drawn later owns
    // the corner.
    void DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                          TuiBorders ABorders = uiBordersAll, int ALineWidth = 1);
    void DrawEdge(const TRect& R, bool ASunken, bool AOuter, TuiBorders ABorders = uiBordersAll);
    void DrawFocusRect(const TRect& R);
    // AWidth nested one-pixel focus rectangles, each one pixel inside the previous.
    void DrawFocusRect(const TRect& R, int AWidth);
    void InvertRect(const TRect& R);

    // ---- Text
    // Draws AText in R by the library's text flags; disabled text is embossed (clBtnHighlight one pixel
    // right and down, then clBtnShadow).
    void DrawText(const std::string& AText, TRect R, int AFlags, bool AEnabled = true);
    void DrawAlignedText(const std::string& AText, const TRect& R, TAlignment AHorzAlignment,
                         TVerticalAlignment AVertAlignment, bool AMultiLine, bool AEndEllipsis);
    TSize TextExtent(const std::string& AText);
    // R becomes the rectangle the text needs, aligned inside R's former size by the flags.
    void TextExtentInRect(const std::string& AText, TRect& R, int AFlags);
    // Moves R's top so that the text block sits at R's bottom or centre.
    void CentreTextBlockVertically(TRect& R, const std::string& AText, bool AEndEllipsis, bool ANonBreaking,
                                   bool AEnabled, bool AShowPrefix, bool AWordBreak,
                                   TuiTextBlockPlacement APlacement);
    // Re-creates the font turned by AAngle degrees.
    void SetFontAngle(int AAngle);

    // Turns or mirrors a bitmap in place (quarter turns exchange width and height).
    static void RotateBitmap(TBitmap* ABitmap, TuiRotationAngle AAngle, bool AFlip = false);
    // Makes the canvas's font, brush and pen copies of the objects selected into ADC.
    static void SyncGdiObjects(TCanvas* ACanvas, HDC ADC);

    // ---- Saved states and clipping (saves and restores nest strictly; restoring with nothing saved
    // does nothing)
    void SaveDC();
    void RestoreDC();
    // SaveDC plus copies of the font, brush and pen.
    void SaveState();
    void RestoreState();
    void SaveClipRegion();
    void RestoreClipRegion();
    // A new region (the caller owns it) of the DC's clip.
    TuiRegion* GetClipRegion(bool AConsiderOrigin = true);
    void SetClipRegion(TuiRegion* ARegion, TuiRegionOperation AOperation, bool AConsiderOrigin = true,
                       bool ADestroyRegion = true);

protected:
    void SetTarget(TCanvas* ACanvas) { FTarget = ACanvas; }
    // Whether the DC has a clip region of its own.
    bool HasClipRegion();

    TCanvas* FTarget;

private:
    struct TDCState {
        HDC DC;
        int SavedIndex;
    };
    struct TObjectsState {
        std::unique_ptr<TFont> Font;
        std::unique_ptr<TBrush> Brush;
        std::unique_ptr<TPen> Pen;
    };
    // Draws prepared text on the DC through one of the two text paths.
    void OutputText(const std::string& AText, const TRect& R, bool AUseDrawText, UINT AFormat);

    std::vector<TDCState> FDCStack;
    // Saved clip regions; null stands for "no clip region".
    std::vector<TuiRegion*> FClipStack;
    std::vector<TObjectsState> FStateStack;
};
