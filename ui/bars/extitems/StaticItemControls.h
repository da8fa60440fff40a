// The controls of the static and progress items: the static label in its frame, sized from its text or
// from the item's fixed size; the progress control draws its bar beside the label's text and, where the
// painter allows, repaints only what a new position changed.
#pragma once

#include "ui/bars/itemcontrols/StaticControls.h"

class TovBarStatic;
class TovBarProgressItem;

class TovBarStaticControl : public TovBarCustomStaticControl {
public:
    using TovBarCustomStaticControl::TovBarCustomStaticControl;

    TovBarStatic* StaticItem() const;
    // A glyph area kept even without a glyph (the progress control's text stands beside its bar).
    virtual bool ReserveGlyphArea() const { return false; }
    virtual TAlignment GetAlignment() const;

    void CaptionChanged() override;
    bool CanClick() const override;
    bool CloseMenusOnClick() const override { return CanClick(); }
    bool CanSelect() const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    void CalcDrawParams(bool AFull = true) override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    int GetHeight() const override;
    int GetWidth() const override;
    int GetDefaultHeight() const override;
    int GetDefaultWidth() const override;

protected:
    // The border sizes of the item's style (none without a painter).
    TRect BorderSizes() const;
    // The automatic width of the text part: caption, glyph, indents and border.
    int StaticWidth() const;
};

class TovBarProgressControl : public TovBarStaticControl {
public:
    using TovBarStaticControl::TovBarStaticControl;

    TovBarProgressItem* ProgressItem() const;
    bool ReserveGlyphArea() const override { return true; }
    TAlignment GetAlignment() const override { return taLeftJustify; }

    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    void CalcDrawParams(bool AFull = true) override;
    // The static content beside the bar, then the bar.
    void PaintContent(const TRect& R) override;
    int GetDefaultHeight() const override;
    int GetDefaultWidth() const override;

    // Where the bar lies inside the control's bounds.
    TRect BarRect() const;
    // The filled length for the item's position along the bar: none for an empty range.
    int FilledLength() const;
    // The item's position changed: repaints the stretch between the old and the new filled length where
    // the painter allows, else the whole bar.
    void PositionChanged();
    // The filled length last painted (-1 before the first paint).
    int PaintedFilledLength() const { return FPaintedLength; }

private:
    int FPaintedLength = -1;
};

extern const TovBarItemControlClass ovBarStaticControlClass;
extern const TovBarItemControlClass ovBarProgressControlClass;
