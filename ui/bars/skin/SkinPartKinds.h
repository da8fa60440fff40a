// The numbers bar painters, ribbon views and galleries name skin elements by: part kinds, the nine skin
// states, and the colour keys a skin answers. Part kinds and colour keys share one key space (and the IDs
// of bitmap parts, 10000 and above); a skin draws nothing for a kind it does not know.
#pragma once

// ---- Skin states: one meaning throughout the skin interface and the skins.
constexpr int ovSkinStateNormal = 0;
constexpr int ovSkinStateDisabled = 1;
// Under the mouse.
constexpr int ovSkinStateHot = 2;
// Part of a selected item without being under the mouse itself (another part is hot, or the item is
// selected by keyboard); also a checked item whose drop-down is open.
constexpr int ovSkinStateHighlighted = 3;
constexpr int ovSkinStatePressed = 4;
// The item's drop-down is open.
constexpr int ovSkinStateDroppedDown = 5;
constexpr int ovSkinStateChecked = 6;
constexpr int ovSkinStateCheckedHot = 7;
constexpr int ovSkinStateDisabledSelected = 8;
constexpr int ovSkinStateCount = 9;
// Disabled, selected or not.
constexpr bool ovSkinStateIsDisabled(int AState) {
    return AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected;
}
// Lit without being checked: hot, highlighted, pressed, dropped down, or selected while disabled.
constexpr bool ovSkinStateIsLit(int AState) {
    return (AState >= ovSkinStateHot && AState <= ovSkinStateDroppedDown) ||
           AState == ovSkinStateDisabledSelected;
}

