// The one list of every cut the ribbon skins take from their picture sheets: per cut its part ID, the
// sheet it lies on (common or colour), the skin families that cut it, the cell size, the fixed margins,
// how its cells follow each other, which skin state takes which cell, the interpolation mode and how the
// part is drawn. Plain data, so that the sheet generator (which packs and draws the cells) and the skins
// (which cut them) read the same table; the cells' places on the sheets are the generator's, written to a
// header it makes (RibbonSheetLayout.h reads it).
//
// A cut is a block of cells: Count cells one below the other (or side by side when Horizontal), or a grid
// of Columns such runs ColumnGap pixels apart. A state strip names the skin states that have a part and the
// cell (row) each of them takes; the part of state s gets the ID FirstID + s, so the IDs follow the states,
// not the cells. Any other block gives its cells the IDs FirstID + index, the index counting down a column
// first (FirstID + column × Count + row).
//
// A family re-cutting a part with another geometry has a cut of its own for the same IDs; a cut shared by
// several families lies at one place on each of their sheets, so a family that does not re-cut a part takes
// it from the same cell as the family it derives from.
#pragma once

#include <cstdint>

namespace ribbon_sheets {

enum class TovRibbonSheetKind : std::uint8_t { Common, Color };

// The skin families, as a mask.
constexpr std::uint8_t rf2007 = 1;
constexpr std::uint8_t rf2010 = 2;
constexpr std::uint8_t rf2013 = 4;
constexpr std::uint8_t rfAll = rf2007 | rf2010 | rf2013;
constexpr std::uint8_t rf2010On = rf2010 | rf2013;
constexpr int ovRibbonFamilyCount = 3;

// How a part is drawn: stretched as a nine-slice frame over the target; tiled (the slices repeated);
// at its own size, centred in the target; or as a neutral layer tinted with a colour at draw time.
enum class TovCutDrawing : std::uint8_t { Stretched, Tiled, Centred, Tinted };

struct TovCutMargins {
    std::uint8_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The states 0..8 of a state strip and the cell of each, in state order.
struct TovCutStates {
    std::uint16_t Mask = 0; // bit s: state s has a part; 0: not a state strip
    std::uint8_t Rows[9]{}; // the cell of the n-th state in the mask
};

enum class TovRibbonCut : std::uint16_t {
    // ---- Base: common sheet. The glass toolbar body is cut first of all: the first part of a skin's
    // list is never part of a state strip.
    QatGlassBody,
    QatGlassEndWithButton,
    QatGlassEnd,
    HelpGlyph,
    PinGlyph,
    MenuGlyph,
    MenuContent,
    MenuSeparatorHorz,
    MenuSeparatorVert,
    DropDownBorder,
    // ---- Base: colour sheet
    ScrollArrow,
    ScreenTip,
    TabSeparator,
    TabSeparator2010,
    ApplicationMenuButton,
    EditButton,
    ButtonGroupButton,
    TabGroupCaptionGlyph,
    ApplicationMenuBorder,
    ApplicationMenuHeader,
    ApplicationMenuFooter,
    MenuMark,
    SmallArrowGlyph,
    QatBelow,
    QatEndWithButton,
    QatEnd,
    QatBody,
    QatMarkA,
    QatMarkB,
    GalleryTopSizeGrip,
    GalleryBottomSizeGrip,
    GalleryVerticalSizeGrip,
    // ---- Textured: common sheet
    SmallButton,
    SmallSplitMain,
    SmallSplitDropDown,
    LargeButton,
    LargeSplitMain,
    LargeSplitDropDown,
    TabGroupCaptionButton,
    ProgressBand,
    ProgressChunk,
    ContextCaptionGlass,
    MenuDetachCaption,
    MenuCheck,
    MenuCheckMark,
    MenuScrollArea,
    QatGroupButton,
    // ---- Textured: colour sheet
    MenuScrollAreaNormal,
    ProgressSubstrate,
    CollapsedGroup,
    CollapsedGroupGlyph,
    ScrollPageHorz,
    ScrollPageVert,
    ScrollVertLineDown,
    ScrollVertLineUp,
    ScrollVertThumb,
    ScrollHorzLineDown,
    ScrollHorzLineUp,
    ScrollHorzThumb,
    ScrollVertLineDownGlyph,
    ScrollVertLineUpGlyph,
    ScrollVertThumbGlyph,
    ScrollHorzLineDownGlyph,
    ScrollHorzLineUpGlyph,
    ScrollHorzThumbGlyph,
    TabScrollLeft,
    TabScrollRight,
    GroupsScrollLeft,
    GroupsScrollRight,
    ContextCaption,
    ContextGroupsArea,
    ContextTabSeparators,
    TabGroupBody,
    TabGroupCaption,
    SmallStateGlyph,
    GroupsArea,
    StatusPanelSeparator,
    StatusPanelSeparatorPlain,
    StatusToolbarSeparator,
    StatusGripSeparator,
    StatusRightSeparator,
    StatusBorderLeft,
    StatusBorderRight,
    StatusPlainBorderLeft,
    StatusPlainBorderRight,
    FormCaption,
    FormCaptionMaximized,
    FormCaptionLeft,
    FormCaptionRight,
    FormBorderLeft,
    FormBorderRight,
    FormBottomThin,
    FormBottomRounded,
    FormBottomSquare,
    CaptionButton,
    CaptionGlyphs,
    ApplicationButton,
    GalleryUp,
    GalleryDown,
    GalleryDropDown,
    GalleryUpGlyph,
    GalleryDownGlyph,
    GalleryDropDownGlyph,
    GalleryFilterBand,
    GalleryGroupHeader,
    GalleryTopSizingBand,
    GalleryBottomSizingBand,
    ArrowDown,
    MenuArrowDown,
    MenuArrowRight,
    ButtonGroupBorderLeft,
    ButtonGroupBorderRight,
    ButtonGroupSeparator,
    ButtonGroupSplitSeparator,
    RibbonTopBand,
    QatPopup,
    Tab,
    ContextTab,
    // ---- 2010: common sheet
    ApplicationButton2010,
    MenuViewLine,
    MenuViewTab,
    MenuViewItem,
    MenuViewSeparator,
    // ---- 2010: colour sheet
    SeparatorVert,
    SeparatorHorz,
    MenuViewNavigation,
    MenuViewTabGlyph,
    QatEnd2010,
    QatBody2010,
    FormCaptionLeft2010,
    FormCaptionRight2010,
    FormBorderLeft2010,
    FormBorderRight2010,
    FormBottomThin2010,
    FormBottomRounded2010,
    FormBottomSquare2010,
    CaptionGlyphs2010,
    CaptionButton2010,
    CloseButton,
    MinimizeCollapseGlyph,
    MinimizeExpandGlyph,
    MinimizePinGlyph,
    MdiMinimizeGlyph,
    MdiRestoreGlyph,
    MdiCloseGlyph,
    CollapsedGroup2010,
    CollapsedGroupGlyph2010,
    ContextCaptionLayer,
    ContextTabSeparators2010,
    ContextGroupsArea2010,
    GroupsArea2010,
    GroupsAreaPopup,
    TabGroupBody2010,
    TabGroupCaption2010,
    GalleryUpGlyph2010,
    GalleryDownGlyph2010,
    GalleryDropDownGlyph2010,
    StatusSeparator2010,
    StatusToolbarSeparator2010,
    StatusRightSeparator2010,
    StatusBorderLeft2010,
    StatusBorderRight2010,
    StatusPlainBorderLeft2010,
    StatusPlainBorderRight2010,
    ContextTab2010,
    ContextTabLayer,
    TabOverlay,
    // ---- 2013
    CaptionGlyphs2013,
    MdiMinimizeGlyph2013,
    MdiRestoreGlyph2013,
    MdiCloseGlyph2013,
    MenuViewButton,
    Count
};

constexpr int ovRibbonCutCount = static_cast<int>(TovRibbonCut::Count);

struct TovRibbonCutInfo {
    TovRibbonCut Cut{};
    const char* Name = "";
    int FirstID = 0;
    TovRibbonSheetKind Sheet = TovRibbonSheetKind::Common;
    std::uint8_t Families = rfAll;
    std::uint16_t CellWidth = 0, CellHeight = 0;
    TovCutMargins Margins{};
    // Cells down a column (side by side when Horizontal); Columns such runs ColumnGap pixels apart.
    std::uint8_t Count = 1;
    bool Horizontal = false;
    std::uint8_t Columns = 1;
    std::uint8_t ColumnGap = 0;
    TovCutStates States{};
    std::uint8_t Interpolation = 0;
    TovCutDrawing Drawing = TovCutDrawing::Stretched;
    // The families that draw the part tiled instead of stretched.
    std::uint8_t TiledFamilies = 0;
    // A cut of the cells of another cut's column (no cells of its own).
    bool IsAlias = false;
    TovRibbonCut AliasOf{};
    std::uint8_t AliasColumn = 0;
    // Pinned at the sheet's origin rather than placed by the packing.
    bool AtOrigin = false;

