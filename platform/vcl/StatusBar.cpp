#include "platform/vcl/StatusBar.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace statusbar_detail {

constexpr int PanelGap = 2;
constexpr int GripSize = 12;

} // namespace statusbar_detail

void TStatusPanel::Changed() {
    FOwner->PanelsChanged();
}

void TStatusPanel::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed();
}

void TStatusPanel::SetWidth(int Value) {
    FWidth = std::max(0, Value);
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
    FBevel = Value;
    Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
    FStyle = Value;
    Changed();
}

int TStatusPanel::Index() const {
    return FOwner->Panels()->IndexOf(this);
}

TStatusPanel* TStatusPanels::Add() {
    FItems.push_back(std::make_unique<TStatusPanel>(FOwner));
    FOwner->PanelsChanged();
    return FItems.back().get();
}

void TStatusPanels::Delete(int Index) {
    FItems.erase(FItems.begin() + Index);
    FOwner->PanelsChanged();
}

void TStatusPanels::Clear() {
    FItems.clear();
    FOwner->PanelsChanged();
}

int TStatusPanels::IndexOf(const TStatusPanel* Panel) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Panel) return static_cast<int>(i);
    return -1;
}

TStatusBar::TStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)) {
    ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FHeight = StdCtrlsLineHeight(Font()) + 6;
    FWidth = 200;
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool Value) {
    FSimplePanel = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
    FSimpleText = Value;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
    FSizeGrip = Value;
    Invalidate();
}

RECT TStatusBar::PanelRect(int Index) {
    const RECT client = ClientRect();
    int left = 0;
    for (int i = 0; i < Index; ++i)
        left += FPanels->Items(i)->Width() + statusbar_detail::PanelGap;
    const bool last = Index == FPanels->Count() - 1;
    // The last panel reaches the right edge.
    const int right = last ? std::max<int>(left, client.right - (FSizeGrip ? statusbar_detail::GripSize : 0))
                           : left + FPanels->Items(Index)->Width();
    return RECT{left, 2, right, client.bottom};
}

void TStatusBar::Paint() {
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    auto drawText = [&](const std::string& text, RECT r, TAlignment alignment) {
        ::InflateRect(&r, -2, -1);
        const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                           (alignment == taRightJustify ? DT_RIGHT
                            : alignment == taCenter     ? DT_CENTER
                                                        : DT_LEFT);
        StdCtrlsDrawCaption(dc, Font(), text, r, flags, true, ColorToRGB(Font()->Color()));
    };
    if (FSimplePanel || FPanels->Count() == 0) {
        RECT r{0, 2, client.right - (FSizeGrip ? statusbar_detail::GripSize : 0), client.bottom};
        RECT frame = r;
        Frame3D(dc, frame, clBtnShadow, clBtnHighlight, 1);
        drawText(FSimplePanel ? FSimpleText : Caption(), r, taLeftJustify);
    } else {
        for (int i = 0; i < FPanels->Count(); ++i) {
            TStatusPanel* panel = FPanels->Items(i);
            RECT r = PanelRect(i);
            RECT frame = r;
            if (panel->Bevel() == pbLowered)
                Frame3D(dc, frame, clBtnShadow, clBtnHighlight, 1);
            else if (panel->Bevel() == pbRaised)
                Frame3D(dc, frame, clBtnHighlight, clBtnShadow, 1);
            if (panel->Style() == psOwnerDraw) {
                Canvas()->Font()->Assign(Font());
                Canvas()->Brush()->SetColor(Color());
                OnDrawPanel(this, panel, frame);
            } else {
                drawText(panel->Text(), r, panel->Alignment());
            }
        }
    }
    if (FSizeGrip) {
        RECT grip{client.right - statusbar_detail::GripSize - 2,
                  client.bottom - statusbar_detail::GripSize - 2, client.right, client.bottom};
        ::DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}
