// TSpeedButton: a tool button without a window. Flat buttons show their frame only under the mouse or
// when down. With a GroupIndex the button stays down when clicked and the other buttons of its group on
// the same parent come up (AllowAllUp lets the down one be clicked up). The glyph is a strip of NumGlyphs
// images (up, disabled, down, held down); its bottom-left pixel's colour is transparent; without its own
// disabled image the glyph is embossed. Layout, Margin and Spacing place glyph and caption.
#pragma once

#include "platform/vcl/ButtonGlyph.h"
#include "platform/vcl/GraphicControl.h"

#include <memory>

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TBitmap* Glyph() const { return FButtonGlyph.Glyph(); }
    void SetGlyph(TBitmap* Value) { FButtonGlyph.SetGlyph(Value); }
    int NumGlyphs() const { return FButtonGlyph.NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButtonGlyph.SetNumGlyphs(Value); }
    TButtonLayout Layout() const { return FButtonGlyph.Layout(); }
    void SetLayout(TButtonLayout Value) { FButtonGlyph.SetLayout(Value); }
    int Margin() const { return FButtonGlyph.Margin(); }
    void SetMargin(int Value) { FButtonGlyph.SetMargin(Value); }
    int Spacing() const { return FButtonGlyph.Spacing(); }
    void SetSpacing(int Value) { FButtonGlyph.SetSpacing(Value); }
    // The state the button shows now.
    TButtonState State() const { return FState; }
    // Where the glyph and the caption go, in client coordinates.
    void CalcLayout(RECT& GlyphRect, RECT& TextRect);
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void UpdateExclusive();
    void DrawGlyph(HDC DC, const RECT& Rect);

    TButtonGlyph FButtonGlyph{[this] { Invalidate(); }};
    bool FFlat = false;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FDragging = false;
    bool FMouseInControl = false;
    int FGroupIndex = 0;
    TButtonState FState = bsUp;
};
