// The large button control (glyph above or beside the caption in toolbars, a hot glyph, a gray glyph
// while not hot, fixed sizes from the item) and the application-menu button control (the command buttons
// of the application menu, always laid out as in a horizontal toolbar).
#pragma once

#include "ui/bars/itemcontrols/ButtonControls.h"

class TovBarLargeButton;

class TovBarLargeButtonControl : public TovBarButtonControl {
public:
    using TovBarButtonControl::TovBarButtonControl;

    TovBarLargeButton* LargeItem() const;
    int GetArrowWidth() const override;
    void HotGlyphChanged() override { LargeGlyphChanged(); }
    void LargeGlyphChanged() override;
    TovBarItemViewLevels GetPossibleViewLevels() const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    TovBarItemViewSize GetDefaultViewSize() const override;
    bool UseGrayScaleGlyph() const override;
    // At the large view size: the hot and the large candidate, the hot one first when AHot.
    bool GetImageInfo(TovBarItemViewSize AViewSize, bool AHot, int& AImageIndex, TCustomImageList*& AImages,
                      TBitmap*& AGlyph) const override;
    int GetDefaultHeight() const override;
    int GetDefaultWidth() const override;
    // A glyph-only large button keeps its horizontal layout in vertical bars.
    bool IsVertical() const override;
    void AdjustPaintStyle(TovBarPaintStyle& AStyle) const override { AStyle = psCaption; }
};

class TovBarApplicationMenuButtonControl : public TovBarButtonLikeControl {
public:
    using TovBarButtonLikeControl::TovBarButtonLikeControl;

    // The application menu is repainted as a whole; its layout does not change.
    void CaptionChanged() override { RepaintParent(); }
    void GlyphChanged() override { RepaintParent(); }
    void MostRecentlyUsedChanged() override { RepaintParent(); }
    void WidthChanged() override { RepaintParent(); }
    void GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                              TColor& AShadowColor) const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    TovBarItemPaintType GetPaintType() const override { return iptHorizontal; }
    int GetDefaultWidth() const override;
    void CalcDrawParams(bool AFull = true) override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    // The command buttons open nothing.
    void DoDropDown(bool AByMouse) override {}

private:
    void RepaintParent();
};
