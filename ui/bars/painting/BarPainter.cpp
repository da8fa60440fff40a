// The bar painter's general operations: frame and background of a bar control, arrows, text colours and
// look flags, hints, part layouts, metrics and brushes, the application menu and extra pane, the
// look-and-feel of embedded controls, and what it draws through the Standard look-and-feel painter
// (galleries, screen tips).
#include "ui/bars/painting/BarPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/BarHintViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarArrows.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainterInterfaces.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <cmath>
#include <cstdlib>

TovBarPainter::TovBarPainter(TuiLookAndFeelPainterBase*) {}
TovBarPainter::~TovBarPainter() = default;

// ---- Bar control frame and background

void TovBarPainter::DrawBarControlBackground(TCustomovBarControl* ABarControl, HDC ADC) {
    ABarControl->FillBackground(ADC, ABarControl->GetClientRect(), clNone, ABarControl->GetBackgroundBrush());
}

void TovBarPainter::GetBarCaptionRect(TovBar* ABar, const TRect& AWindowRect, TRect& R) {
    R = uiGrowRect(AWindowRect, -GetFloatingFrameWidth(), -GetFloatingFrameHeight());
    R.bottom = R.top + BarCaptionHeight();
}

// ---- Glyph decorations and arrows

void TovBarPainter::DrawCheckMark(TovBarItemControl* AControl, HDC ADC, bool AChecked,
                                  TovBarItemPaintType APaintType, const TRect& R) {
    if (APaintType != iptMenu || !AChecked) return;
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    TFont* font = parent != nullptr ? parent->GetFont() : nullptr;
    const int factor = font == nullptr || font->Size() < 16 ? 1 : 2;
    const int width = 9 * factor, height = 7 * factor;
    const int x = R.left + (uiWidthOfRect(R) - width) / 2;
    const int y = R.top + (uiHeightOfRect(R) - height) / 2;
    PaintGlyphCheck(AControl, ADC, factor, y, x);
}

void TovBarPainter::DrawDropDownArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool ASelected,
                                      bool AEnabled, int ADirection) {
    DrawArrowAuto(ADC, R, ADirection, AEnabled, ASelected, AFlat, AColor);
}

void TovBarPainter::DrawArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool AEnabled,
                              bool ASelected, int ASize, int ADirection) {
    DrawArrowSized(ADC, R, ADirection, ASize, ASelected, AEnabled, AFlat, AColor);
}

// ---- Text colours and look flags

TColor TovBarPainter::GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) {
    return ASelected && !AFlat ? clHighlightText : clBtnText;
}

void TovBarPainter::GetTextColors(TovBarItemControl* AControl, bool AEnabled, TColor& ATextColor,
                                  TColor& AShadowColor, bool ASelected, bool AFlat) {
    if (AEnabled) {
        ATextColor = GetEnabledTextColor(AControl, ASelected, AFlat);
        AShadowColor = ATextColor;
    } else {
        DisabledTextColorPair(AControl, ASelected, ATextColor, AShadowColor, AFlat);
    }
}

void TovBarPainter::DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected, TColor& ATextColor,
                                          TColor& AShadowColor, bool AFlat) {
    if (ASelected || AFlat) {
        ATextColor = clGrayText;
        AShadowColor = clGrayText;
    } else {
        ATextColor = clBtnShadow;
        AShadowColor = clBtnHighlight;
    }
}

TColor TovBarPainter::GetEnabledTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) {
    return GetTextColor(AControl, ASelected, AFlat);
}

TColor TovBarPainter::GetItemTextColor(TovBarItemControlDrawParams* ADrawParams) {
    if (!KeepTextColorWhenSelected(ADrawParams)) return clDefault;
    auto* button = dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
    const bool selected = button != nullptr ? button->IsTextSelected : ADrawParams->DrawSelected;
    TColor text = clDefault, shadow = clDefault;
    ADrawParams->BarItemControl->GetTextColors(ADrawParams->Enabled, selected, true, text, shadow);
    return text;
}

bool TovBarPainter::GetMakeDisabledImagesFaded(TCustomovBarControl* ABarControl) {
    TovBarManager* manager = ABarControl != nullptr ? ABarControl->GetBarManager() : nullptr;
    return manager != nullptr && manager->ImageOptions()->MakeDisabledImagesFaded();
}

bool TovBarPainter::IsFadingAvailable() {
    return dynamic_cast<IovBarFadingPainter*>(this) != nullptr;
}

