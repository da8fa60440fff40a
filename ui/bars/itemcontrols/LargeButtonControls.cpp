#include "ui/bars/itemcontrols/LargeButtonControls.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/graphics/ImageDrawing.h"

// ---- Large button

TovBarLargeButton* TovBarLargeButtonControl::LargeItem() const {
    return dynamic_cast<TovBarLargeButton*>(Item());
}

int TovBarLargeButtonControl::GetArrowWidth() const {
    TovBarPainter* painter = GetPainter();
    if (InToolbar() && painter != nullptr) return painter->GetLargeButtonArrowWidth(GetBarManager());
    return TovBarButtonControl::GetArrowWidth();
}

void TovBarLargeButtonControl::LargeGlyphChanged() {
    if (GetViewSize() != ivsLarge) return;
    TovBarLargeButton* item = LargeItem();
    const bool fixedSize = item != nullptr && item->Width() != 0 && item->Height() != 0;
    if (fixedSize || GetPaintType() == iptMenu)
        Repaint();
    else if (ParentBar() != nullptr)
        ParentBar()->Rebuild();
}

TovBarItemViewLevels TovBarLargeButtonControl::GetPossibleViewLevels() const {
    return TovBarButtonControl::GetPossibleViewLevels() + ivlLargeIconWithText;
}

TovBarItemViewStructure TovBarLargeButtonControl::GetDefaultViewStructure() const {
    if (GetPaintType() == iptMenu) return TovBarButtonControl::GetDefaultViewStructure();
    TovBarLargeButton* item = LargeItem();
    if (item != nullptr && item->ShowCaption()) return TovBarItemViewStructure{ivpGlyph, ivpCaption};
    return TovBarItemViewStructure{ivpGlyph};
}

TovBarItemViewSize TovBarLargeButtonControl::GetDefaultViewSize() const {
    return GetPaintType() == iptMenu ? TovBarButtonControl::GetDefaultViewSize() : ivsLarge;
}

bool TovBarLargeButtonControl::UseGrayScaleGlyph() const {
    TovBarLargeButton* item = LargeItem();
    return !IsSelected() && GetEnabled() && item != nullptr && item->AutoGrayScale();
}

bool TovBarLargeButtonControl::GetImageInfo(TovBarItemViewSize AViewSize, bool AHot, int& AImageIndex,
                                            TCustomImageList*& AImages, TBitmap*& AGlyph) const {
    if (AViewSize != ivsLarge)
        return TovBarButtonControl::GetImageInfo(AViewSize, AHot, AImageIndex, AImages, AGlyph);
    TovBarLargeButton* item = LargeItem();
    TCustomImageList* largeList = LargeImageList();
    TCustomImageList* hotList = GetHotImages();
    AGlyph = nullptr;
    AImages = nullptr;
    AImageIndex = -1;
    auto hot = [&]() {
        if (item == nullptr) return false;
        if (uiIsGlyphAssigned(item->HotGlyph())) {
            AGlyph = item->HotGlyph();
            return true;
        }
        if (uiIsImageAssigned(hotList, item->HotImageIndex())) {
            AImages = hotList;
            AImageIndex = item->HotImageIndex();
            return true;
        }
        return false;
    };
    auto large = [&]() {
        if (uiIsGlyphAssigned(GetLargeGlyph())) {
            AGlyph = GetLargeGlyph();
            return true;
        }
        if (uiIsImageAssigned(largeList, GetLargeImageIndex())) {
            AImages = largeList;
            AImageIndex = GetLargeImageIndex();
            return true;
        }
        return false;
    };
    if (AHot ? hot() || large() : large() || hot()) return true;
    AImages = largeList != nullptr ? largeList : hotList;
    return false;
}

int TovBarLargeButtonControl::GetDefaultHeight() const {
    TovBarLargeButton* item = LargeItem();
    if (item != nullptr && item->Height() != 0 && GetPaintType() != iptMenu) return item->Height();
    return TovBarButtonControl::GetDefaultHeight();
}

int TovBarLargeButtonControl::GetDefaultWidth() const {
    TovBarLargeButton* item = LargeItem();
    if (item != nullptr && item->Width() != 0 && GetPaintType() != iptMenu) return item->Width();
    return TovBarButtonControl::GetDefaultWidth();
}

bool TovBarLargeButtonControl::IsVertical() const {
    TovBarLargeButton* item = LargeItem();
    return item != nullptr && item->ShowCaption() && TovBarButtonControl::IsVertical();
}

// ---- Application-menu button

void TovBarApplicationMenuButtonControl::RepaintParent() {
    if (ParentBar() != nullptr) ParentBar()->Repaint();
}

void TovBarApplicationMenuButtonControl::GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat,
                                                              TColor& AColor, TColor& AShadowColor) const {
    TovBarPainter* painter = GetPainter();
    AColor =
        painter != nullptr ? painter->ApplicationMenuGetButtonTextColor(AEnabled, ASelected) : clWindowText;
    AShadowColor = AColor;
}

TovBarItemViewStructure TovBarApplicationMenuButtonControl::GetDefaultViewStructure() const {
    if (HasGlyph(GetViewSize())) return TovBarItemViewStructure{ivpGlyph, ivpCaption};
    return TovBarItemViewStructure{ivpCaption};
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarApplicationMenuButtonControl::CreateDrawParams() {
    return std::make_unique<TovBarApplicationMenuButtonControlDrawParams>(this);
}

int TovBarApplicationMenuButtonControl::GetDefaultWidth() const {
    TovBarItem* item = Item();
    if (item != nullptr && item->Width() != 0) return item->Width();
    return TovBarButtonLikeControl::GetDefaultWidth();
}

void TovBarApplicationMenuButtonControl::CalcDrawParams(bool AFull) {
    TovBarButtonLikeControl::CalcDrawParams(AFull);
    if (AFull)
        static_cast<TovBarApplicationMenuButtonControlDrawParams&>(*DrawParams()).NaturalWidth =
            TovBarButtonLikeControl::GetDefaultWidth();
}

void TovBarApplicationMenuButtonControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->ApplicationMenuDrawButton(DrawParams(), R);
}
