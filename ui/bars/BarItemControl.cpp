#include "ui/bars/BarItemControl.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/BarHintViewInfo.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/ItemStyleValues.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/lookandfeel/PainterTypes.h"

#include <algorithm>

TovBarItemControl::TovBarItemControl(TovBarItemLink* ALink)
    : FItemLink(ALink),
      FParent(ALink != nullptr ? dynamic_cast<TCustomovBarControl*>(ALink->LinksBarControl()) : nullptr) {}

void TovBarItemControl::Initialize() {
    FDrawParams = CreateDrawParams();
    FCachedImageOptions = std::make_unique<TovCachedImageOptions>();
    FViewInfo = CreateViewInfo();
    UpdateStyles();
    FHotPartIndex = ovNoHotPart;
    CalcDrawParams(true);
    FViewInfo->SetViewLevelDirect(FParent != nullptr ? FParent->GetItemControlViewLevel(this) : ivlDefault);
}

void TovBarItemControl::BeforeDestruction() {
    FDestroying = true;
}

TovBarItemControl::~TovBarItemControl() {
    FDestroying = true;
    ovFaderSlot()->Remove(this, true);
    TovBarManager* manager = GetBarManager();
    if (manager != nullptr && manager->SelectedItem() == this) manager->SetSelectedItem(nullptr);
    if (FParent != nullptr && !FParent->IsDestroying()) {
        // Without a repaint: the control is going.
        if (FParent->SelectedControl() == this) FParent->ClearSelection();
        if (FParent->HintControl() == this) FParent->SetHintControl(nullptr);
    }
    if (FBackgroundBrush != nullptr) DeleteObject(FBackgroundBrush);
}

// ---- The link, its item, the window

TovBarItem* TovBarItemControl::Item() const {
    return FItemLink ? FItemLink->Item() : nullptr;
}

IovBarControl* TovBarItemControl::Parent() const {
    return FItemLink ? FItemLink->LinksBarControl() : nullptr;
}

TovBarSubMenuControl* TovBarItemControl::ParentSubMenu() const {
    return dynamic_cast<TovBarSubMenuControl*>(FParent);
}

TovBarManager* TovBarItemControl::GetBarManager() const {
    return FItemLink != nullptr ? FItemLink->OwningBarManager() : nullptr;
}

TovBarPaintStyle TovBarItemControl::EffectivePaintStyle() const {
    return FItemLink ? FItemLink->EffectivePaintStyle() : psStandard;
}

// ---- Hints

bool TovBarItemControl::CanShowHint(bool& ANeedsRestart, std::string& AHint, std::string& AShortCut) {
    ANeedsRestart = false;
    if (FParent == nullptr || FParent->IsActive() || FParent->HintControl() != this) return false;
    GetHintTexts(AHint, AShortCut);
    TovBarItem* item = Item();
    if (auto* action = item != nullptr ? dynamic_cast<TCustomAction*>(item->Action()) : nullptr) {
        const std::string before = AHint;
        if (!action->DoHint(AHint) || AHint != before) {
            ANeedsRestart = true;
            return false;
        }
    }
    return true;
}

std::unique_ptr<TovBarCustomHintViewInfo>
TovBarItemControl::CreateHintViewInfo(const std::string& AHint, const std::string& AShortCut) {
    TovBarPainter* painter = FParent != nullptr ? FParent->GetPainter() : nullptr;
    if (painter == nullptr) return nullptr;
    TovBarItem* item = Item();
    return painter->CreateHintViewInfo(FParent->GetBarManager(), AHint, AShortCut,
                                       item != nullptr ? item->GetScreenTip() : nullptr);
}

bool TovBarItemControl::GetEnabled() const {
    TovBarItem* item = Item();
    return item != nullptr && item->GetEnabled() && (FParent == nullptr || FParent->Enabled());
}

void TovBarItemControl::CalcHintPosition(TPoint& P, const TPoint& ACursorPos, int AHintHeight) {
    if (TovBarPainter* painter = GetPainter())
        painter->CalcHintPosition(FParent, FViewInfo->Bounds, P, ACursorPos, AHintHeight);
}

bool TovBarItemControl::GetHintOption() {
    TovBarPainter* painter = GetPainter();
    return painter == nullptr || painter->GetHintOption();
}

bool TovBarItemControl::IsFadingSelected() {
    return FDrawParams->DrawSelected;
}

IovFader* TovBarItemControl::GetFader() {
    return FParent != nullptr ? FParent->GetFader() : nullptr;
}

// ---- Change notifications

