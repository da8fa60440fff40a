// TuiPopupWindow: the borderless stay-on-top window drop-downs show next to an anchor rectangle. It sizes
// itself around its children, opens below, above, left or right of the anchor on the work area (on the
// side with more room), draws a simple frame, and hides when it loses activation.
#pragma once

#include "platform/vcl/ControlCanvas.h"
#include "platform/vcl/Form.h"
#include "ui/core/controls/LookAndFeel.h"

#include <map>
#include <memory>

class TuiCanvas;

class TuiPopupWindow : public TForm, public IovSkinSupport2 {
public:
    TuiPopupWindow();
    ~TuiPopupWindow() override;

    virtual void CalculatePosition(TPoint& P);
    virtual void CalculateSize();
    // Sides: 0 left, 1 top, 2 right, 3 bottom.
    virtual int GetBorderOffset(int ASide);
    virtual void GetClientBounds(TRect& R);
    virtual int GetBorderWidth(int ASide);
    virtual void GetOwnerScreenBounds(TRect& R);
    virtual void InitPopup();
    virtual void DrawFrame();
    virtual void ClosePopup();
    virtual void Popup();
    bool IsSkinSupported() override { return false; }

    bool SizeToContent = true;
    // 0, 1 (centred) or 2; with PopupDirection 1 horizontal 0/2 align the left/right edges and vertical
    // 0/2 open above/below; with direction 0 horizontal 0/2 open left/right.
    int HorzAlignment = 0;
    int VertAlignment = 2;
    int PopupDirection = 1;
    // 0 none, 1 a line in BorderColor, 2 a one-pixel raised edge, 3 a two-pixel raised edge.
    int FrameStyle = 0;
    TColor BorderColor = clWindowText;
    int FrameSpacing = 0;
    TRect AnchorBounds{};
    TControl* AnchorControl = nullptr;
    TuiCanvas* ControlCanvas() const { return FControlCanvas.get(); }

protected:
    virtual void VisibleChanged() {}
    virtual void Paint();
    void PaintWindow(HDC DC) override;
    void Deactivate() override;
    void WndProc(TMessage& Message) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
    std::unique_ptr<TuiCanvas> FControlCanvas;
    HWND FPreviousActiveWindow = nullptr;
    struct TChildPlacement {
        TRect original; // where the caller put the child
        TRect placed;   // where the last placement put it
    };
    std::map<TControl*, TChildPlacement> FChildPlacements;
};

// Drop-downs with a size grip: the frame height, the corner where the grip sits and its hit-test code.
// Corners: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
int ovDropDownFrameHeight();
int ovGetCornerForRects(const TRect& AOwnerRect, const TRect& ADropDownRect);
LRESULT ovGetHitTestByCorner(int ACorner);