// ---- Hints

void TovBarPainter::CalcHintPosition(TCustomovBarControl* ABarControl, const TRect& R, TPoint& P,
                                     const TPoint& ACursorPos, int AHintHeight) {
    P = ACursorPos;
    if (ABarControl != nullptr) ABarControl->GetHintPosition(P, ACursorPos, AHintHeight);
}

std::unique_ptr<TovBarCustomHintViewInfo> TovBarPainter::CreateHintViewInfo(TovBarManager* AManager,
                                                                            const std::string& AHint,
                                                                            const std::string& AShortCut,
                                                                            TComponent*) {
    return std::make_unique<TovBarHintViewInfo>(AManager, uiGetMouseCursorPos(), AShortCut, AHint);
}

// ---- Captions in buttons

void TovBarPainter::CalcCaptionRect(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    R = TRect{0, 0, 0, 0};
    if (ADrawParams->Canvas == nullptr || ADrawParams->Caption.empty()) return;
    ADrawParams->Canvas->TextExtentInRect(ADrawParams->Caption, R, 0x40 | 0x200);
}

TovBarGlyphLayout TovBarPainter::GetGlyphLayout(TovBarItemControlDrawParams* ADrawParams) {
    if (ADrawParams->ViewSize() != ivsLarge) return glLeft;
    auto* item = ADrawParams->BarItemControl != nullptr
                     ? dynamic_cast<TovBarLargeButton*>(ADrawParams->BarItemControl->Item())
                     : nullptr;
    return item != nullptr ? item->GlyphLayout() : glLeft;
}

// ---- Edit, spin and popup helpers

TuiCustomLookAndFeelPainter* TovBarPainter::GetLookAndFeelPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr
               ? dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsStandard))
               : nullptr;
}

void TovBarPainter::DrawButtonText(HDC ADC, const TRect& R, bool AOpaque, const std::string& AText,
                                   int AShift) {
    SIZE extent{};
    GetTextExtentPoint32(ADC, AText.c_str(), static_cast<int>(AText.size()), &extent);
    const COLORREF previousText = SetTextColor(ADC, GetSysColor(COLOR_BTNTEXT));
    const COLORREF previousBack = SetBkColor(ADC, GetSysColor(COLOR_BTNFACE));
    // Without AOpaque the text lies on what is drawn under it, its cell included.
    const int previousMode = SetBkMode(ADC, AOpaque ? OPAQUE : TRANSPARENT);
    const int x = R.left + (uiWidthOfRect(R) - extent.cx) / 2 + AShift;
    const int y = R.top + (uiHeightOfRect(R) - extent.cy) / 2 + AShift;
    ExtTextOut(ADC, x, y, (AOpaque ? ETO_OPAQUE : 0) | ETO_CLIPPED, &R, AText.c_str(),
               static_cast<UINT>(AText.size()), nullptr);
    SetBkMode(ADC, previousMode);
    SetTextColor(ADC, previousText);
    SetBkColor(ADC, previousBack);
}

void TovBarPainter::DrawDropDownSizeGrip(HDC ADC, const TRect& R) {
    const int height = uiHeightOfRect(R);
    const int width = height * 18 / 7;
    const int left = R.left + (uiWidthOfRect(R) - width) / 2;
    DrawSizeGrip(ADC, TRect{left, R.top, left + width, R.bottom});
}

// ---- Part layout of item controls

void TovBarPainter::ExtraPaneCalcPinButtonParts(TovBarItemControlDrawParams* ADrawParams,
                                                std::vector<TRect>& AParts) {
    if (AParts.size() < 2) return;
    AParts[1].left = AParts[1].right - ExtraPaneGetPinButtonWidth();
    AParts[0].right = AParts[1].left;
}

void TovBarPainter::ButtonCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts) {
    auto* button = dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
    if (!ADrawParams->IsDropDown || button == nullptr || AParts.size() < 2) return;
    AParts[1].left = AParts[1].right - button->ArrowSize.cx;
    AParts[0].right = AParts[1].left;
}

// ---- Bar metrics