namespace {

void RebuildParent(TCustomovBarControl* AParent) {
    if (AParent != nullptr) AParent->Rebuild();
}

} // namespace

void TovBarItemControl::BeginGroupChanged() {
    RebuildParent(FParent);
}

void TovBarItemControl::CaptionChanged() {
    if (FParent != nullptr && FParent->IsItemStretched(this))
        Repaint();
    else
        RebuildParent(FParent);
}

void TovBarItemControl::EnabledChanged() {
    if (FParent != nullptr) {
        // The hot tracking of the bar follows the new state at once.
        if (FParent->Handle() != nullptr) {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(FParent->Handle(), &cursor);
            PostMessage(FParent->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
        }
        if (!GetEnabled() && FParent->SelectedControl() == this) FParent->SetSelectedControl(nullptr);
    }
    Repaint();
}

void TovBarItemControl::GlyphChanged() {
    if (!FViewInfo || !FDrawParams) {
        Repaint();
        return;
    }
    // A new or lost glyph may change the levels the control can take and the parts it shows: the view
    // info is made again then and the bar laid out anew.
    TovBarItemViewLevels possible = GetPossibleViewLevels();
    TovBarItemViewLevels allowed = possible;
    if (FItemLink != nullptr && !(possible * FItemLink->ViewLevels).empty())
        allowed = possible * FItemLink->ViewLevels;
    const bool glyphShown = GetViewStructure().Contains(ivpGlyph);
    if (!possible.empty() && allowed != FViewInfo->AllowedViewLevels()) {
        const TovBarItemViewLevel level = FViewInfo->ViewLevel();
        const TRect bounds = FViewInfo->Bounds;
        FViewInfo = CreateViewInfo();
        FViewInfo->SetViewLevelDirect(level);
        FViewInfo->Bounds = bounds;
        RebuildParent(FParent);
    } else if (glyphShown != FDrawParams->ViewStructure.Contains(ivpGlyph)) {
        RebuildParent(FParent);
    } else {
        Repaint();
    }
}

void TovBarItemControl::LargeGlyphChanged() {
    if (GetViewSize() == ivsSmall) return;
    if (GetPaintType() == iptMenu)
        Repaint();
    else
        RebuildParent(FParent);
}

void TovBarItemControl::StateChanged() {
    CalcDrawParamsAndParts();
    Repaint();
}

void TovBarItemControl::PressedChanged() {
    if (!FPressed) Repaint();
}

void TovBarItemControl::MostRecentlyUsedChanged() {
    RebuildParent(FParent);
}

void TovBarItemControl::WidthChanged() {
    if (dynamic_cast<TovBarControl*>(FParent) != nullptr) FParent->Rebuild();
}

// ---- Behaviour

bool TovBarItemControl::IsLinkManagerItem() const {
    TovBarItem* item = Item();
    return item == nullptr || item->BarManager() == GetBarManager();
}

bool TovBarItemControl::CanSelect() const {
    return !(FParent != nullptr && FParent->IsCustomizing() && !IsLinkManagerItem());
}

void TovBarItemControl::UpdateHotPartIndex(const TPoint& P) {
    SetHotPartIndex(GetEnabled() ? HitTest(P) : ovNoHotPart);
}

bool TovBarItemControl::ParentStillHoldsMe() const {
    return FParent != nullptr && FParent->ContainsControl(this);
}

void TovBarItemControl::Click(bool AByMouse, WORD AKey) {
    if (!GetEnabled()) return;
    TWeakLink<TovBarItemControl> self(this);
    TWeakLink<TCustomovBarControl> parent(FParent);
    ControlMouseDown(AByMouse);
    if (self && parent && ParentStillHoldsMe()) ControlClick(AByMouse);
}

void TovBarItemControl::ControlActivate(bool AImmediately, bool AByMouse) {
    FIsActive = true;
}

void TovBarItemControl::ControlInactivate(bool AImmediately) {
    FIsActive = false;
}

void TovBarItemControl::ControlClick(bool AByMouse) {
    TovBarItem* item = Item();
    if (FItemLink == nullptr || item == nullptr) return;
    auto* button = dynamic_cast<TovBarButton*>(item);
    if (button != nullptr && IsButtonLike() && ParentSubMenu() != nullptr) ovBarPlaySound(bsMenuCommand);
    TovBarItemLink* reportedLink = FItemLink->GetSourceItemLink();
    const bool closeMenus = CloseMenusOnClick();
    if (closeMenus) {
        if (reportedLink != FItemLink) reportedLink->MarkAsRecentlyUsed(true);
        FItemLink->MarkAsRecentlyUsed(true);
    }
    // A menu that closes cannot show its item pressed; a toolbar shows it while the click runs.
    const bool parentPermits = ParentSubMenu() == nullptr;
    const bool showPressed = (button == nullptr || item->UnclickAfterDoing) && (!closeMenus || parentPermits);
    TWeakLink<TovBarItemControl> self(this);
    TWeakLink<TovBarItem> itemLink(item);
    TWeakLink<TCustomovBarControl> parent(FParent);
    if (showPressed) SetPressed(true);
    if (closeMenus && parent) FParent->CloseUp(bcrItemClick);
    if (self && CanClick() && itemLink) {
        TWeakLink<TovBarItemLink> linkAlive(reportedLink);
        item->ClickItemLink = reportedLink;
        item->Click();
        if (itemLink) item->ClickItemLink = nullptr;
    }
    if (self && showPressed) SetPressed(false);
}

void TovBarItemControl::ControlMouseUp(bool AByMouse) {
    if (FParent == nullptr) return;
    FParent->SetMouseDownState(false);
    FParent->SetSelectedControl(this);
}

bool TovBarItemControl::IsSelected() const {
    return FParent != nullptr && FParent->SelectedControl() == this && (GetEnabled() || !FSelectedByMouse);
}

// ---- Levels, structure, sizes of view

TovBarItemViewLevels TovBarItemControl::GetPossibleViewLevels() const {
    if (HasGlyph(ivsSmall)) return TovBarItemViewLevels{ivlSmallIconWithText, ivlSmallIcon};
    return TovBarItemViewLevels{ivlSmallIconWithText};
}

namespace {

TovBarItemViewLevel LevelOf(const TovBarItemControlViewInfo* AViewInfo) {
    return AViewInfo != nullptr ? AViewInfo->ViewLevel() : ivlDefault;
}

} // namespace

TovBarItemViewStructure TovBarItemControl::GetViewStructure() const {
    switch (LevelOf(FViewInfo.get())) {
    case ivlLargeControlOnly:
    case ivlControlOnly:
        return {};
    case ivlSmallIcon:
        return HasGlyph(GetViewSize()) ? TovBarItemViewStructure{ivpGlyph} : TovBarItemViewStructure{};
    case ivlLargeIconWithText:
    case ivlSmallIconWithText: {
        TovBarItemViewStructure structure{ivpCaption};
        if (HasGlyph(GetViewSize())) structure += ivpGlyph;
        return structure;
    }
    case ivlDefault:
        break;
    }
    return GetDefaultViewStructure();
}

TovBarItemViewSize TovBarItemControl::GetViewSize() const {
    switch (LevelOf(FViewInfo.get())) {
    case ivlLargeIconWithText:
        return ivsLarge;
    case ivlSmallIconWithText:
    case ivlSmallIcon:
        return ivsSmall;
    default:
        return GetDefaultViewSize();
    }
}

TovBarItemViewSize TovBarItemControl::GetDefaultViewSize() const {
    if (GetMenuItemSize() == misLarge) return ivsLarge;
    TovBarManager* manager = GetBarManager();
    TovBarPainter* painter = GetPainter();
    if (manager != nullptr && manager->LargeIcons() && painter != nullptr && painter->AllowLargeIcons())
        return ivsLargeIcons;
    return ivsSmall;
}

TovBarItemPaintType TovBarItemControl::GetPaintType() const {
    return FParent != nullptr ? FParent->GetPaintType() : iptHorizontal;
}

std::unique_ptr<TovBarItemControlViewInfo> TovBarItemControl::CreateViewInfo() {
    return std::make_unique<TovBarItemControlViewInfo>(this);
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarItemControl::CreateDrawParams() {
    return std::make_unique<TovBarItemControlDrawParams>(this);
}

std::string TovBarItemControl::GetCaption() const {
    return FItemLink != nullptr ? FItemLink->EffectiveCaption() : std::string();
}

void TovBarItemControl::GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                                             TColor& AShadowColor) const {
    if (TovBarPainter* painter = GetPainter())
        painter->GetTextColors(const_cast<TovBarItemControl*>(this), AEnabled, AColor, AShadowColor,
                               ASelected, AFlat);
}

std::string TovBarItemControl::GetHint() const {
    TovBarItem* item = Item();
    return item != nullptr ? item->GetHint() : std::string();
}

void TovBarItemControl::GetHintTexts(std::string& AHint, std::string& AShortCut) const {
    AHint = GetShortHint(GetHint());
    const TShortCut shortCut = GetShortCut();
    // The hint shows the text as it is appended: " (Ctrl+S)".
    AShortCut = GetShortCutHintText(shortCut);
}

TovBarMenuItemSize TovBarItemControl::GetMenuItemSize() const {
    TovBarItemLinks* links = FItemLink != nullptr ? FItemLink->Links() : nullptr;
    return links != nullptr ? links->GetMenuItemSize() : misNormal;
}

TovBarPainter* TovBarItemControl::GetPainter() const {
    if (FParent != nullptr) return FParent->GetPainter();
    TovBarManager* manager = GetBarManager();
    return manager != nullptr ? manager->DefaultPainter() : nullptr;
}

TShortCut TovBarItemControl::GetShortCut() const {
    TovBarItem* item = Item();
    return item != nullptr ? item->ShortCut() : 0;
}

int TovBarItemControl::GetMenuCaptionOffset() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->GetMenuCaptionOffset(FDrawParams.get()) : 0;
}

