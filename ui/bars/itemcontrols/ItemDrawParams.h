// Draw params: the snapshot of an item control's state that the painter draws from, one object per
// control, refreshed before every paint and measure. Each family of controls adds its own fields.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"

#include <string>

class TuiCanvas;
class TovBarItemControl;

class TovBarItemControlDrawParams {
public:
    explicit TovBarItemControlDrawParams(TovBarItemControl* AControl) : BarItemControl(AControl) {}
    virtual ~TovBarItemControlDrawParams() = default;

    TovBarItemViewSize ViewSize() const { return FViewSize; }
    // A different view size drops the control's cached glyph.
    void SetViewSize(TovBarItemViewSize AValue);

    TovBarItemControl* BarItemControl;
    TuiCanvas* Canvas = nullptr;
    std::string Caption;
    std::string Description;
    std::string ShortCut;
    TovBarItemPaintType PaintType = iptHorizontal;
    TovBarItemViewStructure ViewStructure;
    bool Enabled = true;
    bool CanSelect = true;
    bool DrawSelected = false;
    bool DroppedDown = false;
    bool IsDropDown = false;
    int HotPartIndex = ovNoHotPart;
    bool IsCustomizing = false;
    bool IsPressed = false;
    bool SelectedByKey = false;
    TSize GlyphSize{0, 0};

private:
    TovBarItemViewSize FViewSize = ivsSmall;
};

class TovBarButtonLikeControlDrawParams : public TovBarItemControlDrawParams {
public:
    using TovBarItemControlDrawParams::TovBarItemControlDrawParams;
    TSize ArrowSize{0, 0};
    TovBarButtonGroupPlace ButtonGroupPlace = bgpNoGroup;
    TRect Margins{0, 0, 0, 0};
    bool Down = false;
    bool DropDownPressed = false;
    bool DropDownEnabled = true;
    bool ShowDroppedDown = false;
    bool UseGrayScaleGlyph = false;
    bool KeepTextColorWhenSelected = false;
    bool Lowered = false;
    bool IsMainMenuItem = false;
    bool IsTextSelected = false;
    bool Split = false;
};

class TovBarApplicationMenuButtonControlDrawParams : public TovBarButtonLikeControlDrawParams {
public:
    using TovBarButtonLikeControlDrawParams::TovBarButtonLikeControlDrawParams;
    // The width without the item's fixed Width.
    int NaturalWidth = 0;
};

// The in-place sub-item header of menus: a band that expands its links in place.
class TovBarInPlaceSubItemControlDrawParams : public TovBarButtonLikeControlDrawParams {
public:
    using TovBarButtonLikeControlDrawParams::TovBarButtonLikeControlDrawParams;
    bool Expanded = false;
};

class TovBarStaticLikeControlDrawParams : public TovBarItemControlDrawParams {
public:
    using TovBarItemControlDrawParams::TovBarItemControlDrawParams;
    TAlignment Alignment = taLeftJustify;
    bool ReserveGlyphArea = false;
    TRect BorderSizes{0, 0, 0, 0};
    TovBarStaticBorderStyle BorderStyle = sbsNone;
};

class TovBarSeparatorControlDrawParams : public TovBarStaticLikeControlDrawParams {
public:
    using TovBarStaticLikeControlDrawParams::TovBarStaticLikeControlDrawParams;
    // The separator's link is the first visible link of its list.
    bool IsFirst = false;
};

class TovBarProgressControlDrawParams : public TovBarStaticLikeControlDrawParams {
public:
    using TovBarStaticLikeControlDrawParams::TovBarStaticLikeControlDrawParams;
    int Position = 0;
    int Min = 0;
    int Max = 100;
    bool Smooth = false;
};

// Edit-like controls (edits, combos and their relatives), whose text field hosts an edit window.
class TovBarEditLikeControlDrawParams : public TovBarItemControlDrawParams {
public:
    using TovBarItemControlDrawParams::TovBarItemControlDrawParams;
    bool Focused = false;
    bool HasEditIndent = false;
    // Where the caption goes; always before the field inside menus.
    TovBarItemViewLayout ViewLayout = ivlGlyphCaptionControl;
};

// The colour combo: it may show a custom-colour button (part 4) beside its drop-down button.
class TovBarColorComboControlDrawParams : public TovBarEditLikeControlDrawParams {
public:
    using TovBarEditLikeControlDrawParams::TovBarEditLikeControlDrawParams;
    bool ShowCustomColorButton = false;
};

// The spin edit: its two buttons are parts 3 (up) and 4 (down).
class TovBarSpinEditDrawParams : public TovBarEditLikeControlDrawParams {
public:
    using TovBarEditLikeControlDrawParams::TovBarEditLikeControlDrawParams;
    // The button held down by the mouse or stepped by a key (its part index), or -1.
    int ActiveButton = -1;
    // The arrow's width and height, from the control's height.
    TSize ArrowSize{0, 0};
};
