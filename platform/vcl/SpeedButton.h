// TSpeedButton: a tool button without a window. Flat buttons show their frame only under the mouse or
// when down. With a GroupIndex the button stays down when clicked and the other buttons of its group on
// the same parent come up (AllowAllUp lets the down one be clicked up). The glyph is a strip of NumGlyphs
// images (up, disabled, down, held down); its bottom-left pixel's colour is transparent; without its own
// disabled image the glyph is embossed. Layout, Margin and Spacing place glyph and caption.
#pragma once

#include "platform/vcl/ButtonGlyphLayout.h"
#include "platform/vcl/GraphicControl.h"

#include <memory>

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
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

    std::unique_ptr<TBitmap> FGlyph;
    bool FFlat = false;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FDragging = false;
    bool FMouseInControl = false;
    int FGroupIndex = 0;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonLayout FLayout = blGlyphLeft;
    TButtonState FState = bsUp;
};