void TovBarItemControl::GetTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                                      TColor& AShadowColor) const {
    TovBarItemStyleValues style;
    if (AEnabled && ovBarItemStyleValues(Item(), 0, style) && style.HasTextColor &&
        style.TextColor != clDefault) {
        AColor = style.TextColor;
        AShadowColor = style.TextColor;
        return;
    }
    GetDefaultTextColors(AEnabled, ASelected, AFlat, AColor, AShadowColor);
}

// ---- Images

bool TovBarItemControl::LargeImagesApply(TovBarItemViewSize AViewSize) const {
    if (AViewSize == ivsLarge) return true;
    TovBarManager* manager = GetBarManager();
    return GetPaintType() != iptMenu && AViewSize == ivsLargeIcons && manager != nullptr &&
           manager->ImageOptions()->UseLargeImagesForLargeIcons();
}

TCustomImageList* TovBarItemControl::LargeImageList() const {
    TovBarManager* manager = GetBarManager();
    if (manager == nullptr) return nullptr;
    if (!GetEnabled() && manager->DisabledLargeImages() != nullptr) return manager->DisabledLargeImages();
    return manager->LargeImages();
}

TCustomImageList* TovBarItemControl::GetImages(TovBarItemViewSize AViewSize) const {
    TCustomImageList* large = LargeImageList();
    if (LargeImagesApply(AViewSize) && uiIsImageAssigned(large, GetRealImageIndex(AViewSize))) return large;
    if (FParent != nullptr)
        if (TCustomImageList* own = FParent->GetImages()) return own;
    TovBarManager* manager = GetBarManager();
    if (manager == nullptr) return nullptr;
    if (!GetEnabled() && manager->DisabledImages() != nullptr) return manager->DisabledImages();
    return manager->Images();
}

