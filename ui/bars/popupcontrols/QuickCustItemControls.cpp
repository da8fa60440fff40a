#include "ui/bars/popupcontrols/QuickCustItemControls.h"

#include "platform/rtl/WeakLink.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/popupcontrols/QuickCustItems.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageDrawing.h"

const TovBarItemControlClass ovBarQuickCustItemControlClass{"TovBarQuickCustItemControl",
                                                            &ovMakeItemControl<TovBarQuickCustItemControl>};
const TovBarItemControlClass ovBarQuickCustExtButtonControlClass{
    "TovBarQuickCustExtButtonControl", &ovMakeItemControl<TovBarQuickCustExtButtonControl>};

// ---- The check column

int TovCustomQuickCustItemControl::CheckColumnWidth() const {
    const TRect bounds = GetBoundsRect();
    const int height = uiHeightOfRect(bounds);
    return height > 0 ? height : GetHeight();
}

int TovCustomQuickCustItemControl::GetWidth() const {
    return TovBarButtonControl::GetWidth() + GetHeight();
}

void TovCustomQuickCustItemControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || FActiveCanvas == nullptr) return;
    HDC dc = FActiveCanvas->Handle();
    TRect column{R.left, R.top, R.left + uiHeightOfRect(R), R.bottom};
    const TRect rest{column.right, R.top, R.right, R.bottom};
    // The column shows the menu's background; the entry proper is the usual button beside it.
    if (TCustomovBarControl* parent = ParentBar())
        parent->FillBackground(dc, column, clNone, parent->GetBackgroundBrush());
    TovBarButtonControl::DoPaint(rest, APaintType);
    const bool checked = IsChecked();
    int right = column.right;
    TRect check = column;
    if (HasCheckBox()) {
        painter->QuickCustItemCalcCheckRect(this, dc, checked, right, check);
        painter->DrawCheckMark(this, dc, checked, iptMenu, check);
    }
    painter->QuickCustItemDrawSelection(this, dc, IsSelected(), check, R);
}

// ---- The list entries

TovBarItemLink* TovBarQuickCustItemControl::StoodForLink() const {
    return TovBarQuickCustItem::StandsFor(ItemLink());
}

bool TovBarQuickCustItemControl::IsChecked() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr && link->Visible();
}

void TovBarQuickCustItemControl::ControlClick(bool AByMouse) {
    TWeakLink<TovBarItemControl> self(this);
    TovBarItemLink* entry = ItemLink();
    TovBarButtonControl::ControlClick(AByMouse);
    if (!self) return;
    TovBarQuickCustItem::ToggleStoodFor(entry);
    if (self) Repaint();
}

std::string TovBarQuickCustItemControl::GetCaption() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr ? link->EffectiveCaption() : TovCustomQuickCustItemControl::GetCaption();
}

std::string TovBarQuickCustItemControl::GetHint() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr && link->Item() != nullptr ? link->Item()->GetHint() : std::string();
}

TShortCut TovBarQuickCustItemControl::GetShortCut() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr && link->Item() != nullptr ? link->Item()->ShortCut() : 0;
}

TBitmap* TovBarQuickCustItemControl::GetGlyph() const {
    TovBarItemLink* link = StoodForLink();
    if (link == nullptr || link->Item() == nullptr) return nullptr;
    if (link->UserDefine().Contains(udGlyph) && uiIsGlyphAssigned(link->UserGlyph()))
        return link->UserGlyph();
    return link->Item()->Glyph();
}

TCustomImageList* TovBarQuickCustItemControl::GetImages(TovBarItemViewSize AViewSize) const {
    return TovCustomQuickCustItemControl::GetImages(AViewSize);
}

int TovBarQuickCustItemControl::GetImageIndex() const {
    TovBarItemLink* link = StoodForLink();
    if (link == nullptr || link->Item() == nullptr) return -1;
    return link->ImageIndex != -1 ? link->ImageIndex : link->Item()->GetImageIndex();
}

TBitmap* TovBarQuickCustItemControl::GetLargeGlyph() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr && link->Item() != nullptr ? link->Item()->LargeGlyph() : nullptr;
}

int TovBarQuickCustItemControl::GetLargeImageIndex() const {
    TovBarItemLink* link = StoodForLink();
    return link != nullptr && link->Item() != nullptr ? link->Item()->LargeImageIndex() : -1;
}