    constexpr bool IsStateStrip() const { return States.Mask != 0; }
    constexpr int CellCount() const { return Count * Columns; }
    // The block the cells take on their sheet.
    constexpr int BlockWidth() const {
        if (Horizontal) return CellWidth * Count;
        return Columns * CellWidth + (Columns - 1) * ColumnGap;
    }
    constexpr int BlockHeight() const { return Horizontal ? CellHeight : CellHeight * Count; }
};

namespace catalogue_detail {

constexpr TovCutMargins M(int L, int T, int R, int B) {
    return TovCutMargins{std::uint8_t(L), std::uint8_t(T), std::uint8_t(R), std::uint8_t(B)};
}
constexpr TovCutMargins None = M(0, 0, 0, 0);
constexpr TovCutMargins All(int A) {
    return M(A, A, A, A);
}

// One cell, or Count cells with consecutive IDs.
constexpr TovRibbonCutInfo Cells(TovRibbonCut ACut, const char* AName, int AFirstID,
                                 TovRibbonSheetKind ASheet, std::uint8_t AFamilies, int AWidth, int AHeight,
                                 TovCutMargins AMargins, int ACount = 1, bool AHorizontal = false,
                                 int AInterpolation = 0) {
    TovRibbonCutInfo info;
    info.Cut = ACut;
    info.Name = AName;
    info.FirstID = AFirstID;
    info.Sheet = ASheet;
    info.Families = AFamilies;
    info.CellWidth = std::uint16_t(AWidth);
    info.CellHeight = std::uint16_t(AHeight);
    info.Margins = AMargins;
    info.Count = std::uint8_t(ACount);
    info.Horizontal = AHorizontal;
    info.Interpolation = std::uint8_t(AInterpolation);
    return info;
}

// A state strip: the states listed take the rows listed (rows 0, 1, ... in state order without rows).
template <int NS, int NR = 0>
constexpr TovRibbonCutInfo
Strip(TovRibbonCut ACut, const char* AName, int AFirstID, TovRibbonSheetKind ASheet, std::uint8_t AFamilies,
      int AWidth, int AHeight, TovCutMargins AMargins, const int (&AStates)[NS],
      const int (&ARows)[NR > 0 ? NR : 1], bool AHorizontal = false, int AInterpolation = 0) {
    TovRibbonCutInfo info = Cells(ACut, AName, AFirstID, ASheet, AFamilies, AWidth, AHeight, AMargins, 1,
                                  AHorizontal, AInterpolation);
    int cells = 0;
    for (int n = 0; n < NS; ++n) {
        info.States.Mask = std::uint16_t(info.States.Mask | (1u << AStates[n]));
        const int row = NR > 0 ? ARows[n] : n;
        info.States.Rows[n] = std::uint8_t(row);
        if (row + 1 > cells) cells = row + 1;
    }
    info.Count = std::uint8_t(cells);
    return info;
}

constexpr TovRibbonCutInfo Grid(TovRibbonCut ACut, const char* AName, int AFirstID, TovRibbonSheetKind ASheet,
                                std::uint8_t AFamilies, int AWidth, int AHeight, TovCutMargins AMargins,
                                int AColumns, int ARows, int AGap, int AInterpolation = 0) {
    TovRibbonCutInfo info = Cells(ACut, AName, AFirstID, ASheet, AFamilies, AWidth, AHeight, AMargins, ARows,
                                  false, AInterpolation);
    info.Columns = std::uint8_t(AColumns);
    info.ColumnGap = std::uint8_t(AGap);
    return info;
}

constexpr TovRibbonCutInfo Alias(TovRibbonCut ACut, const char* AName, int AFirstID, std::uint8_t AFamilies,
                                 TovRibbonCut AOf, int AColumn) {
    TovRibbonCutInfo info;
    info.Cut = ACut;
    info.Name = AName;
    info.FirstID = AFirstID;
    info.Sheet = TovRibbonSheetKind::Color;
    info.Families = AFamilies;
    info.IsAlias = true;
    info.AliasOf = AOf;
    info.AliasColumn = std::uint8_t(AColumn);
    return info;
}

constexpr TovRibbonCutInfo Drawn(TovRibbonCutInfo AInfo, TovCutDrawing ADrawing) {
    AInfo.Drawing = ADrawing;
    return AInfo;
}
constexpr TovRibbonCutInfo Centred(TovRibbonCutInfo AInfo) {
    return Drawn(AInfo, TovCutDrawing::Centred);
}
constexpr TovRibbonCutInfo Tinted(TovRibbonCutInfo AInfo) {
    return Drawn(AInfo, TovCutDrawing::Tinted);
}
constexpr TovRibbonCutInfo TiledIn(TovRibbonCutInfo AInfo, std::uint8_t AFamilies) {
    AInfo.TiledFamilies = AFamilies;
    return AInfo;
}
constexpr TovRibbonCutInfo AtOrigin(TovRibbonCutInfo AInfo) {
    AInfo.AtOrigin = true;
    return AInfo;
}

using C = TovRibbonCut;
constexpr auto Common = TovRibbonSheetKind::Common;
constexpr auto Colour = TovRibbonSheetKind::Color;
constexpr bool Down = false;
constexpr bool Across = true;
constexpr int Nine[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr int FromHot[] = {2, 3, 4, 5, 6, 7, 8};
constexpr int Rows0to6[] = {0, 1, 2, 3, 4, 5, 6};
constexpr int NoRows[1] = {0};
constexpr int TwoStates[] = {0, 1};
constexpr int GalleryStates[] = {0, 1, 2, 4};
constexpr int GalleryRows[] = {0, 3, 1, 2};
constexpr int CollapsedStates[] = {0, 2, 3, 4};
constexpr int CollapsedRows[] = {0, 1, 3, 2};
constexpr int MarkStates[] = {0, 1, 2, 3, 4, 5, 8};
constexpr int MarkRows[] = {0, 3, 1, 1, 2, 2, 1};
constexpr int NormalHotPressed[] = {0, 2, 4};
constexpr int TwoRowGlyphRows[] = {0, 0, 1};
constexpr int NormalDisabledHot[] = {0, 1, 2};
constexpr int CheckRows[] = {0, 1, 0};
constexpr int NormalHot[] = {0, 2};

// In the order of TovRibbonCut.
inline constexpr TovRibbonCutInfo Table[] = {
    // clang-format off
    // ---- Base: common sheet
    Cells(C::QatGlassBody, "QatGlassBody", 10057, Common, rfAll, 18, 26, M(0, 7, 15, 7), 1, Down, 7),
    Cells(C::QatGlassEndWithButton, "QatGlassEndWithButton", 10055, Common, rfAll, 16, 26, M(0, 2, 2, 2), 1, Down, 7),
    Cells(C::QatGlassEnd, "QatGlassEnd", 10056, Common, rfAll, 4, 26, M(3, 2, 0, 1), 1, Down, 7),
    Centred(Cells(C::HelpGlyph, "HelpGlyph", 10088, Common, rfAll, 16, 16, None, 1, Down, 7)),
    Centred(Strip<2>(C::PinGlyph, "PinGlyph", 10579, Common, rfAll, 16, 16, M(0, 0, 15, 13), TwoStates, NoRows, Across)),
    Cells(C::MenuGlyph, "MenuGlyph", 10075, Common, rfAll, 3, 4, M(1, 1, 0, 1)),
    Cells(C::MenuContent, "MenuContent", 10074, Common, rfAll, 3, 4, M(0, 1, 1, 1)),
    TiledIn(Cells(C::MenuSeparatorHorz, "MenuSeparatorHorz", 10077, Common, rfAll, 4, 2, None), rf2010On),
    Cells(C::MenuSeparatorVert, "MenuSeparatorVert", 10078, Common, rfAll, 2, 2, None),
    Cells(C::DropDownBorder, "DropDownBorder", 10073, Common, rfAll, 8, 8, All(3)),
    // ---- Base: colour sheet
    Cells(C::ScrollArrow, "ScrollArrow", 10086, Colour, rfAll, 5, 3, None),
    Cells(C::ScreenTip, "ScreenTip", 10087, Colour, rfAll, 6, 165, All(2)),
    Cells(C::TabSeparator, "TabSeparator", 10050, Colour, rf2007, 1, 22, None),
    Cells(C::TabSeparator2010, "TabSeparator2010", 10050, Colour, rf2010On, 2, 16, None),
    Cells(C::ApplicationMenuButton, "ApplicationMenuButton", 10089, Colour, rfAll, 6, 22, All(2)),
    Strip<7, 7>(C::EditButton, "EditButton", 10273, Colour, rfAll, 12, 20, All(2), {0, 1, 2, 3, 4, 5, 8}, {0, 1, 2, 3, 4, 5, 1}),
    Strip<9>(C::ButtonGroupButton, "ButtonGroupButton", 10336, Colour, rfAll, 3, 22, M(1, 2, 1, 2), Nine, NoRows),
    Strip<5, 5>(C::TabGroupCaptionGlyph, "TabGroupCaptionGlyph", 10408, Colour, rfAll, 12, 12, None, {0, 1, 2, 3, 4}, {0, 1, 0, 0, 0}, Down, 5),
    Cells(C::ApplicationMenuBorder, "ApplicationMenuBorder", 10070, Colour, rfAll, 8, 8, All(3)),
    Cells(C::ApplicationMenuHeader, "ApplicationMenuHeader", 10071, Colour, rfAll, 2, 14, None),
    Cells(C::ApplicationMenuFooter, "ApplicationMenuFooter", 10072, Colour, rfAll, 2, 25, None),
    Cells(C::MenuMark, "MenuMark", 10076, Colour, rfAll, 17, 17, None),
    Centred(Strip<3, 3>(C::SmallArrowGlyph, "SmallArrowGlyph", 10390, Colour, rfAll, 8, 6, None, NormalHotPressed, TwoRowGlyphRows)),
    Cells(C::QatBelow, "QatBelow", 10053, Colour, rfAll, 10, 26, All(3)),
    Strip<2>(C::QatEndWithButton, "QatEndWithButton", 10059, Colour, rf2007, 15, 26, M(13, 5, 0, 5), TwoStates, NoRows, Down, 5),
    Strip<2>(C::QatEnd, "QatEnd", 10061, Colour, rf2007, 7, 26, M(2, 5, 0, 5), TwoStates, NoRows, Down, 5),
    Strip<2>(C::QatBody, "QatBody", 10063, Colour, rf2007, 18, 26, M(0, 5, 13, 5), TwoStates, NoRows, Down, 5),
    Strip<7, 7>(C::QatMarkA, "QatMarkA", 10192, Colour, rfAll, 22, 22, All(2), MarkStates, MarkRows),
    Strip<7, 7>(C::QatMarkB, "QatMarkB", 10201, Colour, rfAll, 22, 22, All(2), MarkStates, MarkRows),
    Cells(C::GalleryTopSizeGrip, "GalleryTopSizeGrip", 10122, Colour, rfAll, 7, 7, None, 1, Down, 5),
    Cells(C::GalleryBottomSizeGrip, "GalleryBottomSizeGrip", 10123, Colour, rfAll, 7, 7, None, 1, Down, 5),
    // No family gives the vertical grip a size of its own: it takes the 7 x 7 of the other two grips.
    Cells(C::GalleryVerticalSizeGrip, "GalleryVerticalSizeGrip", 10124, Colour, rfAll, 7, 7, None),
    // ---- Textured: common sheet
    Strip<7, 7>(C::SmallButton, "SmallButton", 10282, Common, rfAll, 22, 22, All(2), FromHot, {0, 0, 1, 2, 2, 3, 4}),
    Strip<7, 7>(C::SmallSplitMain, "SmallSplitMain", 10291, Common, rfAll, 29, 22, All(2), FromHot, Rows0to6),
    Strip<7, 7>(C::SmallSplitDropDown, "SmallSplitDropDown", 10300, Common, rfAll, 12, 22, All(2), FromHot, Rows0to6),
    Strip<7, 7>(C::LargeButton, "LargeButton", 10309, Common, rfAll, 42, 66, All(2), FromHot, {0, 0, 1, 2, 2, 3, 4}),
    Strip<7, 7>(C::LargeSplitMain, "LargeSplitMain", 10318, Common, rfAll, 42, 39, All(2), FromHot, {0, 1, 2, 1, 3, 4, 0}),
    Strip<7, 7>(C::LargeSplitDropDown, "LargeSplitDropDown", 10327, Common, rfAll, 42, 27, All(2), FromHot, {0, 1, 1, 2, 2, 0, 3}),
    Strip<3, 3>(C::TabGroupCaptionButton, "TabGroupCaptionButton", 10401, Common, rfAll, 15, 14, All(2), {2, 3, 4}, {0, 0, 1}),
    Cells(C::ProgressBand, "ProgressBand", 10081, Common, rfAll, 86, 8, All(2)),
    Cells(C::ProgressChunk, "ProgressChunk", 10082, Common, rfAll, 5, 8, All(2)),
    Cells(C::ContextCaptionGlass, "ContextCaptionGlass", 10153, Common, rfAll, 17, 25, M(2, 9, 2, 1)),
    Strip<2>(C::MenuDetachCaption, "MenuDetachCaption", 10219, Common, rfAll, 5, 5, All(2), NormalHot, NoRows),
    Strip<3, 3>(C::MenuCheck, "MenuCheck", 10228, Common, rfAll, 6, 6, All(2), NormalDisabledHot, CheckRows),
    Centred(Strip<3, 3>(C::MenuCheckMark, "MenuCheckMark", 10237, Common, rfAll, 20, 20, All(2), NormalDisabledHot, CheckRows)),
    Strip<2>(C::MenuScrollArea, "MenuScrollArea", 10246, Common, rfAll, 6, 12, All(2), {2, 4}, NoRows),
    Cells(C::QatGroupButton, "QatGroupButton", 10052, Common, rfAll, 16, 16, None),
    // ---- Textured: colour sheet
    Cells(C::MenuScrollAreaNormal, "MenuScrollAreaNormal", 10246, Colour, rfAll, 4, 12, All(1)),
    Cells(C::ProgressSubstrate, "ProgressSubstrate", 10083, Colour, rfAll, 7, 7, All(2)),
    Strip<4, 4>(C::CollapsedGroup, "CollapsedGroup", 10255, Colour, rf2007, 7, 85, M(3, 15, 3, 3), CollapsedStates, CollapsedRows),
    Strip<4, 4>(C::CollapsedGroupGlyph, "CollapsedGroupGlyph", 10264, Colour, rf2007, 10, 31, M(4, 9, 4, 8), CollapsedStates, CollapsedRows),
    Cells(C::ScrollPageHorz, "ScrollPageHorz", 10596, Colour, rfAll, 10, 17, All(4), 4),
    Cells(C::ScrollPageVert, "ScrollPageVert", 10605, Colour, rfAll, 17, 10, All(4), 4),
    Cells(C::ScrollVertLineDown, "ScrollVertLineDown", 10614, Colour, rfAll, 17, 17, All(4), 4),
    Cells(C::ScrollVertLineUp, "ScrollVertLineUp", 10619, Colour, rfAll, 17, 17, All(4), 4),
    Cells(C::ScrollVertThumb, "ScrollVertThumb", 10609, Colour, rfAll, 17, 17, All(4), 4),
    Cells(C::ScrollHorzLineDown, "ScrollHorzLineDown", 10629, Colour, rfAll, 17, 17, All(4), 4, Across),
    Cells(C::ScrollHorzLineUp, "ScrollHorzLineUp", 10624, Colour, rfAll, 17, 17, All(4), 4, Across),
    Cells(C::ScrollHorzThumb, "ScrollHorzThumb", 10600, Colour, rfAll, 17, 17, All(4), 4),
    Centred(Cells(C::ScrollVertLineDownGlyph, "ScrollVertLineDownGlyph", 10618, Colour, rfAll, 9, 9, None)),
    Centred(Cells(C::ScrollVertLineUpGlyph, "ScrollVertLineUpGlyph", 10623, Colour, rfAll, 9, 9, None)),
    Centred(Cells(C::ScrollVertThumbGlyph, "ScrollVertThumbGlyph", 10604, Colour, rfAll, 11, 11, None)),
    Centred(Cells(C::ScrollHorzLineDownGlyph, "ScrollHorzLineDownGlyph", 10633, Colour, rfAll, 9, 9, None)),
    Centred(Cells(C::ScrollHorzLineUpGlyph, "ScrollHorzLineUpGlyph", 10628, Colour, rfAll, 9, 9, None)),
    Centred(Cells(C::ScrollHorzThumbGlyph, "ScrollHorzThumbGlyph", 10613, Colour, rfAll, 11, 11, None)),
    Cells(C::TabScrollLeft, "TabScrollLeft", 10426, Colour, rfAll, 9, 24, M(3, 4, 3, 5), 3),
    Cells(C::TabScrollRight, "TabScrollRight", 10417, Colour, rfAll, 9, 24, M(3, 4, 3, 5), 3),
    Cells(C::GroupsScrollLeft, "GroupsScrollLeft", 10444, Colour, rfAll, 8, 92, M(2, 4, 4, 4), 3),
    Cells(C::GroupsScrollRight, "GroupsScrollRight", 10435, Colour, rfAll, 8, 92, M(4, 4, 2, 4), 3),
    Cells(C::ContextCaption, "ContextCaption", 10152, Colour, rfAll, 17, 25, M(2, 9, 2, 1)),
    Cells(C::ContextGroupsArea, "ContextGroupsArea", 10148, Colour, rf2007, 11, 92, M(5, 17, 5, 7)),
    Cells(C::ContextTabSeparators, "ContextTabSeparators", 10150, Colour, rf2007, 1, 16, None, 2, Across),
    Strip<2>(C::TabGroupBody, "TabGroupBody", 10363, Colour, rf2007, 10, 20, M(3, 2, 3, 0), NormalHot, NoRows),
    Strip<2>(C::TabGroupCaption, "TabGroupCaption", 10372, Colour, rf2007, 10, 17, M(3, 0, 3, 3), NormalHot, NoRows),
    Centred(Strip<3, 3>(C::SmallStateGlyph, "SmallStateGlyph", 10381, Colour, rfAll, 7, 7, None, NormalHotPressed, TwoRowGlyphRows)),
    Cells(C::GroupsArea, "GroupsArea", 10048, Colour, rf2007, 11, 92, M(5, 17, 5, 7)),
    Cells(C::StatusPanelSeparator, "StatusPanelSeparator", 10090, Colour, rf2007, 2, 22, M(0, 2, 0, 3)),
    Cells(C::StatusPanelSeparatorPlain, "StatusPanelSeparatorPlain", 10093, Colour, rf2007, 2, 22, M(0, 2, 0, 3)),
    Cells(C::StatusToolbarSeparator, "StatusToolbarSeparator", 10094, Colour, rf2007, 3, 22, M(0, 2, 0, 3)),
    Cells(C::StatusGripSeparator, "StatusGripSeparator", 10095, Colour, rf2007, 5, 22, M(3, 2, 0, 3)),
    Cells(C::StatusRightSeparator, "StatusRightSeparator", 10096, Colour, rf2007, 2, 22, M(0, 2, 0, 3)),
    Cells(C::StatusBorderLeft, "StatusBorderLeft", 10100, Colour, rf2007, 4, 22, M(0, 2, 0, 3), 4),
    Cells(C::StatusBorderRight, "StatusBorderRight", 10108, Colour, rf2007, 4, 22, M(0, 2, 0, 3), 4),
    Cells(C::StatusPlainBorderLeft, "StatusPlainBorderLeft", 10104, Colour, rf2007, 4, 22, M(0, 2, 0, 3), 4),
    Cells(C::StatusPlainBorderRight, "StatusPlainBorderRight", 10112, Colour, rf2007, 4, 22, M(0, 2, 0, 3), 4),
    Cells(C::FormCaption, "FormCaption", 10000, Colour, rfAll, 14, 31, M(6, 10, 6, 5), 2, Down, 5),
    Cells(C::FormCaptionMaximized, "FormCaptionMaximized", 10002, Colour, rfAll, 2, 31, M(0, 10, 0, 5), 2, Down, 5),
    Cells(C::FormCaptionLeft, "FormCaptionLeft", 10004, Colour, rf2007, 4, 31, M(0, 9, 0, 2), 2, Down, 5),
    Cells(C::FormCaptionRight, "FormCaptionRight", 10006, Colour, rf2007, 4, 31, M(0, 9, 0, 2), 2, Down, 5),
    Cells(C::FormBorderLeft, "FormBorderLeft", 10008, Colour, rf2007, 4, 6, M(0, 0, 0, 5), 2, Down, 5),
    Cells(C::FormBorderRight, "FormBorderRight", 10010, Colour, rf2007, 4, 6, M(0, 0, 0, 5), 2, Down, 5),
    Cells(C::FormBottomThin, "FormBottomThin", 10012, Colour, rf2007, 2, 2, None, 2, Down, 5),
    Cells(C::FormBottomRounded, "FormBottomRounded", 10014, Colour, rf2007, 10, 4, M(4, 0, 4, 0), 2, Down, 5),
    Cells(C::FormBottomSquare, "FormBottomSquare", 10016, Colour, rf2007, 10, 4, M(4, 0, 4, 0), 2, Down, 5),
    Cells(C::CaptionButton, "CaptionButton", 10160, Colour, rf2007, 25, 25, All(2), 3, Down, 5),
    Grid(C::CaptionGlyphs, "CaptionGlyphs", 10163, Colour, rf2007, 9, 9, All(2), 7, 4, 0, 5),
    Cells(C::ApplicationButton, "ApplicationButton", 10581, Colour, rf2007, 42, 42, None, 3, Down, 7),
    Strip<4, 4>(C::GalleryUp, "GalleryUp", 10453, Colour, rfAll, 15, 20, All(2), GalleryStates, GalleryRows),
    Strip<4, 4>(C::GalleryDown, "GalleryDown", 10471, Colour, rfAll, 15, 20, All(2), GalleryStates, GalleryRows),
    Strip<4, 4>(C::GalleryDropDown, "GalleryDropDown", 10489, Colour, rfAll, 15, 20, All(2), GalleryStates, GalleryRows),
    Centred(Strip<4, 4>(C::GalleryUpGlyph, "GalleryUpGlyph", 10462, Colour, rf2007, 5, 4, None, GalleryStates, GalleryRows)),
    Centred(Strip<4, 4>(C::GalleryDownGlyph, "GalleryDownGlyph", 10480, Colour, rf2007, 5, 4, None, GalleryStates, GalleryRows)),
    Centred(Strip<4, 4>(C::GalleryDropDownGlyph, "GalleryDropDownGlyph", 10498, Colour, rf2007, 5, 7, None, GalleryStates, GalleryRows)),
    Cells(C::GalleryFilterBand, "GalleryFilterBand", 10125, Colour, rfAll, 4, 13, M(1, 1, 2, 1)),
    Cells(C::GalleryGroupHeader, "GalleryGroupHeader", 10126, Colour, rfAll, 4, 4, M(0, 0, 0, 2)),
    Cells(C::GalleryTopSizingBand, "GalleryTopSizingBand", 10120, Colour, rfAll, 4, 11, M(1, 1, 2, 2)),
    Cells(C::GalleryBottomSizingBand, "GalleryBottomSizingBand", 10121, Colour, rfAll, 4, 11, M(1, 1, 2, 2)),
    Strip<9, 9>(C::ArrowDown, "ArrowDown", 10210, Colour, rfAll, 5, 4, None, Nine, {0, 1, 2, 2, 2, 2, 0, 0, 1}),
    Centred(Cells(C::MenuArrowDown, "MenuArrowDown", 10079, Colour, rfAll, 7, 4, None)),
    Centred(Cells(C::MenuArrowRight, "MenuArrowRight", 10080, Colour, rfAll, 4, 7, None)),
    Cells(C::ButtonGroupBorderLeft, "ButtonGroupBorderLeft", 10084, Colour, rfAll, 2, 22, M(0, 2, 0, 2)),
    Cells(C::ButtonGroupBorderRight, "ButtonGroupBorderRight", 10085, Colour, rfAll, 2, 22, M(0, 2, 0, 2)),
    Strip<9, 9>(C::ButtonGroupSeparator, "ButtonGroupSeparator", 10345, Colour, rfAll, 1, 22, M(0, 2, 0, 2), Nine, {0, 1, 2, 2, 2, 2, 2, 2, 3}),
    Strip<9, 9>(C::ButtonGroupSplitSeparator, "ButtonGroupSplitSeparator", 10354, Colour, rfAll, 2, 22, M(0, 2, 0, 2), Nine, {0, 1, 2, 2, 3, 2, 2, 2, 4}),
    Cells(C::RibbonTopBand, "RibbonTopBand", 10054, Colour, rfAll, 2, 30, M(0, 9, 0, 5)),
    Cells(C::QatPopup, "QatPopup", 10058, Colour, rfAll, 6, 28, All(2)),
    Cells(C::Tab, "Tab", 10043, Colour, rfAll, 24, 23, All(4), 5),
    Cells(C::ContextTab, "ContextTab", 10143, Colour, rf2007, 24, 23, M(5, 3, 5, 1), 5),
    // ---- 2010: common sheet
    Cells(C::ApplicationButton2010, "ApplicationButton2010", 10581, Common, rf2010On, 34, 21, All(4), 15, Down, 7),
    Cells(C::MenuViewLine, "MenuViewLine", 10540, Common, rf2010On, 360, 2, None, 5),
    Grid(C::MenuViewTab, "MenuViewTab", 10557, Common, rf2010On, 120, 41, M(0, 4, 0, 4), 5, 4, 0),
    Cells(C::MenuViewItem, "MenuViewItem", 10547, Common, rf2010On, 115, 27, All(2), 10),
    Cells(C::MenuViewSeparator, "MenuViewSeparator", 10578, Common, rf2010On, 113, 3, None),
    // ---- 2010: colour sheet
    Cells(C::SeparatorVert, "SeparatorVert", 10517, Colour, rf2010On, 3, 22, None),
    Cells(C::SeparatorHorz, "SeparatorHorz", 10516, Colour, rf2010On, 22, 3, None),
    Cells(C::MenuViewNavigation, "MenuViewNavigation", 10545, Colour, rf2010On, 17, 115, M(0, 0, 7, 0)),
    Centred(Cells(C::MenuViewTabGlyph, "MenuViewTabGlyph", 10577, Colour, rf2010On, 15, 30, None)),
    Cells(C::QatEnd2010, "QatEnd2010", 10059, Colour, rf2010On, 5, 21, M(3, 4, 0, 4)),
    Cells(C::QatBody2010, "QatBody2010", 10063, Colour, rf2010On, 5, 21, M(0, 4, 3, 4)),
    Cells(C::FormCaptionLeft2010, "FormCaptionLeft2010", 10004, Colour, rf2010On, 8, 31, M(0, 9, 0, 2), 2, Down, 5),
    Cells(C::FormCaptionRight2010, "FormCaptionRight2010", 10006, Colour, rf2010On, 8, 31, M(0, 9, 0, 2), 2, Down, 5),
    Cells(C::FormBorderLeft2010, "FormBorderLeft2010", 10008, Colour, rf2010On, 8, 11, M(0, 0, 0, 7), 2, Down, 5),
    Cells(C::FormBorderRight2010, "FormBorderRight2010", 10010, Colour, rf2010On, 8, 11, M(0, 0, 0, 7), 2, Down, 5),
    Cells(C::FormBottomThin2010, "FormBottomThin2010", 10012, Colour, rf2010On, 3, 1, None, 2, Down, 5),
    Cells(C::FormBottomRounded2010, "FormBottomRounded2010", 10014, Colour, rf2010On, 16, 8, M(7, 0, 7, 0), 2, Down, 5),
    Cells(C::FormBottomSquare2010, "FormBottomSquare2010", 10016, Colour, rf2010On, 16, 8, M(7, 0, 7, 0), 2, Down, 5),
    Grid(C::CaptionGlyphs2010, "CaptionGlyphs2010", 10163, Colour, rf2010, 13, 11, All(2), 7, 4, 1, 5),
    Cells(C::CaptionButton2010, "CaptionButton2010", 10160, Colour, rf2010On, 17, 17, All(2), 3, Down, 5),
    Cells(C::CloseButton, "CloseButton", 10507, Colour, rf2010On, 17, 17, All(2), 3, Down, 5),
    Cells(C::MinimizeCollapseGlyph, "MinimizeCollapseGlyph", 10510, Colour, rf2010On, 9, 7, None, 2, Down, 5),
    Cells(C::MinimizeExpandGlyph, "MinimizeExpandGlyph", 10512, Colour, rf2010On, 9, 7, None, 2, Down, 5),
    Cells(C::MinimizePinGlyph, "MinimizePinGlyph", 10514, Colour, rf2010On, 12, 9, None, 2, Down, 5),
    Alias(C::MdiMinimizeGlyph, "MdiMinimizeGlyph", 10518, rf2010, C::CaptionGlyphs2010, 0),
    Alias(C::MdiRestoreGlyph, "MdiRestoreGlyph", 10522, rf2010, C::CaptionGlyphs2010, 2),
    Cells(C::MdiCloseGlyph, "MdiCloseGlyph", 10526, Colour, rf2010, 13, 11, None, 4, Down, 5),
    Strip<4, 4>(C::CollapsedGroup2010, "CollapsedGroup2010", 10255, Colour, rf2010On, 68, 68, M(0, 0, 3, 3), CollapsedStates, CollapsedRows),
    Strip<4, 4>(C::CollapsedGroupGlyph2010, "CollapsedGroupGlyph2010", 10264, Colour, rf2010On, 10, 31, All(2), CollapsedStates, CollapsedRows),
    Tinted(Cells(C::ContextCaptionLayer, "ContextCaptionLayer", 10531, Colour, rf2010On, 17, 25, M(2, 9, 2, 1))),
    Cells(C::ContextTabSeparators2010, "ContextTabSeparators2010", 10150, Colour, rf2010On, 2, 16, None, 2, Across),
    Cells(C::ContextGroupsArea2010, "ContextGroupsArea2010", 10148, Colour, rf2010On, 5, 92, M(0, 17, 0, 7), 2, Across),
    Cells(C::GroupsArea2010, "GroupsArea2010", 10048, Colour, rf2010On, 5, 92, M(0, 17, 0, 7), 2, Across),
    Cells(C::GroupsAreaPopup, "GroupsAreaPopup", 10051, Colour, rf2010On, 5, 89, M(2, 17, 2, 7)),
    Strip<2>(C::TabGroupBody2010, "TabGroupBody2010", 10363, Colour, rf2010On, 68, 68, M(0, 0, 3, 0), NormalHot, NoRows),
    Strip<2>(C::TabGroupCaption2010, "TabGroupCaption2010", 10372, Colour, rf2010On, 68, 20, M(0, 0, 3, 2), NormalHot, NoRows),
    Centred(Strip<4, 4>(C::GalleryUpGlyph2010, "GalleryUpGlyph2010", 10462, Colour, rf2010On, 5, 3, None, GalleryStates, GalleryRows)),
    Centred(Strip<4, 4>(C::GalleryDownGlyph2010, "GalleryDownGlyph2010", 10480, Colour, rf2010On, 5, 3, None, GalleryStates, GalleryRows)),
    Centred(Strip<4, 4>(C::GalleryDropDownGlyph2010, "GalleryDropDownGlyph2010", 10498, Colour, rf2010On, 7, 7, None, GalleryStates, GalleryRows)),
    Cells(C::StatusSeparator2010, "StatusSeparator2010", 10090, Colour, rf2010On, 3, 30, M(0, 2, 0, 0)),
    Cells(C::StatusToolbarSeparator2010, "StatusToolbarSeparator2010", 10094, Colour, rf2010On, 3, 30, M(0, 2, 0, 0)),
    Cells(C::StatusRightSeparator2010, "StatusRightSeparator2010", 10096, Colour, rf2010On, 3, 20, M(0, 2, 0, 0)),
    Cells(C::StatusBorderLeft2010, "StatusBorderLeft2010", 10100, Colour, rf2010On, 8, 21, M(0, 2, 0, 8), 4),
    Cells(C::StatusBorderRight2010, "StatusBorderRight2010", 10108, Colour, rf2010On, 8, 22, M(0, 2, 0, 8), 4),
    Cells(C::StatusPlainBorderLeft2010, "StatusPlainBorderLeft2010", 10104, Colour, rf2010On, 8, 21, M(0, 2, 0, 8), 4),
    Cells(C::StatusPlainBorderRight2010, "StatusPlainBorderRight2010", 10112, Colour, rf2010On, 8, 22, M(0, 2, 0, 8), 4),
    Cells(C::ContextTab2010, "ContextTab2010", 10143, Colour, rf2010On, 36, 20, M(5, 3, 5, 1), 5),
    Tinted(Cells(C::ContextTabLayer, "ContextTabLayer", 10532, Colour, rf2010On, 36, 20, M(5, 3, 5, 1), 5)),
    Cells(C::TabOverlay, "TabOverlay", 10530, Colour, rf2010On, 95, 36, M(42, 0, 42, 0), 1, Down, 7),
    // ---- 2013: the glyphs are neutral masks, tinted when drawn.
    Tinted(Grid(C::CaptionGlyphs2013, "CaptionGlyphs2013", 10163, Colour, rf2013, 15, 11, All(2), 7, 4, 1, 5)),
    Alias(C::MdiMinimizeGlyph2013, "MdiMinimizeGlyph2013", 10518, rf2013, C::CaptionGlyphs2013, 0),
    Alias(C::MdiRestoreGlyph2013, "MdiRestoreGlyph2013", 10522, rf2013, C::CaptionGlyphs2013, 2),
    Tinted(Cells(C::MdiCloseGlyph2013, "MdiCloseGlyph2013", 10526, Colour, rf2013, 15, 11, None, 4, Down, 5)),
    AtOrigin(Tinted(Cells(C::MenuViewButton, "MenuViewButton", 10538, Common, rf2013, 40, 40, None, 2))),
    // clang-format on
};

} // namespace catalogue_detail

// In the order of TovRibbonCut.
inline constexpr const auto& kRibbonCuts = catalogue_detail::Table;

static_assert(sizeof(kRibbonCuts) / sizeof(kRibbonCuts[0]) == ovRibbonCutCount,
              "every cut has its row in the catalogue");

constexpr bool CutsInOrder() {
    for (int i = 0; i < ovRibbonCutCount; ++i)
        if (static_cast<int>(kRibbonCuts[i].Cut) != i) return false;
    return true;
}
static_assert(CutsInOrder(), "the catalogue lists the cuts in the order of TovRibbonCut");

constexpr const TovRibbonCutInfo& CutInfo(TovRibbonCut ACut) {
    return kRibbonCuts[static_cast<int>(ACut)];
}

// Which family bit a style (0 2007, 1 2010, 2 2013) stands for.
constexpr std::uint8_t FamilyOfStyle(int AStyle) {
    return std::uint8_t(1u << AStyle);
}

// The ten picture sheets, embedded under these names: per family one common sheet and its colour sheets.
struct TovRibbonSheetInfo {
    const char* Name;
    int Style; // 0 2007, 1 2010, 2 2013
    TovRibbonSheetKind Kind;
};
inline constexpr TovRibbonSheetInfo kRibbonSheets[] = {
    {"RIBBONCOMMON", 0, TovRibbonSheetKind::Common},     {"RIBBONBLUE", 0, TovRibbonSheetKind::Color},
    {"RIBBONBLACK", 0, TovRibbonSheetKind::Color},       {"RIBBONSILVER", 0, TovRibbonSheetKind::Color},
    {"RIBBONCOMMON2010", 1, TovRibbonSheetKind::Common}, {"RIBBONBLUE2010", 1, TovRibbonSheetKind::Color},
    {"RIBBONSILVER2010", 1, TovRibbonSheetKind::Color},  {"RIBBONBLACK2010", 1, TovRibbonSheetKind::Color},
    {"RIBBONCOMMON2013", 2, TovRibbonSheetKind::Common}, {"RIBBONALL2013", 2, TovRibbonSheetKind::Color},
};

} // namespace ribbon_sheets