TBitmap* TovBarItemControl::GetGlyph() const {
    if (FItemLink != nullptr && FItemLink->UserDefine().Contains(udGlyph) &&
        uiIsGlyphAssigned(FItemLink->UserGlyph()))
        return FItemLink->UserGlyph();
    TovBarItem* item = Item();
    return item != nullptr ? item->Glyph() : nullptr;
}

TCustomImageList* TovBarItemControl::GetHotImages() const {
    TovBarManager* manager = GetBarManager();
    return manager != nullptr ? manager->HotImages() : nullptr;
}

bool TovBarItemControl::IsGlyphDrawnEnabled(TovBarItemViewSize AViewSize) const {
    if (GetEnabled()) return true;
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    GetImageInfo(AViewSize, false, index, images, glyph);
    TovBarManager* manager = GetBarManager();
    if (glyph != nullptr || manager == nullptr) return false;
    // A disabled list already holds the disabled look.
    TCustomImageList* disabled = images != nullptr && images == manager->DisabledLargeImages()
                                     ? manager->DisabledLargeImages()
                                     : manager->DisabledImages();
    return disabled != nullptr && images == disabled;
}

int TovBarItemControl::GetImageIndex() const {
    if (FItemLink != nullptr && FItemLink->ImageIndex != -1) return FItemLink->ImageIndex;
    TovBarItem* item = Item();
    return item != nullptr ? item->GetImageIndex() : -1;
}

TBitmap* TovBarItemControl::GetLargeGlyph() const {
    TovBarItem* item = Item();
    return item != nullptr ? item->LargeGlyph() : nullptr;
}

int TovBarItemControl::GetLargeImageIndex() const {
    TovBarItem* item = Item();
    return item != nullptr ? item->LargeImageIndex() : -1;
}