void TovBarPainter::BarBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R,
                                   bool AWithSizeGrip) {
    auto* control = ABar != nullptr ? dynamic_cast<TovBarControl*>(ABar->GetControl()) : nullptr;
    if (ADockingStyle == dsNone) {
        R = TRect{GetFloatingFrameWidth(), GetFloatingFrameHeight(), GetFloatingFrameWidth(),
                  GetFloatingFrameHeight()};
        if (control != nullptr && !control->HasCaption()) return;
        R.left += BarFloatingSideIndent();
        R.right += BarFloatingSideIndent();
        R.top += BarCaptionAreaHeight() + BarFloatingTopIndent();
        R.bottom += BarFloatingBottomIndent();
        return;
    }
    if (ABar == nullptr || ABar->BorderStyle() == bbsSingle) {
        BarDockedBorderSizes(ABar, ADockingStyle, R);
        const int allowance =
            control == nullptr || control->CanMove() ? BarGripAreaSize(control) : BarNoGripIndent();
        if (ADockingStyle == dsTop || ADockingStyle == dsBottom)
            R.left += allowance;
        else
            R.top += allowance;
        return;
    }
    R = TRect{0, 0, 0, 0};
    if (ABar->IsStatusBarLike()) {
        TRect offsets{};
        BarStatusBarBorderOffsets(offsets);
        R.top += BarStatusBarTopBorderHeight() + offsets.top;
        R.left += offsets.left;
        R.right += offsets.right;
        R.bottom += offsets.bottom;
    }
    if (AWithSizeGrip) R.right += BarSizeGripSize().cx;
}

int TovBarPainter::GetIconAreaSize(TCustomovBarControl* ABarControl) {
    TovBarItemLinks* links = ABarControl->ItemLinks();
    int size = links != nullptr && links->GetMenuItemSize() == misLarge
                   ? static_cast<int>(std::lround(ABarControl->GetRatio() * 40))
                   : ABarControl->GetTextSize();
    AdjustMenuItemHeight(size);
    return size;
}

int TovBarPainter::GetSubItemArrowIndent(TovBarItemControlDrawParams* ADrawParams) {
    TCustomovBarControl* parent =
        ADrawParams->BarItemControl != nullptr ? ADrawParams->BarItemControl->ParentBar() : nullptr;
    TFont* font = parent != nullptr ? parent->GetFont() : nullptr;
    return font != nullptr ? std::abs(font->Height()) / 2 : 0;
}

int TovBarPainter::DefaultTextExtent(TuiCanvas* ACanvas) {
    return ACanvas != nullptr ? uiGetTextHeightOfDC(TextDC(ACanvas)) + 6 : 6;
}

HDC TovBarPainter::TextDC(TuiCanvas* ACanvas) {
    ACanvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    return ACanvas->Handle();
}

int TovBarPainter::GetFloatingFrameWidth() {
    return GetSystemMetrics(SM_CXFRAME);
}

int TovBarPainter::GetFloatingFrameHeight() {
    return GetSystemMetrics(SM_CYFRAME);
}

int TovBarPainter::GetButtonArrowWidth(TovBarManager* AManager) {
    if (AManager == nullptr) return 0;
    int width = AManager->ButtonArrowWidth() * (AManager->LargeIcons() ? 2 : 1);
    if (width % 2 == 0) ++width;
    return width;
}

int TovBarPainter::GetLargeButtonArrowWidth(TovBarManager* AManager) {
    return AManager != nullptr ? AManager->LargeButtonArrowWidth() : 0;
}

// ---- Item drawing primitives

void TovBarPainter::FillItemBackground(TovBarItemControl* AControl, HDC ADC, bool AUseBrush, HBRUSH ABrush,
                                       const TRect& R) {
    if (AUseBrush) {
        FillRect(ADC, &R, ABrush);
        return;
    }
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    if (parent != nullptr)
        parent->FillBackground(ADC, R, clNone, ABrush);
    else if (ABrush != nullptr)
        FillRect(ADC, &R, ABrush);
}

void TovBarPainter::FrameItemBackground(TovBarItemControl* AControl, HDC ADC, bool AUseBrush, HBRUSH ABrush,
                                        const TRect& R) {
    if (AUseBrush) {
        FrameRect(ADC, &R, ABrush);
        return;
    }
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    const TRect inner = uiGrowRect(R, -1, -1);
    ExcludeClipRect(ADC, inner.left, inner.top, inner.right, inner.bottom);
    FillItemBackground(AControl, ADC, false, ABrush, R);
    RestoreSavedClipRegion(ADC, saved, exists);
}

void TovBarPainter::PaintDisabledShadow(TovBarItemControl* AControl, HDC ADC, const TRect& R) {
    FillRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TovBarPainter::DrawItemParentBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                             const TRect& R) {
    ABarControl->FillBackground(ADC, R, clNone, ABrush);
}

