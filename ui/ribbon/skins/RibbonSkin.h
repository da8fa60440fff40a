// TovCustomRibbonSkin: the base of every ribbon skin, the object that knows how each element of a ribbon,
// its menus, galleries, quick access toolbar, form frame and status bar looks. It is a bar skin: a list of
// parts cut from two picture sheets (a common one and one of its colour scheme) embedded in the program.
// One object exists per colour scheme and style for the whole process (the skins manager makes them) and
// is shared by every ribbon that chooses it; the sheets are loaded when the first ribbon starts to use it
// and the parts are freed when the last one stops.
//
// The base answers every drawing operation with system colours and plain shapes: what a skin shows on a
// screen of 8 bits per pixel or fewer, where every concrete skin falls back to it. The families below
// draw with their parts (RibbonTexturedSkin.h, Ribbon2010Skin.h, Ribbon2013Skin.h). Operations that hand
// an element to another operation call it virtually, so a skin that overrides the target changes every
// element drawn through it. Every drawing operation takes the DC and the target rectangle first; Accent,
// where an operation takes one, comes last. States are the skin states 0..8 (SkinPartKinds.h).
#pragma once

#include "ui/bars/skin/BarSkin.h"
#include "ui/ribbon/skins/RibbonSheetCatalogue.h"
#include "ui/ribbon/skins/RibbonSkinTypes.h"

#include "platform/vcl/Graphics.h"

#include <array>
#include <bitset>
#include <cstdint>

class TFont;
class TovGPImage;
class TovSkinnedRect;
class TuiLookAndFeelPainterBase;

// The sides a ribbon frame draws its border on.
using TovRibbonFrameSides = std::uint8_t;
constexpr TovRibbonFrameSides rfsLeft = 1;
constexpr TovRibbonFrameSides rfsTop = 2;
constexpr TovRibbonFrameSides rfsRight = 4;
constexpr TovRibbonFrameSides rfsBottom = 8;
constexpr TovRibbonFrameSides rfsAll = rfsLeft | rfsTop | rfsRight | rfsBottom;

// Arrow directions of DrawArrowGlyph: 0 up, 1 down, 2 left, 3 right.
constexpr int ovRibbonArrowUp = 0;
constexpr int ovRibbonArrowDown = 1;
constexpr int ovRibbonArrowLeft = 2;
constexpr int ovRibbonArrowRight = 3;

class TovCustomRibbonSkin : public TovCustomBarSkin {
public:
    // The parts of one element: the part list index of each skin state (a state strip) or of each cell;
    // -1 for none.
    static constexpr int MaxPartEntries = 28;
    using TPartTable = std::array<int, MaxPartEntries>;

    TovCustomRibbonSkin();
    ~TovCustomRibbonSkin() override;

    // ---- Use by ribbons
    // One more ribbon uses the skin; the first loads the sheets and cuts the parts. When loading fails
    // the skin is left as before (no parts, no user) and the error propagates, so a later AddRef tries
    // again.
    void AddRef();
    // One ribbon fewer; the last frees the parts. Releasing an unused skin does nothing.
    void Release();
    int UseCount() const { return FUseCount; }
    // Drawn with system colours: set for screens of 8 bits per pixel or fewer, when the skin is made.
    bool LowColors() const { return FLowColors; }
    void Clear() override;

    virtual TovRibbonStyle GetStyle() const { return rs2007; }

    // ---- Parts
    // The part list index of an element's entry (its state, or its cell), -1 when it has none.
    int PartIndex(ribbon_sheets::TovRibbonCut ASlot, int AEntry) const;
    // The part, or null when the entry has none.
    TovSkinnedRect* PartOf(ribbon_sheets::TovRibbonCut ASlot, int AEntry) const;
    // Whether loading cut the cells of the catalogue entry (for checks of the catalogue's families).
    bool WasCut(ribbon_sheets::TovRibbonCut ACut) const { return FCut.test(std::size_t(ACut)); }