bool TovBarItemControl::GetImageInfo(TovBarItemViewSize AViewSize, bool AHot, int& AImageIndex,
                                     TCustomImageList*& AImages, TBitmap*& AGlyph) const {
    AImages = GetImages(AViewSize);
    AImageIndex = GetRealImageIndex(AViewSize);
    const bool largeImages = LargeImagesApply(AViewSize);
    if (largeImages && uiIsGlyphAssigned(GetLargeGlyph()))
        AGlyph = GetLargeGlyph();
    else if (largeImages && AImages != nullptr && AImages == LargeImageList() &&
             uiIsImageAssigned(AImages, AImageIndex))
        AGlyph = nullptr;
    else
        AGlyph = GetGlyph();
    if (!uiIsGlyphAssigned(AGlyph)) AGlyph = nullptr;
    if (AGlyph != nullptr || uiIsImageAssigned(AImages, AImageIndex)) return true;
    AGlyph = FParent != nullptr ? FParent->GetDefaultGlyph() : nullptr;
    if (!uiIsGlyphAssigned(AGlyph)) AGlyph = nullptr;
    return AGlyph != nullptr;
}

int TovBarItemControl::GetRealImageIndex(TovBarItemViewSize AViewSize) const {
    if (LargeImagesApply(AViewSize) && LargeImageList() != nullptr && GetLargeImageIndex() != -1)
        return GetLargeImageIndex();
    return GetImageIndex();
}

void TovBarItemControl::GetGlyphSize(TovBarItemViewSize AViewSize, bool AHot, TSize& ASize) const {
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    const bool has = GetImageInfo(AViewSize, AHot, index, images, glyph);
    ASize = uiGetImageSize(glyph, images, index);
    if (has && ASize.cx > 0 && ASize.cy > 0) return;
    if (AViewSize == ivsLarge) {
        ASize = TSize{20, 20};
        return;
    }
    TovBarManager* manager = GetBarManager();
    const int size = manager != nullptr ? manager->GetGlyphSize() : TovBarPainter::GetSmallImageSize();
    ASize = TSize{size, size};
}

// ---- State for the painter

void TovBarItemControl::CalcDrawParams(bool AFull) {
    if (!FDrawParams) return; // not initialized (made without ovMakeItemControl)
    TovBarItemControlDrawParams& params = *FDrawParams;
    if (AFull) {
        TovBarItem* item = Item();
        params.Caption = GetCaption();
        params.Description = item != nullptr ? item->Description() : std::string();
        params.ShortCut.clear();
        params.PaintType = GetPaintType();
        params.Enabled = GetEnabled();
        params.CanSelect = CanSelect();
        params.DrawSelected = IsSelected();
        params.IsDropDown = IsDropDown();
        params.HotPartIndex = FHotPartIndex;
        params.IsCustomizing = FParent != nullptr && FParent->IsCustomizing();
        params.SelectedByKey = params.DrawSelected && !FSelectedByMouse;
    }
    params.Canvas = GetCanvas();
    params.SetViewSize(GetViewSize());
    params.ViewStructure = GetViewStructure();
    TovBarManager* manager = GetBarManager();
    const int glyphSize = manager != nullptr ? manager->GetGlyphSize() : TovBarPainter::GetSmallImageSize();
    if (TovBarPainter* painter = GetPainter())
        painter->GetItemSize(glyphSize, GetTextHeight(), params.GlyphSize);
}

void TovBarItemControl::CalcParts() {
    if (!FDrawParams) return;
    FParts.assign(static_cast<std::size_t>(std::max(GetPartCount(), 0)), GetBoundsRect());
}

void TovBarItemControl::UpdateStyles() {
    TovBarSavedFont saved;
    SelectFont(nullptr, 0, saved);
    try {
        CalcStyles();
    } catch (...) {
        RestoreFont(saved);
        throw;
    }
    RestoreFont(saved);
}

void TovBarItemControl::CalcStyles() {
    if (FBackgroundBrush != nullptr) DeleteObject(FBackgroundBrush);
    FBackgroundBrush = nullptr;
    TovBarItemStyleValues style;
    const bool hasStyle = ovBarItemStyleValues(Item(), 0, style);
    if (hasStyle && style.HasColor && style.Color != clDefault)
        FBackgroundBrush = CreateSolidBrush(ColorToRGB(style.Color));
    FTextSize = FParent != nullptr ? FParent->GetTextSize() : 0;
    FOwnTextSize = 0;
    if (hasStyle && style.HasFont)
        if (TovBarPainter* painter = GetPainter()) FOwnTextSize = painter->DefaultTextExtent(GetCanvas());
}