// ---- Part kinds that draw.
// Bars.
constexpr int ovSkinPartBarSeparatorHorz = 0;
constexpr int ovSkinPartTabGroup = 1;
constexpr int ovSkinPartBarSeparatorVert = 2;
// The tab group shown in the popup of a collapsed group.
constexpr int ovSkinPartTabGroupInPopup = 1003;
// Small buttons; the drop-down and main parts are the halves of a split button.
constexpr int ovSkinPartButton = 3;
constexpr int ovSkinPartButtonDropDown = 4;
constexpr int ovSkinPartButtonMainPart = 5;
// Large buttons: the drop-down is the lower part, the main part the upper one.
constexpr int ovSkinPartLargeButton = 6;
constexpr int ovSkinPartLargeButtonDropDown = 7;
constexpr int ovSkinPartLargeButtonMainPart = 8;
// Edits and combos: the button background and the glyphs a named skin may draw on it.
constexpr int ovSkinPartEditButton = 11;
constexpr int ovSkinPartEditArrowGlyph = 13;
constexpr int ovSkinPartEditEllipsisGlyph = 14;
constexpr int ovSkinPartEditAuxiliaryGlyph = 15;
constexpr int ovSkinPartEditAuxiliaryGlyph2 = 16;
// A captioned menu separator: its band and the line under it.
constexpr int ovSkinPartMenuCaptionSeparator = 20;
constexpr int ovSkinPartMenuCaptionSeparatorLine = 21;
// Progress bars.
constexpr int ovSkinPartProgressSolidBand = 30;
constexpr int ovSkinPartProgressDiscreteBand = 31;
constexpr int ovSkinPartProgressSubstrate = 32;
constexpr int ovSkinPartScreenTip = 40;
// Galleries.
constexpr int ovSkinPartInRibbonGalleryBackground = 50;
constexpr int ovSkinPartInRibbonGalleryScrollUp = 53;
constexpr int ovSkinPartInRibbonGalleryScrollDown = 54;
constexpr int ovSkinPartInRibbonGalleryDropDown = 55;
constexpr int ovSkinPartDropDownGalleryBackground = 56;
constexpr int ovSkinPartDropDownGalleryTopSizingBand = 57;
constexpr int ovSkinPartDropDownGalleryBottomSizingBand = 58;
constexpr int ovSkinPartDropDownGalleryTopSizeGrip = 59;
constexpr int ovSkinPartDropDownGalleryBottomSizeGrip = 60;
constexpr int ovSkinPartDropDownGalleryTopVerticalSizeGrip = 61;
constexpr int ovSkinPartDropDownGalleryBottomVerticalSizeGrip = 62;
constexpr int ovSkinPartGalleryGroupHeader = 63;
constexpr int ovSkinPartGalleryFilterBand = 65;
constexpr int ovSkinPartGalleryItem = 69;
constexpr int ovSkinPartGalleryBackground = 71;
// Scroll bars: a background, then elements 1..5 (line up, line down, thumb, page up, page down).
constexpr int ovSkinPartScrollBarHorzBackground = 100;
constexpr int ovSkinPartScrollBarHorzLineUp = 101;
constexpr int ovSkinPartScrollBarHorzLineDown = 102;
constexpr int ovSkinPartScrollBarHorzThumb = 103;
constexpr int ovSkinPartScrollBarHorzPageUp = 104;
constexpr int ovSkinPartScrollBarHorzPageDown = 105;
constexpr int ovSkinPartScrollBarVertBackground = 106;
constexpr int ovSkinPartScrollBarVertLineUp = 107;
constexpr int ovSkinPartScrollBarVertLineDown = 108;
constexpr int ovSkinPartScrollBarVertThumb = 109;
constexpr int ovSkinPartScrollBarVertPageUp = 110;
constexpr int ovSkinPartScrollBarVertPageDown = 111;
constexpr int ovSkinPartScrollBarCorner = 112;
// The window-filling menu view.
constexpr int ovSkinPartMenuViewBackground = 250;
constexpr int ovSkinPartMenuViewNavigation = 252;
constexpr int ovSkinPartMenuViewContent = 253;
constexpr int ovSkinPartMenuViewItem = 260;
constexpr int ovSkinPartMenuViewTab = 270;
constexpr int ovSkinPartMenuViewSeparator = 280;
constexpr int ovSkinPartMenuViewButton = 281;
// The application menu's extra pane.
constexpr int ovSkinPartExtraPaneBackground = 300;
constexpr int ovSkinPartExtraPaneSeparator = 302;
constexpr int ovSkinPartExtraPaneHeader = 305;
constexpr int ovSkinPartExtraPaneButton = 310;
constexpr int ovSkinPartExtraPaneCheckButton = 311;
constexpr int ovSkinPartExtraPanePinGlyph = 312;
constexpr int ovSkinPartExtraPanePinGlyphButton = 313;
constexpr int ovSkinPartExtraPaneItem = 392;
constexpr int ovSkinPartExtraPanePinButton = 395;
// Small glyphs: state glyph (7 x 7 cells), two-row arrow (8 x 6 cells), drop-down arrow.
constexpr int ovSkinPartSmallStateGlyph = 336;
constexpr int ovSkinPartSmallArrowGlyph = 337;
constexpr int ovSkinPartArrowDown = 340;
// Menus.
constexpr int ovSkinPartMenuScrollArrow = 360;
constexpr int ovSkinPartMenuItemButton = 361;
constexpr int ovSkinPartMenuItemButtonMainPart = 363;
constexpr int ovSkinPartMenuItemButtonDropDown = 364;
constexpr int ovSkinPartMenuArrowDown = 365;
constexpr int ovSkinPartMenuArrowRight = 366;
constexpr int ovSkinPartMenuDetachCaption = 370;
constexpr int ovSkinPartMenuGlyph = 380;
constexpr int ovSkinPartMenuContent = 390;
constexpr int ovSkinPartItemSeparatorHorz = 396;
constexpr int ovSkinPartItemSeparatorVert = 397;
constexpr int ovSkinPartMenuSeparatorHorz = 400;
constexpr int ovSkinPartMenuSeparatorVert = 410;
// The frame behind the glyph of a checked menu item, and the check mark of one without a glyph.
constexpr int ovSkinPartMenuCheck = 430;
constexpr int ovSkinPartMenuCheckMark = 440;
constexpr int ovSkinPartMenuMark = 442;
constexpr int ovSkinPartMenuScrollArea = 446;
constexpr int ovSkinPartDropDownBorder = 450;
// The application menu: its background (drawn with the extra pane as second rectangle), its content
// offsets (metrics only) and its buttons.
constexpr int ovSkinPartApplicationMenuBackground = 452;
constexpr int ovSkinPartApplicationMenuContent = 453;
constexpr int ovSkinPartApplicationMenuButton = 454;
// Button groups.
constexpr int ovSkinPartButtonGroupButton = 460;
constexpr int ovSkinPartButtonGroupButtonDropDown = 461;
constexpr int ovSkinPartButtonGroupButtonMainPart = 462;
constexpr int ovSkinPartButtonGroupBorderLeft = 470;
constexpr int ovSkinPartButtonGroupSeparator = 480;
constexpr int ovSkinPartButtonGroupBorderRight = 490;
constexpr int ovSkinPartButtonGroupSplitButtonSeparator = 500;
// Tab group caption buttons and the quick access toolbar's mark button.
constexpr int ovSkinPartTabGroupCaptionButtonGlyph = 510;
constexpr int ovSkinPartTabGroupCaptionButton = 515;
constexpr int ovSkinPartQuickAccessToolbarMarkButton = 520;
// A tab group collapsed to one button, and the frame around its glyph.
constexpr int ovSkinPartCollapsedTabGroup = 1000;
constexpr int ovSkinPartCollapsedTabGroupGlyphBackground = 1001;

