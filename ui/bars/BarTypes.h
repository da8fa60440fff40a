// Value types shared by the bar model: styles, docking, visibility, paint styles and the small sets the
// manager, toolbars, items and links keep.
#pragma once

#include "platform/rtl/Set.h"

enum TovBarManagerStyle { bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11, bmsUseLookAndFeel };

enum TovBarDockingStyle { dsNone, dsLeft, dsTop, dsRight, dsBottom };
using TovBarDockingStyles = Set<TovBarDockingStyle, 5>;

enum TovBarItemVisible { ivNever, ivInCustomizing, ivAlways };

enum TovBarMenuAnimations { maNone, maRandom, maUnfold, maSlide, maFade };

enum TovBarPaintStyle { psStandard, psCaption, psCaptionInMenu, psCaptionGlyph };

enum TovBarItemAlign { iaLeft, iaCenter, iaRight, iaClient };

enum TovBarItemMergeKind { mkAdd, mkMergeByCaption, mkNone };

enum TovBarBorderStyle { bbsNone, bbsSingle };

enum TovBarUserDefine { udCaption, udGlyph, udPaintStyle, udWidth };
using TovBarUserDefines = Set<TovBarUserDefine, 4>;

enum TovBarItemPosition { ipBeginsNewRow, ipBeginsNewColumn, ipContinuesRow };

enum TovBarButtonGroupPosition { bgpNone, bgpStart, bgpMember };

enum TovBarItemViewLayout { ivlGlyphCaptionControl, ivlGlyphControlCaption };

enum TovBarItemViewLevel {
    ivlLargeIconWithText,
    ivlLargeControlOnly,
    ivlSmallIconWithText,
    ivlSmallIcon,
    ivlControlOnly,
    // Not controlled by a level (ordinary toolbars and menus); never a member of a level set.
    ivlDefault
};
using TovBarItemViewLevels = Set<TovBarItemViewLevel, 5>;

enum TovBarButtonStyle { bsDefault, bsChecked, bsDropDown, bsCheckedDropDown };

enum TovBarGlyphLayout { glLeft, glRight, glTop, glBottom };

enum TovBarMenuItemSize { misNormal, misLarge };

enum TovBarItemOption { ioShowDescriptions, ioShowShortCuts, ioSize };
using TovBarItemOptionValues = Set<TovBarItemOption, 3>;

// Kinds of bar control: a toolbar or popup bar, a quick-customization popup, a sub-menu.
enum TovBarControlKind { bckToolbar, bckQuickCustomization, bckSubMenu };
using TovBarControlKinds = Set<TovBarControlKind, 3>;
inline const TovBarControlKinds ovAllBarControlKinds{bckToolbar, bckQuickCustomization, bckSubMenu};

// Close-up reasons of a bar control.
enum TovBarCloseUpReason { bcrNone, bcrOther, bcrItemClick, bcrEscape };

// Customization actions on a link (what the customizing popup offers): 0 reset, 1 delete, 2 delete item,
// 3 delete link, 4 select link, 5 caption, 6 paint style, 7 position, 8 view levels, 9 button group,
// 10 distributed, 11 begin group, 12 visible, 13 most recently used.
enum TovBarCustomizationAction {
    bcaReset,
    bcaDelete,
    bcaDeleteItem,
    bcaDeleteLink,
    bcaSelectLink,
    bcaCaption,
    bcaPaintStyle,
    bcaPosition,
    bcaViewLevels,
    bcaButtonGroup,
    bcaDistributed,
    bcaBeginGroup,
    bcaVisible,
    bcaMostRecentlyUsed
};
using TovBarCustomizationActions = Set<TovBarCustomizationAction, 14>;

// Placement kinds an item is asked about.
enum TovBarPlacement { bpToolbar, bpMenu };

class TovBar;
class TovBars;
class TovBarManager;
class TovBarItem;
class TovBarItemLink;
class TovBarItemLinks;
class TovBarItemControl;
class IovBarControl;
class IovBarDock;