void TovBarItemControl::SelectFont(TFont* AFont, int AStyleIndex, TovBarSavedFont& ASaved) {
    ASaved.Selected = false;
    TovBarItemStyleValues style;
    const bool styleFont = ovBarItemStyleValues(Item(), AStyleIndex, style) && style.HasFont;
    TuiCanvas* canvas = GetCanvas();
    if ((AFont == nullptr && !styleFont) || canvas == nullptr) return;
    ASaved.Font = canvas->Font()->LogFont();
    ASaved.Selected = true;
    LOGFONT font = AFont != nullptr ? AFont->LogFont() : ASaved.Font;
    if (styleFont) {
        // Rotated bars keep their rotation under a style's font.
        const LOGFONT start = font;
        font = style.Font;
        font.lfEscapement = start.lfEscapement;
        font.lfOrientation = start.lfOrientation;
        font.lfOutPrecision = start.lfOutPrecision;
    }
    canvas->Font()->SetHandle(CreateFontIndirect(&font));
}

void TovBarItemControl::RestoreFont(TovBarSavedFont& ASaved) {
    if (!ASaved.Selected) return;
    if (TuiCanvas* canvas = GetCanvas()) canvas->Font()->SetHandle(CreateFontIndirect(&ASaved.Font));
    ASaved.Selected = false;
}

// ---- Measures

namespace {

// The item's font on its bar's canvas while a text is measured: a style's font changes the item's size.
class TItemFontForMeasuring {
public:
    explicit TItemFontForMeasuring(const TovBarItemControl* AControl)
        : FControl(const_cast<TovBarItemControl*>(AControl)) {
        FControl->SelectFont(nullptr, 0, FSaved);
    }
    ~TItemFontForMeasuring() { FControl->RestoreFont(FSaved); }
    TItemFontForMeasuring(const TItemFontForMeasuring&) = delete;
    TItemFontForMeasuring& operator=(const TItemFontForMeasuring&) = delete;

private:
    TovBarItemControl* FControl;
    TovBarSavedFont FSaved;
};

} // namespace

int TovBarItemControl::GetCaptionWidth() const {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return 0;
    TItemFontForMeasuring font(this);
    TRect r{0, 0, 0, 0};
    painter->CalcCaptionRect(FDrawParams.get(), r);
    return uiWidthOfRect(r);
}

void TovBarItemControl::GetTextOffsets(int AIndex, TRect& R) const {
    R = TRect{0, 0, 0, 0};
    if (TovBarPainter* painter = GetPainter()) painter->GetTextOffsets(FDrawParams.get(), AIndex, R);
}

int TovBarItemControl::GetCaptionAreaWidth() const {
    if (!FDrawParams->ViewStructure.Contains(ivpCaption)) return 0;
    TovBarPainter* painter = GetPainter();
    const int captionWidth = GetCaptionWidth();
    if (GetPaintType() != iptMenu) {
        if (!FDrawParams->ViewStructure.Contains(ivpGlyph)) return captionWidth + 2 * GetTextIndent();
        TRect offsets{0, 0, 0, 0};
        if (painter != nullptr) painter->GetButtonCaptionOffsets(offsets);
        return captionWidth + offsets.left;
    }
    int width = captionWidth;
    TovBarItemLinks* links = FItemLink != nullptr ? FItemLink->Links() : nullptr;
    const TShortCut shortCut = GetShortCut();
    TItemFontForMeasuring font(this);
    TuiCanvas* canvas = GetCanvas();
    if (links != nullptr && links->ShowsShortCuts() && shortCut != 0 && canvas != nullptr)
        width += canvas->TextWidth(ShortCutToText(shortCut)) + FTextSize - 6;
    if (links != nullptr && links->GetMenuItemSize() == misLarge && links->ShowsDescriptions() &&
        !FDrawParams->Description.empty() && canvas != nullptr) {
        TRect description{0, 0, 0, 0};
        // Descriptions show on two lines at most.
        uiMeasureTextRect(TovBarPainter::TextDC(canvas), FDrawParams->Description, 2, description);
        width = std::max(width, uiWidthOfRect(description));
    }
    TRect offsets{0, 0, 0, 0};
    GetTextOffsets(1, offsets);
    width += offsets.left + offsets.right;
    if (painter != nullptr) width += painter->GetMenuGlyphAreaWidth(FDrawParams.get());
    return width;
}

int TovBarItemControl::GetIconAreaWidth() const {
    if (GetPaintType() == iptMenu) return FParent != nullptr ? FParent->GetIconAreaSize() : 0;
    if (!FDrawParams->ViewStructure.Contains(ivpGlyph)) return 0;
    return IsVertical() ? FDrawParams->GlyphSize.cy : FDrawParams->GlyphSize.cx;
}