// ---- Colour keys with a meaning of their own (a part kind used as key is the colour of that part).
constexpr int ovSkinColorEditBackground = 9;
constexpr int ovSkinColorEditFrame = 10;
constexpr int ovSkinColorEditButtonFrame = 12;
// State 0 enabled, state 1 disabled.
constexpr int ovSkinColorEditText = 17;
constexpr int ovSkinColorDateNavigatorHeader = 19;
constexpr int ovSkinColorMenuCaptionSeparator = 20;
constexpr int ovSkinColorMenuCaptionText = 22;
constexpr int ovSkinColorScreenTip = 41;
constexpr int ovSkinColorScreenTipDescriptionText = 42;
constexpr int ovSkinColorScreenTipTitleText = 43;
constexpr int ovSkinColorKeyTipText = 44;
constexpr int ovSkinColorInRibbonGalleryBackground = 51;
constexpr int ovSkinColorInRibbonGalleryBorder = 52;
constexpr int ovSkinColorDropDownGalleryBackground = 56;
constexpr int ovSkinColorGalleryGroupHeaderText = 64;
constexpr int ovSkinColorGalleryBackground = 71;
constexpr int ovSkinColorGalleryText = 200;
constexpr int ovSkinColorGalleryMenuText = 201;
constexpr int ovSkinColorMenuViewBackground = 250;
constexpr int ovSkinColorArrowGlyph = 340;
constexpr int ovSkinColorItemText = 335;
constexpr int ovSkinColorMenuText = 362;
constexpr int ovSkinColorMenuDetachCaption = 375;
constexpr int ovSkinColorExtraPaneBackground = 391;
constexpr int ovSkinColorExtraPaneItemText = 393;
constexpr int ovSkinColorExtraPaneHeaderText = 394;
constexpr int ovSkinColorMenuSplitLine = 420;
constexpr int ovSkinColorEditSelectionLine = 425;
constexpr int ovSkinColorApplicationMenuButtonText = 454;
constexpr int ovSkinColorFormBackground = 10018;
constexpr int ovSkinColorFormCaptionTextActive = 10130;
constexpr int ovSkinColorFormCaptionTextInactive = 10131;
constexpr int ovSkinColorTabText = 10132;
