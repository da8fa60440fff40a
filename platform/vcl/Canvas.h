// TCanvas: a drawing surface over a device context, with its font, pen and brush selected on demand.
// The DC is obtained through the virtual CreateHandle the first time drawing needs it; a canvas whose
// CreateHandle gives nothing refuses to draw (EInvalidOperation "Canvas does not allow drawing").
// Descendants (a bitmap's canvas, a control's canvas) override CreateHandle and release their DC
// through SetHandle(nullptr).
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/vcl/Graphics.h"

#include <memory>
#include <string>
#include <vector>

class TFont;
class TPen;
class TBrush;
class TGraphic;
class TBitmap;

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = Set<TCanvasStates, 8>;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // ---- The device context
    HDC Handle();
    // Attaches a DC that someone else owns (null detaches; the objects are deselected first).
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Nesting counter for users that must keep the DC from being released meanwhile.
    void Lock() { ++FLockCount; }
    void Unlock() {
        if (FLockCount > 0) --FLockCount;
    }
    bool TryLock() {
        Lock();
        return true;
    }
    int LockCount() const { return FLockCount; }
    // Deselects the objects so that the next drawing selects them afresh.
    void Refresh();

    // ---- Drawing objects (owned; setting assigns)
    TFont* Font() const { return FFont.get(); }
    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetFont(TFont* Value);
    void SetPen(TPen* Value);
    void SetBrush(TBrush* Value);
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    // Extra ExtTextOut options of TextOut and TextRect.
    int TextFlags() const { return FTextFlags; }
    void SetTextFlags(int Value) { FTextFlags = Value; }
    POINT PenPos();
    void SetPenPos(POINT Value) { MoveTo(Value.x, Value.y); }

    // ---- Lines and shapes
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const POINT* Points, int Count);
    void Polyline(const std::vector<POINT>& Points) {
        Polyline(Points.data(), static_cast<int>(Points.size()));
    }
    void Polygon(const POINT* Points, int Count);
    void Polygon(const std::vector<POINT>& Points) {
        Polygon(Points.data(), static_cast<int>(Points.size()));
    }
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const RECT& Rect) { Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const RECT& Rect) { Ellipse(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void FillRect(const RECT& Rect);
    void FrameRect(const RECT& Rect);
    void DrawFocusRect(const RECT& Rect);

    // ---- Text (in the font's colour; the brush paints the background unless it is clear)
    void TextOut(int X, int Y, const std::string& Text);
    void TextRect(const RECT& Rect, int X, int Y, const std::string& Text);
    SIZE TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

    // ---- Pictures and pixels
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const RECT& Rect, TGraphic* Graphic);
    // Copies (stretching as needed) Source of another canvas into Dest with CopyMode.
    void CopyRect(const RECT& Dest, TCanvas* Canvas, const RECT& Source);
    // Copies Source of a bitmap into Dest, painting the pixels of colour Color with this canvas's brush.
    void BrushCopy(const RECT& Dest, TBitmap* Bitmap, const RECT& Source, TColor Color);
    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Value);
    // The clip box in logical coordinates.
    RECT ClipRect();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // Makes the DC and the named objects valid; raises EInvalidOperation when no DC can be had.
    void RequiredState(TCanvasState ReqState);

protected:
    // Obtains a DC and attaches it with SetHandle; the plain canvas has none to give.
    virtual void CreateHandle() {}
    // Called before every use of the DC, made or not (a bitmap brings its pixels up to date here).
    virtual void HandleNeeded() {}
    virtual void Changing();
    virtual void Changed();
    TCanvasState State() const { return FState; }

private:
    void DeselectHandles();
    void SelectFont();
    void SelectPen();
    void SelectBrush();
    void RestoreColors();
    void ObjectChanged(TObject* Sender);

    HDC FHandle = nullptr;
    TCanvasState FState;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    int FTextFlags = 0;
    int FLockCount = 0;
};