int TovBarItemControl::GetTextIndent() const {
    TFont* font = FParent != nullptr ? FParent->GetFont() : nullptr;
    return font != nullptr ? font->Size() / 2 : 0;
}

int TovBarItemControl::GetHeight() const {
    int height;
    if (ParentSubMenu() != nullptr)
        height = GetMenuHeight();
    else if (IsVertical())
        height = GetDefaultWidth();
    else
        height = GetDefaultHeight();
    ovAdjustToTouchableSize(height);
    return height;
}

int TovBarItemControl::GetWidth() const {
    if (GetPaintType() == iptMenu) return GetMenuWidth();
    if (IsVertical()) return GetDefaultHeight();
    return GetDefaultWidth();
}

int TovBarItemControl::GetSmallWidth() const {
    return GetIconAreaWidth() + GetCaptionAreaWidth() + GetControlAreaWidth();
}

int TovBarItemControl::GetLargeWidth() const {
    return std::max(GetIconAreaWidth(), GetCaptionAreaWidth()) + GetControlAreaWidth();
}

int TovBarItemControl::GetMenuHeight() const {
    int height = FParent != nullptr ? FParent->GetItemHeight(const_cast<TovBarItemControl*>(this)) : 0;
    if (TovBarPainter* painter = GetPainter()) painter->AdjustMenuItemHeight(height);
    return height;
}

int TovBarItemControl::GetMenuWidth() const {
    int width = GetSmallWidth();
    if (TovBarPainter* painter = GetPainter()) painter->AdjustMenuItemWidth(width);
    return width;
}

int TovBarItemControl::GetSmallHeight() const {
    int height = 0;
    if (FDrawParams->ViewStructure.Contains(ivpCaption)) height = GetTextHeight();
    if (FDrawParams->ViewStructure.Contains(ivpGlyph))
        height = std::max(height, IsVertical() ? FDrawParams->GlyphSize.cx : FDrawParams->GlyphSize.cy);
    return height;
}

int TovBarItemControl::GetDefaultHeight() const {
    return FDrawParams->ViewSize() == ivsLarge ? GetLargeHeight() : GetSmallHeight();
}

int TovBarItemControl::GetDefaultWidth() const {
    return FDrawParams->ViewSize() == ivsLarge ? GetLargeWidth() : GetSmallWidth();
}

// ---- Questions of the bar control

bool TovBarItemControl::IsSelectionKept() const {
    return FParent != nullptr && FParent->GetBehaviorOptions().Contains(bboKeepSelection);
}

bool TovBarItemControl::HasHint() const {
    return !GetHint().empty() && dynamic_cast<TovBarControl*>(FParent) != nullptr;
}

bool TovBarItemControl::IsSubMenuJoined() const {
    return FParent != nullptr && FParent->IsSubMenuJoined();
}

bool TovBarItemControl::ContainsWindow(HWND AWnd) const {
    if (FParent == nullptr || FParent->Handle() == nullptr || AWnd == nullptr) return false;
    return AWnd == FParent->Handle() || IsChild(FParent->Handle(), AWnd);
}

bool TovBarItemControl::IsVertical() const {
    return FParent != nullptr && FParent->IsTextRotated();
}

void TovBarItemControl::Repaint() {
    if (FParent != nullptr && FParent->Handle() != nullptr) FParent->RepaintItemControl(this);
}

void TovBarItemControl::InvalidateRect(const TRect& R) {
    if (FParent != nullptr && FParent->Handle() != nullptr) ::InvalidateRect(FParent->Handle(), &R, FALSE);
}

bool TovBarItemControl::WantsDblClick() const {
    TovBarManager* manager = GetBarManager();
    return (manager != nullptr && manager->IsDesigning()) || ExpandsMenuOnDblClick();
}

// ---- Helpers

TuiCanvas* TovBarItemControl::GetCanvas() const {
    if (FActiveCanvas != nullptr) return FActiveCanvas;
    return FParent != nullptr ? FParent->GetCanvas() : nullptr;
}

TRect TovBarItemControl::GetBoundsRect() const {
    return FItemLink != nullptr ? FItemLink->ItemRect : TRect{0, 0, 0, 0};
}

TovBarItemAlign TovBarItemControl::GetAlign() const {
    TovBarItem* item = Item();
    if (item == nullptr || FParent == nullptr ||
        !FParent->IsItemStretched(const_cast<TovBarItemControl*>(this)))
        return iaLeft;
    return item->Align();
}

