// Item controls that show text or a glyph but are never clicked: the static base (labels), and the
// separator control — a line in toolbars and menus that in menus may carry a caption (a group header).
#pragma once

#include "ui/bars/BarItemControl.h"

class TovBarCustomStaticControl : public TovBarItemControl {
public:
    using TovBarItemControl::TovBarItemControl;

    // Draws the control's content into R (the painter's static content).
    virtual void PaintContent(const TRect& R);

    bool CanClick() const override { return false; }
    // Selectable only while the manager customizes.
    bool CanSelect() const override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
};

class TovBarSeparatorControl : public TovBarCustomStaticControl {
public:
    using TovBarCustomStaticControl::TovBarCustomStaticControl;

    void CalcDrawParams(bool AFull = true) override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    void GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                              TColor& AShadowColor) const override;
    void GetTextOffsets(int AIndex, TRect& R) const override;
    TovBarMenuItemSize GetMenuItemSize() const override { return misNormal; }
    int GetIconAreaWidth() const override { return 0; }
    int GetMenuHeight() const override;
    int GetMenuWidth() const override { return TovBarCustomStaticControl::GetMenuWidth(); }
    int GetMinWidth() const override;
    int GetDefaultHeight() const override { return GetTextHeight(); }
    int GetDefaultWidth() const override;
    // Without a style font the caption is bold.
    void SelectFont(TFont* AFont, int AStyleIndex, TovBarSavedFont& ASaved) override;
    void RestoreFont(TovBarSavedFont& ASaved) override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;

private:
    bool FBold = false;
};