    // ---- Drawing and metrics, in the order ribbons, painters and the skin interface meet them
    virtual void DrawSmallButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder, TColor& ASideFill);
    // AState 0 normal, 1 hot, 2 pressed.
    virtual void DrawApplicationButton(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent);
    // ABounds: the extra pane's rectangle.
    virtual void DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                               TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuButton(HDC DC, const TRect& R, int AState,
                                           TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPaneItem(HDC DC, const TRect& R, int AState,
                                                  TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPanePinButton(HDC DC, const TRect& R, int AState,
                                                       TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPanePinButtonGlyph(HDC DC, const TRect& R, bool APinned, int AState,
                                                            TovRibbonColorSchemeAccent AAccent);
    // AButtonBounds: the application button's rectangle.
    virtual TRect GetApplicationMenuContentOffset(const TRect& AButtonBounds);
    virtual TSize GetApplicationButtonSize();
    virtual TColor GetDefaultTextColor();
    virtual void DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent);
    virtual void DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                               TovRibbonColorSchemeAccent AAccent);
    virtual void DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                               TovRibbonColorSchemeAccent AAccent);
    virtual void DrawButtonGroupBorderLeft(HDC DC, const TRect& R);
    virtual void DrawButtonGroupSeparator(HDC DC, const TRect& R, int AState);
    virtual void DrawButtonGroupBorderRight(HDC DC, const TRect& R);
    virtual void DrawButtonGroupSplitButtonSeparator(HDC DC, const TRect& R, int AState);
    virtual void DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState);
    virtual void DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState);
    virtual void DrawDropDownGalleryBackground(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryBottomSizeGrip(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryBottomVerticalSizeGrip(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryTopSizeGrip(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R);
    virtual void DrawDropDownGalleryTopVerticalSizeGrip(HDC DC, const TRect& R);
    virtual void DrawEditArrowButtonGlyph(HDC DC, const TRect& R, int AState);
    virtual void DrawEditButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawEditEllipsisButtonGlyph(HDC DC, const TRect& R, int AState);
    virtual void DrawEditButtonAuxiliaryGlyph(HDC DC, const TRect& R, int AState);
    virtual void DrawEditButtonAuxiliaryGlyph2(HDC DC, const TRect& R, int AState);
    virtual int AdjustCaptionFontSize(int ASize, bool ADrawsOnGlass);
    virtual void HandleRibbonNotification(int AValue1, int AValue2, int AValue3);
    virtual bool IsApplicationButtonTab();
    // AIcon 0 minimize, 1 maximize, 2 restore, 3 close, 4 help (5, 6: auto-hide and show-ribbon buttons);
    // AState a form button state: 0 normal, 1 hot, 2 pressed, 3 inactive, 4 hot on an inactive form.
    virtual void DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                                    TovRibbonColorSchemeAccent AAccent);
    // AWidths: the border widths (left, top, right, bottom).
    virtual void DrawFormBorders(HDC DC, const TRect& AWidths, const TovRibbonSkinPaintData& AData);
    virtual void DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData);
    // ASide 0 left, 1 right; AKind 0 or 1; AStatusBarKind: the status bar's own kind of border.
    virtual void DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind, bool AActive,
                                         bool AStatusBarKind, TovRibbonColorSchemeAccent AAccent);
    virtual TRect GetWindowBordersWidth(bool AFlag);
    virtual bool UseFlatWindowBorders();
    virtual bool UseRoundedWindowCorners();
    virtual void DrawHelpButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawHelpButtonGlyph(HDC DC, const TRect& R);
    virtual void DrawInRibbonGalleryBackground(HDC DC, const TRect& R, int AState);
    virtual void DrawGalleryItemBackground(HDC DC, const TRect& R, int AState);
    // AKind 0 up, 1 down, 2 drop-down.
    virtual void DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind, int AState,
                                                    TovRibbonColorSchemeAccent AAccent);
    virtual void DrawInRibbonGalleryScrollBarButtonGlyph(HDC DC, const TRect& R, int AKind, int AState,
                                                         TovRibbonColorSchemeAccent AAccent);
    virtual void DrawLargeButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                         TovRibbonColorSchemeAccent AAccent);
    virtual void DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                         TovRibbonColorSchemeAccent AAccent);
    virtual void DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                           TovRibbonColorSchemeAccent AAccent);
    virtual void DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent);
    // AButton 0 minimize, 1 restore, 2 close.
    virtual void DrawMDIButton(HDC DC, const TRect& R, int AButton, int AState,
                               TovRibbonColorSchemeAccent AAccent);
    // AState a button state: 0 and 1 normal, 2 hot, 3 pressed, 4 disabled.
    virtual void DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState);
    virtual void DrawMenuArrowDown(HDC DC, const TRect& R);
    virtual void DrawMenuArrowRight(HDC DC, const TRect& R);
    virtual void DrawMenuCheck(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuCheckMark(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuContent(HDC DC, const TRect& R);
    virtual void DrawMenuDetachCaption(HDC DC, const TRect& R, int AState);
    virtual void DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal);
    virtual void DrawMenuGlyph(HDC DC, const TRect& R);
    virtual void DrawMenuItemButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuItemButtonDropDown(HDC DC, const TRect& R, int AState,
                                            TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuItemButtonMainPart(HDC DC, const TRect& R, int AState,
                                            TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuMark(HDC DC, const TRect& R);
    virtual void DrawMenuScrollArea(HDC DC, const TRect& R, int AState);
    virtual void DrawMenuSeparatorHorz(HDC DC, const TRect& R);
    virtual void DrawMenuSeparatorVert(HDC DC, const TRect& R);
    virtual int GetMenuSeparatorSize();
    virtual void DrawMinimizeButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    // AGlyphKind 0 collapse, 1 expand, 2 pin; AState a button state (1 normal, 2 hot, 3 pressed, 4 disabled).
    virtual void DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                         TovRibbonColorSchemeAccent AAccent);
    virtual void DrawProgressDiscreteBand(HDC DC, const TRect& R);
    virtual void DrawProgressSolidBand(HDC DC, const TRect& R);
    virtual void DrawProgressSubstrate(HDC DC, const TRect& R);
    virtual void DrawButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawButtonDropDown(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawButtonMainPart(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewNavigationBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewItem(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewContentBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPaneBackground(HDC DC, const TRect& R);
    virtual void DrawApplicationMenuExtraPaneHeader(HDC DC, const TRect& R);
    virtual void DrawApplicationMenuExtraPaneButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPaneCheckButton(HDC DC, const TRect& R, int AState,
                                                         TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPanePinGlyph(HDC DC, const TRect& R, int AState,
                                                      TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPanePinGlyphButton(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent);
    virtual void DrawApplicationMenuExtraPaneSeparator(HDC DC, const TRect& R,
                                                       TovRibbonColorSchemeAccent AAccent);
    virtual void DrawSmallStateGlyph(HDC DC, const TRect& R, int AState);
    virtual void DrawSmallArrowGlyph(HDC DC, const TRect& R, int AState);
    // AState a tab state: 0 normal, 1 hot, 2 active, 3 active and hot, 4 focused.
    virtual void DrawTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent);
    // AActive: the form is active, or the ribbon does not draw the form's caption.
    virtual void DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                        int AApplicationMenuState);
    virtual void DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState);
    virtual void DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup, int AState);
    virtual void DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow, bool AInPopup);
    // AKind 0 left, 1 right.
    virtual void DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                     TovRibbonColorSchemeAccent AAccent);
    virtual void DrawTabSeparator(HDC DC, const TRect& R, std::uint8_t AAlpha);
    // AColor: a colour the ribbon passes (the 2013 skins take it); the font colour is set.
    virtual void SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                         TovRibbonColorSchemeAccent AAccent);
    // AColor: the colour of the tab's context.
    virtual void SetTabFontColor(TFont* AFont, int AState, TColor AColor, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawContextBackground(HDC DC, const TRect& R, TColor AColor);
    virtual void DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor);
    virtual void DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                                TovRibbonColorSchemeAccent AAccent);
    virtual void DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor,
                                          bool AQuickAccessToolbarBelow, bool AInPopup);
    virtual void DrawContextTabSeparator(HDC DC, const TRect& R, int AKind);
    virtual void AdjustQuickAccessToolbarBounds(TRect& R, bool ANonClient, bool ANotOnGlass);
    virtual void DrawQuickAccessToolbar(HDC DC, const TRect& R, bool ABelow, bool ANonClient,
                                        bool AHasApplicationButton, bool AIsActive, bool ANotOnGlass);
    virtual void DrawQuickAccessToolbarGroupButton(HDC DC, const TRect& R);
    virtual void DrawQuickAccessToolbarMarkButton(HDC DC, const TRect& R, int AState, bool ANonClientWithTabs,
                                                  bool ANonClient, bool ABelow,
                                                  TovRibbonColorSchemeAccent AAccent);
    virtual void DrawQuickAccessToolbarPopup(HDC DC, const TRect& R);
    virtual int QuickAccessToolbarStartIndent();
    virtual int QuickAccessToolbarMarkButtonIndent(bool AHasApplicationButton, bool ABelow);
    virtual int QuickAccessToolbarWidthOverride(bool AHasApplicationButton, bool ADrawsOnGlass);
    virtual int QuickAccessToolbarEndIndent();
    virtual void DrawStatusBarPanelSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawStatusBarGripSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                               TovRibbonColorSchemeAccent AAccent);
    virtual void DrawStatusBarToolbarSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawStatusBarSizeGrip(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual void DrawStatusBarSeparatorRight(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual int GetStatusBarSeparatorSize();
    virtual void DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                         TovRibbonColorSchemeAccent AAccent);
    // AElement 1 line up, 2 line down, 3 thumb, 4 page up, 5 page down.
    virtual void PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState, int AElement,
                                       TovRibbonColorSchemeAccent AAccent);
    virtual void DrawScrollBarCorner(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent);
    virtual TuiLookAndFeelPainterBase* GetScrollBarPainter();
    virtual void DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                           TovRibbonColorSchemeAccent AAccent);
    // Whether the ribbon painter adds an arrow to the scroll buttons.
    virtual bool IsScrollButtonArrowNeeded();
    virtual void DrawArrowDown(HDC DC, const TRect& R, int AState);
    virtual void DrawDropDownBorder(HDC DC, const TRect& R);
    virtual void DrawGalleryFilterBand(HDC DC, const TRect& R);
    virtual void DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R);
    virtual void DrawSeparator(HDC DC, const TRect& R, bool AHorizontal);
    virtual void DrawKeyTip(HDC DC, const TRect& R);
    virtual void DrawGalleryBackground(HDC DC, const TRect& R);
    virtual void DrawRibbonBackground(HDC DC, const TRect& R);
    virtual void DrawRibbonBackgroundTopPart(HDC DC, const TRect& R);
    // ARibbonHeight: the distance from R's top to the ribbon's bottom.
    virtual void DrawFormBackground(HDC DC, const TRect& R, int ARibbonHeight);
    virtual void DrawTabsAreaOverlay(HDC DC, const TRect& R, bool AFlag);
    virtual void DrawRibbonBottomEdge(HDC DC, const TRect& R);
    virtual void DrawScreenTip(HDC DC, const TRect& R);
    virtual void DrawScrollArrow(HDC DC, const TRect& R);
    virtual void DrawMenuCaptionSeparator(HDC DC, const TRect& R);
    virtual void DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R);
    virtual bool GetIsAlphaUsed(int APart);
    virtual TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent);
    virtual TRect GetContentOffsets(int APart);
    virtual int GetPartSize(int APart);
    // The name the skin interface answers: empty (the painters draw the edit-button glyphs themselves).
    virtual std::string GetSkinName();

    // ---- Shared drawing routines
    // Fills R with AFill and draws ABorderWidth-pixel borders of ABorderColor on ASides first; clNone as
    // border draws no border, clNone as fill fills nothing. AGdiPlusFill fills through the imaging
    // interface (opaque).
    static void DrawRibbonFrame(HDC DC, const TRect& R, TColor AFill, int ABorderWidth,
                                TovRibbonFrameSides ASides, TColor ABorderColor, bool AGdiPlusFill = false);
    // Horizontal: a line of AColor1 centred vertically in R and one of AColor2 below it; vertical: a line of
    // AColor2 centred horizontally and one of AColor1 right of it. clNone draws no line.
    static void DrawEtchedLine(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
    // The system-colour frame of every button-like element: highlighted states 2, 4, 6, 7, face otherwise.
    virtual void DrawFlatButtonFrame(HDC DC, const TRect& R, int AState);
    // A small arrow (size 4) in the colour of key 340 for the state.
    void DrawArrowGlyph(HDC DC, const TRect& R, int AState, int ADirection);
    // The vertical size grip at R's height, its cell's aspect kept, centred horizontally.
    void DrawVerticalSizeGrip(HDC DC, const TRect& R);

protected:
    // ---- Loading: the initialisation operations cut the parts, in the order of LoadSkinBitmaps.
    virtual void InitializeCommonParts(GpImage* ASheet);
    virtual void InitializeMenuParts(GpImage* ASheet);
    virtual void InitializeControlParts(GpImage* ASheet);
    virtual void InitializeColorParts(GpImage* ASheet);
    virtual void InitializeQuickAccessToolbarParts(GpImage* ASheet);
    virtual void InitializeDropDownGalleryParts(GpImage* ASheet);
    virtual void InitializeApplicationMenuParts(GpImage* ASheet);
    virtual void InitializeQuickAccessToolbarButtonParts(GpImage* ASheet);
    virtual void InitializeTabSeparator(GpImage* ASheet);
    virtual void LoadCommonTexture(TovGPImage& AImage);
    virtual void LoadColorTexture(TovGPImage& AImage) = 0;
    // The RCDATA resource AName into AImage; a missing resource raises EResNotFound.
    static void LoadSkinSheet(TovGPImage& AImage, const std::string& AName);

    // ---- Cutting
    // A state strip: for each state in AStates (every state when 0), the next cell of the strip (row n,
    // or ARows[n]) becomes the part of that state, with the ID AFirstID + state. States not in the set
    // keep their entry.
    void AddStateParts(GpImage* ASheet, TPartTable& AParts, const TRect& AFirstCell, int AFirstID,
                       const TRect& AMargins, const std::uint8_t* ARows, int ARowCount, std::uint16_t AStates,
                       bool AVertical, int AInterpolationMode);
    // The catalogue's cut ACut into the element ASlot (a family re-cuts another family's element with a
    // cut of its own geometry): a state strip by its states, any other block cell by cell.
    void Cut(GpImage* ASheet, ribbon_sheets::TovRibbonCut ACut, ribbon_sheets::TovRibbonCut ASlot);
    void Cut(GpImage* ASheet, ribbon_sheets::TovRibbonCut ACut) { Cut(ASheet, ACut, ACut); }
    // Points an element's entry at another element's part (a family using one part for several entries).
    void SharePart(ribbon_sheets::TovRibbonCut ASlot, int AEntry, ribbon_sheets::TovRibbonCut AFromSlot,
                   int AFromEntry);
    TPartTable& Parts(ribbon_sheets::TovRibbonCut ASlot) { return FParts[std::size_t(ASlot)]; }

    // ---- Drawing parts
    // The entry's part stretched over R; nothing when it has none.
    void DrawPart(ribbon_sheets::TovRibbonCut ASlot, int AEntry, HDC DC, const TRect& R,
                  std::uint8_t AAlpha = 255);
    // A state strip in a state: nothing when the state has no part; the flat frame in low-colour mode.
    void DrawStatePart(ribbon_sheets::TovRibbonCut ASlot, HDC DC, int AState, const TRect& R);
    // The entry's part at its own size centred in R (offsets rounded toward zero), moved by ADX, ADY.
    void DrawCenteredPart(ribbon_sheets::TovRibbonCut ASlot, int AEntry, HDC DC, const TRect& R, int ADX = 0,
                          int ADY = 0);
    // Screens of 8 bits per pixel or fewer draw with system colours; made for tests of that mode.
    void SetLowColors(bool AValue) { FLowColors = AValue; }

private:
    void LoadSkinBitmaps();
    void ResetParts();

    int FUseCount = 0;
    bool FLowColors = false;
    std::array<TPartTable, ribbon_sheets::ovRibbonCutCount> FParts{};
    std::bitset<ribbon_sheets::ovRibbonCutCount> FCut;
};