int TovBarItemControl::GetRealWidth() {
    CalcDrawParams(false);
    const int width = GetWidth();
    TovBarItem* item = Item();
    if (item != nullptr && item->Align() == iaClient && FParent != nullptr &&
        FParent->GetBehaviorOptions().Contains(bboStretchClientItems) && !FParent->IsDockedVertically())
        return GetMinWidth();
    return std::max(width, GetMinWidth());
}

int TovBarItemControl::GetRealHeight() {
    CalcDrawParams(false);
    TovBarItem* item = Item();
    if (item != nullptr && item->Align() == iaClient && FParent != nullptr && FParent->IsDockedVertically())
        return FParent->IsTextRotated() ? GetMinWidth() : GetMinHeight();
    return GetHeight();
}

int TovBarItemControl::HitTest(const TPoint& P) const {
    if (!uiIsPointInRect(GetBoundsRect(), P)) return ovNoHotPart;
    if (FParts.empty()) return ovHotPartInside;
    for (std::size_t i = 0; i < FParts.size(); ++i)
        if (uiIsPointInRect(FParts[i], P)) return static_cast<int>(i);
    return ovHotPartInside;
}

void TovBarItemControl::SetHotPartIndex(int AValue) {
    if (FHotPartIndex == AValue) return;
    FHotPartIndex = AValue;
    HotPartIndexChanged();
}

void TovBarItemControl::SetPressed(bool AValue) {
    if (FPressed == AValue) return;
    FPressed = AValue;
    PressedChanged();
}

void TovBarItemControl::ResetCachedValues(bool AClearViewInfoCache) {
    if (AClearViewInfoCache && FViewInfo) FViewInfo->ClearCache();
    if (FCachedImageOptions) FCachedImageOptions->ResetCachedValues();
}

void TovBarItemControl::CalcDrawParamsAndParts() {
    CalcDrawParams(false);
    CalcParts();
}

void TovBarItemControl::UpdateFadingState() {
    const bool wasHot = FDrawParams->DrawSelected && FDrawParams->HotPartIndex != ovNoHotPart;
    CalcDrawParams(true);
    const bool isHot = FDrawParams->DrawSelected && FDrawParams->HotPartIndex != ovNoHotPart;
    TovBarPainter* painter = GetPainter();
    IovFader* fader = GetFader();
    const bool possible = FParent != nullptr && FParent->AllowFading() && fader != nullptr &&
                          painter != nullptr && painter->IsFadingAvailable();
    if (!possible || FPressed || FDrawParams->SelectedByKey || wasHot == isHot) return;
    if (isHot)
        fader->FadeIn(this);
    else
        fader->FadeOut(this);
}

void TovBarItemControl::Paint(TuiCanvas* ACanvas, const TRect& R, TovBarItemPaintType APaintType) {
    if (uiIsRectEmpty(R) || ACanvas == nullptr) return;
    ACanvas->SaveState();
    try {
        TuiCanvas* usual = FParent != nullptr ? FParent->GetCanvas() : nullptr;
        if (usual != nullptr && usual != ACanvas) ACanvas->Font()->Assign(usual->Font());
        FActiveCanvas = ACanvas;
        TovBarSavedFont saved;
        SelectFont(nullptr, 0, saved);
        try {
            UpdateFadingState();
            DoPaint(R, APaintType);
        } catch (...) {
            RestoreFont(saved);
            throw;
        }
        RestoreFont(saved);
    } catch (...) {
        FActiveCanvas = nullptr;
        ACanvas->RestoreState();
        CalcDrawParams(false);
        throw;
    }
    FActiveCanvas = nullptr;
    ACanvas->RestoreState();
    CalcDrawParams(false);
}

void TovBarItemControl::Invalidate() {
    InvalidateRect(GetBoundsRect());
}

int TovBarItemControl::GetTextHeight() const {
    return FOwnTextSize != 0 ? FOwnTextSize : FTextSize;
}

bool TovBarItemControl::HasGlyph(TovBarItemViewSize AViewSize) const {
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    return GetImageInfo(AViewSize, false, index, images, glyph);
}

bool TovBarItemControl::IsMouseDownInside() const {
    if (!GetEnabled() || FParent == nullptr) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!uiIsPointInRect(FParent->GetItemControlRect(const_cast<TovBarItemControl*>(this)), cursor))
        return false;
    if (ovBarClosingMenusAfterOutsidePress()) return PrimaryButtonIsDown();
    return GetKeyState(VK_LBUTTON) < 0;
}