void TovBarPainter::PaintLoweredFrame(HDC ADC, TRect& R) {
    DrawEdge(ADC, &R, BDR_SUNKENOUTER, BF_RECT);
    R = uiGrowRect(R, -1, -1);
}

HBRUSH TovBarPainter::GetItemBackgroundBrush(TovBarItemControl* AControl) {
    if (AControl->BackgroundBrush() != nullptr) return AControl->BackgroundBrush();
    TCustomovBarControl* parent = AControl->ParentBar();
    return parent != nullptr ? parent->GetBackgroundBrush() : BarToolbarBrush(nullptr);
}

bool TovBarPainter::IsFlatTextStyle() {
    return IsFlatStyle() && !HighContrastIsWhite();
}

bool TovBarPainter::UseGlyphBackgroundBrush(TovBarItemControl* AControl, bool ANoGlyph, bool ADown,
                                            bool APressed, bool ASelected) {
    if (AControl->NonRecent()) return true;
    if (ANoGlyph) return ADown || APressed || ASelected;
    return AControl->BackgroundBrush() != nullptr;
}

bool TovBarPainter::IsGlyphBackgroundFilled(TovBarItemControl* AControl) {
    if (UsesNativeBackground()) return true;
    if (AControl->NonRecent()) return false;
    TCustomovBarControl* parent = AControl->ParentBar();
    return parent != nullptr && parent->HasOwnBackground();
}

int TovBarPainter::GetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) {
    TovBarSubMenuControl* menu =
        ADrawParams->BarItemControl != nullptr ? ADrawParams->BarItemControl->ParentSubMenu() : nullptr;
    return menu != nullptr && menu->GetBandKind() == 2 ? menu->GetTextSize() + 1 : 0;
}

// ---- Backgrounds and brushes

void TovBarPainter::DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                              const TRect& AOrigin, TColor AColor, HBRUSH ABrush) {
    FillRectBrushColorOrBitmap(ADC, ADestRect, AOrigin, nullptr, AColor, ABrush);
}

bool TovBarPainter::BarControlHasShadow(TCustomovBarControl* ABarControl) {
    return IsArrowFlat() && ABarControl->DockingStyleOf() == dsNone;
}

bool TovBarPainter::SubMenuControlHasOwnerLink(TCustomovBarControl* ABarControl) {
    if (!ABarControl->IsJoinedToOwner()) return false;
    TCustomovBarControl* parent = ABarControl->ParentBarControl();
    return parent == nullptr || parent->DockingStyleOf() != dsNone;
}

HBRUSH TovBarPainter::BarControlOwnerLinkBrush(TCustomovBarControl* ABarControl) {
    return ABarControl->GetOwnerBrush();
}

void TovBarPainter::DrawOwnerEdge(TCustomovBarControl* ABarControl, HDC ADC) {
    const TRect r = ABarControl->GetOwnerEdgeRect();
    if (uiIsRectEmpty(r)) return;
    FillRect(ADC, &r, ABarControl->GetOwnerBrush());
}

HBRUSH TovBarPainter::BarToolbarBrush(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH TovBarPainter::BarDownedBrush(TCustomovBarControl* ABarControl) {
    return ovBarPatternBrush();
}

HBRUSH TovBarPainter::BarDownedSelBrush(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH TovBarPainter::BarSelBrush(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_HIGHLIGHT);
}

int TovBarPainter::GetEditTextSize(TCustomovBarControl* ABarControl, int AHeight) {
    TRect content{}, caption{};
    EditGetContentOffsets(ABarControl != nullptr ? ABarControl->GetPaintType() : iptHorizontal, content);
    ItemCaptionOffsets(caption);
    return AHeight + content.top + content.bottom + caption.top + caption.bottom;
}

// ---- Item metrics

int TovBarPainter::GetMenuGlyphAreaWidth(TovBarItemControlDrawParams* ADrawParams) {
    TovBarSubMenuControl* menu =
        ADrawParams->BarItemControl != nullptr ? ADrawParams->BarItemControl->ParentSubMenu() : nullptr;
    if (menu != nullptr) return SubMenuControlGetGlyphAreaWidth(menu);
    TCustomovBarControl* parent =
        ADrawParams->BarItemControl != nullptr ? ADrawParams->BarItemControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetIconAreaSize() : 0;
}

HBRUSH TovBarPainter::GetDropDownButtonBrush(TovBarItemControl* AControl) {
    return GetItemBackgroundBrush(AControl);
}

void TovBarPainter::GetItemSize(int AGlyphSize, int ATextHeight, TSize& ASize) {
    ASize = TSize{GetItemWidth(AGlyphSize, ATextHeight), GetItemHeight(AGlyphSize, ATextHeight)};
}

// ---- Application menu and extra pane

void TovBarPainter::ApplicationMenuDrawBackground(TCustomovBarControl* ABarControl, HDC ADC,
                                                  const TRect& AContentRect) {
    // The menu's background around the content (the content paints itself).
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    ExcludeClipRect(ADC, AContentRect.left, AContentRect.top, AContentRect.right, AContentRect.bottom);
    ABarControl->FillBackground(ADC, ABarControl->GetClientRect(), clNone, ABarControl->GetBackgroundBrush());
    RestoreSavedClipRegion(ADC, saved, exists);
}

TColor TovBarPainter::ApplicationMenuGetButtonTextColor(bool AEnabled, bool ASelected) {
    return AEnabled ? clWindowText : clGrayText;
}

void TovBarPainter::ExtraPaneDrawBackground(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    FillRectBrushColorOrBitmap(ADC, R, ABarControl->GetClientRect(), ABarControl->GetBackgroundBitmap(),
                               clNone, ABarControl->GetBackgroundBrush());
}

void TovBarPainter::ExtraPaneDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    BarDrawSeparator(ABarControl, ADC, true, ABarControl->GetBackgroundBrush(), R);
}

// ---- Look-and-feel of embedded controls

void TovBarPainter::InitLookAndFeel(TovBarManager* AManager, TuiLookAndFeel* ALookAndFeel) {
    if (AManager != nullptr && ALookAndFeel != nullptr) AManager->ApplyLookAndFeelTo(ALookAndFeel);
}

// ---- Drop-down galleries (the Standard look-and-feel painter's colours and parts)

namespace {

// The gallery's colours the look-and-feel painter answers (see DropDownGalleryDrawBackground).
TColor GalleryColor(TuiCustomLookAndFeelPainter* APainter, TColor (TuiCustomLookAndFeelPainter::*AColor)(),
                    TColor AFallback) {
    return APainter != nullptr ? (APainter->*AColor)() : AFallback;
}

// Runs ADraw on a canvas over ADC (the shared paint canvas of the library).
template <class F> void OnPaintCanvas(HDC ADC, F ADraw) {
    TuiPaintCanvas* canvas = uiPaintCanvas();
    canvas->BeginPaint(ADC);
    try {
        ADraw(canvas);
    } catch (...) {
        uiPaintCanvas()->EndPaint();
        throw;
    }
    uiPaintCanvas()->EndPaint();
}

} // namespace

// The look-and-feel painter's face colours 6 and 7 are the drop-down gallery's two faces: 7 is the
// gallery's own background, 6 the sizing bands above and below it (the Office11 look shows its header
// face there).
void TovBarPainter::DropDownGalleryDrawBackground(HDC ADC, const TRect& R) {
    FillRectWithColor(
        ADC, R,
        GalleryColor(GetLookAndFeelPainter(), &TuiCustomLookAndFeelPainter::DefaultFaceColor7, clBtnFace));
}

void TovBarPainter::DropDownGalleryDrawBorder(HDC ADC, const TRect& R) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    OnPaintCanvas(ADC, [&](TuiCanvas* ACanvas) { painter->DrawBorderFrame(ACanvas, R); });
}

void TovBarPainter::DropDownGalleryDrawBottomSizeGrip(HDC ADC, const TRect& R) {
    const TRect band{R.left, R.top + 3, R.right - 2, R.bottom - 1};
    const int side = uiHeightOfRect(band);
    DrawSizeGrip(ADC, TRect{band.right - side, band.top, band.right, band.bottom});
}

void TovBarPainter::DropDownGalleryDrawBottomSizingBand(HDC ADC, const TRect& R) {
    FillRectWithColor(
        ADC, R,
        GalleryColor(GetLookAndFeelPainter(), &TuiCustomLookAndFeelPainter::DefaultFaceColor6, clBtnFace));
}

void TovBarPainter::DropDownGalleryDrawBottomVerticalSizeGrip(HDC ADC, const TRect& R) {
    DrawDropDownSizeGrip(ADC, TRect{R.left, R.top + 1, R.right, R.bottom});
}

void TovBarPainter::GalleryDrawFilterBand(HDC ADC, const TRect& R) {
    FillRectWithColor(ADC, R,
                      GalleryColor(GetLookAndFeelPainter(), &TuiCustomLookAndFeelPainter::DefaultShadowColor4,
                                   clBtnShadow));
}

void TovBarPainter::GalleryDrawGroupHeaderBackground(HDC ADC, const TRect& R) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    OnPaintCanvas(ADC, [&](TuiCanvas* ACanvas) {
        painter->DrawHeader(ACanvas, R, R, TuiNeighbors{}, uiBordersAll, cxbsNormal, taLeftJustify,
                            taVerticalCenter, false, false, std::string(), ACanvas->Font(), clDefault,
                            clBtnFace);
    });
}

void TovBarPainter::GalleryDrawItemBackground(HDC ADC, const TRect& R, int AState) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    TuiPainterButtonState state = cxbsNormal;
    if (AState == 3 || AState == 7)
        state = cxbsHot;
    else if (AState == 4 || AState == 6)
        state = cxbsPressed;
    OnPaintCanvas(ADC, [&](TuiCanvas* ACanvas) { painter->DrawButton(ACanvas, R, std::string(), state); });
}

void TovBarPainter::DropDownGalleryDrawScrollBarBackground(HDC ADC, const TRect& R) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    OnPaintCanvas(ADC, [&](TuiCanvas* ACanvas) { painter->DrawScrollBarBackground(ACanvas, R, false); });
}

void TovBarPainter::DropDownGalleryDrawScrollBarPart(HDC ADC, const TRect& R, int APart, int AState) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    OnPaintCanvas(ADC, [&](TuiCanvas* ACanvas) {
        painter->DrawScrollBarElement(ACanvas, false, R, static_cast<TuiScrollBarPart>(APart),
                                      static_cast<TuiPainterButtonState>(AState));
    });
}

void TovBarPainter::DropDownGalleryDrawTopSizeGrip(HDC ADC, const TRect& R) {
    const TRect band{R.left, R.top + 1, R.right - 2, R.bottom - 3};
    const int side = uiHeightOfRect(band);
    DrawSizeGrip(ADC, TRect{band.right - side, band.top, band.right, band.bottom});
}

void TovBarPainter::DropDownGalleryDrawTopSizingBand(HDC ADC, const TRect& R) {
    DropDownGalleryDrawBottomSizingBand(ADC, R);
}

void TovBarPainter::DropDownGalleryDrawTopVerticalSizeGrip(HDC ADC, const TRect& R) {
    DrawDropDownSizeGrip(ADC, TRect{R.left, R.top, R.right, R.bottom - 1});
}

TColor TovBarPainter::GalleryGetGroupHeaderTextColor() {
    return GalleryColor(GetLookAndFeelPainter(), &TuiCustomLookAndFeelPainter::DefaultButtonTextColor4,
                        clBtnText);
}

TColor TovBarPainter::GetPartColor(int APart, int AState) {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    constexpr int GalleryFilterBandText = 66;
    if (APart == GalleryFilterBandText)
        return AState == 2 ? GalleryColor(painter, &TuiCustomLookAndFeelPainter::DefaultHighlightTextColor2,
                                          clHighlightText)
                           : GalleryGetGroupHeaderTextColor();
    return GalleryColor(painter, &TuiCustomLookAndFeelPainter::DefaultFaceColor6, clBtnFace);
}

int TovBarPainter::GalleryGetItemHeight(int AGlyphSize, TFont* AFont) {
    return GetItemHeight(AGlyphSize, AFont != nullptr ? uiMeasureTextHeight(AFont) : 0);
}

// ---- Screen tips

TColor TovBarPainter::ScreenTipGetTitleTextColor() {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter != nullptr ? painter->ScreenTipGetTitleTextColor() : clDefault;
}

TColor TovBarPainter::ScreenTipGetDescriptionTextColor() {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter != nullptr ? painter->ScreenTipGetDescriptionTextColor() : clDefault;
}

int TovBarPainter::ScreenTipGetFooterLineSize() {
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter != nullptr ? painter->ScreenTipGetFooterLineSize() : 3;
}

void TovBarPainter::ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R) {
    if (TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter())
        painter->ScreenTipDrawBackground(ACanvas, R);
}

void TovBarPainter::ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R) {
    if (TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter())
        painter->ScreenTipDrawFooterLine(ACanvas, R);
}
