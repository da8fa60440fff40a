#include "ui/ribbon/view/RibbonTabsViewInfo.h"

#include "platform/rtl/Numerics.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "ui/bars/BarSelectableItem.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/effects/Fader.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonTabsAreaButtons.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Every tab gives up at most this much spare width around its caption before captions shrink.
constexpr int SpareWidthPerTab = 17;
constexpr int ContextIndent = 2;
// The skin part whose size is the width of a context's edge.
constexpr int ContextEdgePart = 10150;

// The first ACount characters of a UTF-8 text.
std::string FirstCharacters(const std::string& AText, int ACount) {
    std::size_t end = 0;
    while (end < AText.size() && ACount > 0) {
        ++end;
        while (end < AText.size() && (static_cast<unsigned char>(AText[end]) & 0xC0) == 0x80)
            ++end;
        --ACount;
    }
    return AText.substr(0, end);
}

// The longest start of the text whose width in the font is within AWidth.
std::string WholeCharactersThatFit(TFont* AFont, const std::string& AText, int AWidth) {
    if (uiMeasureTextWidth(AFont, AText) <= AWidth) return AText;
    std::size_t end = AText.size();
    while (end > 0) {
        do
            --end;
        while (end > 0 && (static_cast<unsigned char>(AText[end]) & 0xC0) == 0x80);
        const std::string start = AText.substr(0, end);
        if (uiMeasureTextWidth(AFont, start) <= AWidth) return start;
    }
    return std::string();
}

} // namespace

// ---- Tab painter

void TovRibbonTabPainter::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovCustomRibbonSkin* skin = FRibbon->Skin())
        skin->DrawTab(ACanvas->Handle(), R, AState, FRibbon->ColorSchemeAccent());
}

void TovRibbonTabPainter::DrawContextBackground(TuiCanvas* ACanvas, TColor AContextColor, int AState,
                                                const TRect& R) {
    if (TovCustomRibbonSkin* skin = FRibbon->Skin())
        skin->DrawContextTab(ACanvas->Handle(), R, AContextColor, AState, FRibbon->ColorSchemeAccent());
}

void TovRibbonTabPainter::DrawContextSeparator(TuiCanvas* ACanvas, const TRect& R, bool ABegin) {
    if (TovCustomRibbonSkin* skin = FRibbon->Skin())
        skin->DrawContextTabSeparator(ACanvas->Handle(), R, ABegin ? 0 : 1);
}

void TovRibbonTabPainter::DrawSeparator(TuiCanvas* ACanvas, const TRect& R, std::uint8_t AAlpha) {
    if (TovCustomRibbonSkin* skin = FRibbon->Skin()) skin->DrawTabSeparator(ACanvas->Handle(), R, AAlpha);
}

void TovRibbonTabPainter::DrawText(TuiCanvas* ACanvas, const TRect& R, bool AOnGlass, bool ALeftAligned,
                                   const std::string& ACaption) {
    const int horizontal = ALeftAligned ? uiTextLeft : uiTextCentre;
    // A shrunken tab shows the characters that fit whole: no letter is cut in half.
    const std::string caption = WholeCharactersThatFit(ACanvas->Font(), ACaption, uiWidthOfRect(R));
    if (AOnGlass) {
        uiDrawTextOnGlass(ACanvas->Handle(), caption, ACanvas->Font()->Handle(), false, 0,
                          uiTextFlagsToDrawFlags(uiTextSingleLine | uiTextVCentre | horizontal),
                          ACanvas->Font()->Color(), R);
        return;
    }
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->DrawText(caption, R, uiTextSingleLine | uiTextVCentre | horizontal);
    ACanvas->Brush()->SetStyle(bsSolid);
}

// ---- Tab cell

TovRibbonTabViewInfo::TovRibbonTabViewInfo(TovRibbonTabsViewInfo* AOwner, TovRibbonTab* ATab)
    : FOwner(AOwner), FTab(ATab), FPainter(std::make_unique<TovRibbonTabPainter>(AOwner->GetRibbon())) {}

TovRibbonTabViewInfo::~TovRibbonTabViewInfo() = default;

void TovRibbonTabViewInfo::CalculateWidths() {
    TFont* font = FOwner->GetRibbon()->Fonts()->TabHeader();
    const std::string& caption = FTab->Caption();
    TextWidth = uiMeasureTextWidth(font, caption);
    PreferredWidth = TextWidth + 27;
    if (FirstOfContext) {
        PreferredWidth = TextWidth + 29;
        // A context of one tab makes room for its header's caption.
        if (LastOfContext && FTab->Context() != nullptr)
            PreferredWidth = std::max(
                PreferredWidth, FOwner->Owner()->GetContextCaptionWidth(FTab->Context()->Caption()) + 2);
    }
    MinWidth = std::max(uiMeasureTextWidth(font, FirstCharacters(caption, 3)) + 10, 27);
}

void TovRibbonTabViewInfo::Calculate(const TRect& R, std::uint8_t AAlpha) {
    Bounds = R;
    SeparatorOpacity = AAlpha;
    SeparatorBounds = GetSeparatorBounds();
    TextBounds = GetTextBounds();
}

TRect TovRibbonTabViewInfo::GetTextBounds() {
    return uiShrinkRectByMargins(Bounds, FOwner->Owner()->GetTabContentMargins());
}

TRect TovRibbonTabViewInfo::GetSeparatorBounds() {
    if (!SeparatorAllowed || SeparatorOpacity == 0) return TRect{0, 0, 0, 0};
    // The separator keeps the width of the skin's picture (a two-tone line is two pixels wide): squeezed
    // into one pixel its two tones blend into the background.
    int width = 1;
    if (TovCustomRibbonSkin* skin = FOwner->GetRibbon()->Skin())
        if (TovSkinnedRect* part = skin->PartOf(ribbon_sheets::TovRibbonCut::TabSeparator, 0))
            width = std::max(1, part->ImageSize().cx);
    return TRect{Bounds.right - width, Bounds.top, Bounds.right, Bounds.bottom - 1};
}

bool TovRibbonTabViewInfo::IsHot() {
    return FOwner->GetRibbon()->HotObject() == FTab;
}

bool TovRibbonTabViewInfo::IsKeyboardSelected() {
    return ovRibbonIsKeyboardSelected(FTab);
}

bool TovRibbonTabViewInfo::IsActiveWithGroups() {
    TovCustomRibbon* ribbon = FOwner->GetRibbon();
    return ribbon->ActiveTab() == FTab && ribbon->AreGroupsVisible() && ribbon->GetApplicationMenuState() < 2;
}

int TovRibbonTabViewInfo::StateForHot(bool AHot) {
    TovCustomRibbon* ribbon = FOwner->GetRibbon();
    if (!AHot && ribbon->ActiveTab() != FTab) return ovRibbonTabNormal;
    if (!IsActiveWithGroups()) return AHot ? ovRibbonTabHot : ovRibbonTabNormal;
    return !AHot || ribbon->IsTabGroupsPopupVisible() ? ovRibbonTabActive : ovRibbonTabActiveHot;
}

int TovRibbonTabViewInfo::GetState() {
    if (IsKeyboardSelected())
        return FOwner->GetRibbon()->AreGroupsVisible() ? ovRibbonTabFocused : ovRibbonTabHot;
    return StateForHot(IsHot());
}

int TovRibbonTabViewInfo::GetFontState() {
    if (IsActiveWithGroups()) return 3;
    return GetState() != ovRibbonTabNormal ? 2 : 0;
}

void TovRibbonTabViewInfo::DrawBackgroundParts(TuiCanvas* ACanvas, const TRect& R, int AState) {
    FPainter->DrawBackground(ACanvas, R, AState);
    if (TovRibbonContext* context = FTab->Context())
        FPainter->DrawContextBackground(ACanvas, context->Color(), AState, R);
}

void TovRibbonTabViewInfo::Draw(TuiCanvas* ACanvas) {
    TovCustomRibbon* ribbon = FOwner->GetRibbon();
    const int state = GetState();
    TovFader* fader = ovFader();
    if (fader == nullptr || !fader->DrawFadeStep(FTab, ACanvas->Handle(), Bounds))
        DrawBackgroundParts(ACanvas, Bounds, state);
    ACanvas->SetFont(ribbon->Fonts()->GetTabHeaderFont(GetFontState(), FTab->Context()));
    FPainter->DrawText(ACanvas, TextBounds, FOwner->Owner()->IsTabsOnGlass(), SeparatorOpacity == 255,
                       FTab->Caption());
    if (SeparatorAllowed && SeparatorOpacity > 0)
        FPainter->DrawSeparator(ACanvas, SeparatorBounds, SeparatorOpacity);
    const int edge = ribbon->GetPartSize(ContextEdgePart);
    if (FirstOfContext && edge > 0)
        FPainter->DrawContextSeparator(ACanvas, uiResizeRectWidth(Bounds, edge), true);
    if (LastOfContext && edge > 0)
        FPainter->DrawContextSeparator(
            ACanvas, TRect{Bounds.right - edge, Bounds.top, Bounds.right, Bounds.bottom}, false);
    if (ribbon->IsDesigning() && FTab->DesignSelectionHelper() != nullptr &&
        FTab->DesignSelectionHelper()->IsSelected())
        ACanvas->DrawFocusRect(uiGrowRect(Bounds, -2, -2), 2);
}

TuiBitmap32* TovRibbonTabViewInfo::PrepareFadeImage(bool AHot) {
    const TRect r = uiMoveRectToZero(Bounds);
    auto* image = new TuiBitmap32(uiWidthOfRect(r), uiHeightOfRect(r), true);
    TuiCanvas* canvas = image->GetuiCanvas();
    canvas->SetFont(FOwner->GetRibbon()->Fonts()->GetTabHeaderFont(GetFontState(), FTab->Context()));
    DrawBackgroundParts(canvas, r, IsKeyboardSelected() ? ovRibbonTabFocused : StateForHot(AHot));
    return image;
}

// ---- Scroll buttons of the tab row

void TovRibbonTabsScrollButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawTabScrollButton(ACanvas, R, AState, ScrollButton == 0);
}

void TovRibbonTabsScrollButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawTabScrollButtonGlyph(ACanvas, R, ScrollButton == 0);
}

std::uint8_t TovRibbonTabsScrollButtonViewInfo::HitCode() {
    return ScrollButton == 0 ? ribbonHitTabScrollLeft : ribbonHitTabScrollRight;
}

// ---- Tab row

TovRibbonTabsViewInfo::TovRibbonTabsViewInfo(TovRibbonViewInfo* AOwner)
    : TovRibbonCustomContainerViewInfo(AOwner), FBitmap(std::make_unique<TuiBitmap32>()),
      FScrollButtonLeft(std::make_unique<TovRibbonTabsScrollButtonViewInfo>(this, 0)),
      FScrollButtonRight(std::make_unique<TovRibbonTabsScrollButtonViewInfo>(this, 1)) {}

TovRibbonTabsViewInfo::~TovRibbonTabsViewInfo() {
    FScrollButtonRight.reset();
    FScrollButtonLeft.reset();
    Clear();
    FBitmap.reset();
}

int TovRibbonTabsViewInfo::AddCell(TovRibbonTab* ATab) {
    return Add(std::make_unique<TovRibbonTabViewInfo>(this, ATab));
}

void TovRibbonTabsViewInfo::RecreateTabs() {
    Clear();
    AddTabs();
    AddContextTabs();
}

void TovRibbonTabsViewInfo::AddTabs() {
    TovRibbonTabCollection* tabs = GetRibbon()->Tabs();
    for (int i = 0; i < tabs->Count(); ++i) {
        TovRibbonTab* tab = tabs->Items(i);
        if (tab->Visible() && tab->Context() == nullptr) AddCell(tab);
    }
}

void TovRibbonTabsViewInfo::AddContextTabs() {
    TovRibbonContexts* contexts = GetRibbon()->Contexts();
    TovRibbonTabCollection* tabs = GetRibbon()->Tabs();
    for (int c = 0; c < contexts->Count(); ++c) {
        TovRibbonContext* context = contexts->Items(c);
        if (!context->Visible()) continue;
        int first = -1, last = -1;
        for (int i = 0; i < tabs->Count(); ++i) {
            TovRibbonTab* tab = tabs->Items(i);
            if (!tab->Visible() || tab->Context() != context) continue;
            last = AddCell(tab);
            if (first < 0) first = last;
        }
        if (first < 0) continue;
        GetTab(first)->FirstOfContext = true;
        GetTab(last)->LastOfContext = true;
    }
}

TovRibbonTabViewInfo* TovRibbonTabsViewInfo::FindTab(const TovRibbonTab* ATab) const {
    for (int i = 0; i < TabCount(); ++i)
        if (GetTab(i)->Tab() == ATab) return GetTab(i);
    return nullptr;
}

int TovRibbonTabsViewInfo::GetTabMinWidth(int AIndex) const {
    return GetTab(AIndex)->MinWidth + (AIndex < TabCount() - 1 ? 1 : 0);
}

void TovRibbonTabsViewInfo::Calculate(const TRect& ABounds) {
    Bounds = ABounds;
    HintNeeded = false;
    ScrollButtons = 0;
    SeparatorOpacity = 0;
    TotalMinimumWidth = 0;
    TotalPreferredWidth = 0;
    ButtonAtRight = Owner()->TabsAreaButtonsViewInfo()->GetCount() > 0;
    for (int i = 0; i < TabCount(); ++i) {
        TovRibbonTabViewInfo* cell = GetTab(i);
        cell->CalculateWidths();
        cell->SeparatorAllowed = i < TabCount() - 1 || ButtonAtRight;
    }
    // The minimum counts the separator pixel every tab but the last keeps: the reduced layout never
    // shrinks a tab below that, so a row narrower than this sum must scroll rather than overflow.
    for (int i = 0; i < TabCount(); ++i) {
        TotalPreferredWidth += GetTab(i)->PreferredWidth;
        TotalMinimumWidth += GetTabMinWidth(i);
    }
    const int available = uiWidthOfRect(Bounds);
    if (available >= TotalPreferredWidth)
        CalculateOptimalLayout();
    else if (available < TotalMinimumWidth)
        CalculateScrollingLayout();
    else
        CalculateReducedLayout();
    CalculateScrollButtons();
    FBitmap->SetSize(uiWidthOfRect(Bounds), uiHeightOfRect(Bounds));
}

void TovRibbonTabsViewInfo::ResetScrolling() {
    ScrollPosition = 0;
    ScrollButtons = 0;
}

void TovRibbonTabsViewInfo::PlaceCells(int ALeft, bool AContextIndent, bool APreferred) {
    int x = ALeft;
    for (int i = 0; i < TabCount(); ++i) {
        TovRibbonTabViewInfo* cell = GetTab(i);
        const int width = APreferred ? cell->PreferredWidth : cell->Width;
        const int left = AContextIndent && cell->FirstOfContext ? x + ContextIndent : x;
        cell->Calculate(TRect{left, Bounds.top, x + width, Bounds.bottom}, SeparatorOpacity);
        x += width;
    }
}

void TovRibbonTabsViewInfo::CalculateOptimalLayout() {
    ResetScrolling();
    SeparatorOpacity = 0;
    PlaceCells(Bounds.left, true, true);
}

void TovRibbonTabsViewInfo::CalculateReducedLayout() {
    ResetScrolling();
    const int count = TabCount();
    const int excess = TotalPreferredWidth - uiWidthOfRect(Bounds);
    if (excess <= SpareWidthPerTab * count) {
        SeparatorOpacity = static_cast<std::uint8_t>(MulDiv(excess, 255, SpareWidthPerTab * count));
        const int share = excess / count;
        const int remainder = excess - share * count;
        for (int i = 0; i < count; ++i) {
            TovRibbonTabViewInfo* cell = GetTab(i);
            // The pixels the equal share leaves come one each from the last tabs.
            cell->Width = cell->PreferredWidth - share - (i >= count - remainder ? 1 : 0);
        }
    } else {
        ReduceTabWidths(excess - SpareWidthPerTab * count);
    }
    PlaceCells(Bounds.left, false, false);
}

void TovRibbonTabsViewInfo::ReduceTabWidths(int ACount) {
    SeparatorOpacity = 255;
    int widest = 0;
    for (int i = 0; i < TabCount(); ++i) {
        TovRibbonTabViewInfo* cell = GetTab(i);
        cell->Width = cell->TextWidth + 10;
        widest = std::max(widest, cell->Width);
    }
    // The widest captions give up a pixel at a time, never going below their minimum. The line drops
    // while any tab can still shrink: a wide tab already at its minimum does not stop the narrower ones.
    int line = widest - 1;
    int remaining = ACount;
    while (remaining > 0) {
        bool canShrink = false;
        for (int i = 0; i < TabCount() && remaining > 0; ++i) {
            TovRibbonTabViewInfo* cell = GetTab(i);
            if (GetTabMinWidth(i) >= cell->Width) continue;
            canShrink = true;
            if (cell->Width > line) {
                --cell->Width;
                --remaining;
                HintNeeded = true;
            }
        }
        if (!canShrink) break;
        --line;
    }
}

void TovRibbonTabsViewInfo::CalculateScrollingLayout() {
    SeparatorOpacity = 255;
    ScrollWidth = TotalMinimumWidth - uiWidthOfRect(Bounds);
    ScrollPosition = std::clamp(ScrollPosition, 0, ScrollWidth);
    for (int i = 0; i < TabCount(); ++i)
        GetTab(i)->Width = GetTabMinWidth(i);
    PlaceCells(Bounds.left - ScrollPosition, false, false);
    if (ScrollPosition == 0)
        ScrollButtons = ovRibbonScrollRight;
    else if (ScrollPosition == ScrollWidth)
        ScrollButtons = ovRibbonScrollLeft;
    else
        ScrollButtons = ovRibbonScrollLeft | ovRibbonScrollRight;
    HintNeeded = true;
}

void TovRibbonTabsViewInfo::CalculateScrollButtons() {
    const int width = Owner()->GetScrollButtonWidth();
    const int left = ScrollButtons & ovRibbonScrollLeft ? width : 0;
    const int right = ScrollButtons & ovRibbonScrollRight ? width : 0;
    FScrollButtonLeft->Bounds = TRect{Bounds.left, Bounds.top, Bounds.left + left, Bounds.bottom};
    FScrollButtonRight->Bounds = TRect{Bounds.right - right, Bounds.top, Bounds.right, Bounds.bottom};
    UpdateScrollButtonsState();
}

void TovRibbonTabsViewInfo::UpdateScrollButtonsState() {
    FScrollButtonLeft->UpdateState();
    FScrollButtonRight->UpdateState();
}

void TovRibbonTabsViewInfo::MakeTabVisible(TovRibbonTab* ATab) {
    if (ScrollButtons == 0) return;
    int index = -1;
    for (int i = 0; i < TabCount(); ++i)
        if (GetTab(i)->Tab() == ATab) index = i;
    if (index < 0) return;
    const TRect cell = GetTab(index)->Bounds;
    const int buttonWidth = Owner()->GetScrollButtonWidth();
    int position = ScrollPosition;
    if (cell.left < Bounds.left) {
        position -= Bounds.left - cell.left;
        if (index > 0) position -= buttonWidth;
    }
    if (cell.right > Bounds.right) {
        position += cell.right - Bounds.right;
        if (index < TabCount() - 1) position += buttonWidth;
    }
    SetScrollPosition(position);
}

void TovRibbonTabsViewInfo::SetScrollPosition(int AValue) {
    const int value = std::clamp(AValue, 0, std::max(ScrollWidth, 0));
    if (value == ScrollPosition) return;
    ScrollPosition = value;
    TovCustomRibbon* ribbon = GetRibbon();
    ribbon->Changed();
    if (ribbon->HandleAllocated()) ribbon->Update();
}

void TovRibbonTabsViewInfo::UpdateTabsGroupsDockControls() {
    for (int i = 0; i < TabCount(); ++i)
        GetTab(i)->Tab()->UpdateDockControl();
}

void TovRibbonTabsViewInfo::Draw(TuiCanvas* ACanvas) {
    const int width = uiWidthOfRect(Bounds), height = uiHeightOfRect(Bounds);
    if (width <= 0 || height <= 0) return;
    FBitmap->SetSize(width, height);
    TuiCanvas* canvas = FBitmap->GetuiCanvas();
    // The tabs blend over what is painted under them already.
    uiBlitRect(canvas->Handle(), ACanvas->Handle(), TRect{0, 0, width, height}, SRCCOPY,
               TPoint{Bounds.left, Bounds.top});
    canvas->SetWindowOrg(TPoint{Bounds.left, Bounds.top});
    for (int i = 0; i < TabCount(); ++i) {
        TovRibbonTabViewInfo* cell = GetTab(i);
        if (cell->Bounds.right > Bounds.left && cell->Bounds.left < Bounds.right) cell->Draw(canvas);
    }
    // A scroll button covers the tabs under it: the row's background first, then the button.
    for (TovRibbonTabsScrollButtonViewInfo* button : {FScrollButtonRight.get(), FScrollButtonLeft.get()}) {
        if (uiIsRectEmpty(button->Bounds)) continue;
        if (TovRibbonPainter* painter = GetPainter()) {
            canvas->SaveClipRegion();
            canvas->IntersectClipRect(button->Bounds);
            painter->DrawTabsArea(canvas, Owner()->GetTabsAreaBounds());
            canvas->RestoreClipRegion();
        }
        button->Draw(canvas);
    }
    canvas->SetWindowOrg(TPoint{0, 0});
    uiBlitRect(ACanvas->Handle(), canvas->Handle(), Bounds, SRCCOPY, TPoint{0, 0});
}

bool TovRibbonTabsViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    if (FScrollButtonLeft->GetHitInfo(AHitInfo) || FScrollButtonRight->GetHitInfo(AHitInfo)) return true;
    const TPoint& p = AHitInfo.HitPoint;
    if (p.x < FScrollButtonLeft->Bounds.right || p.x >= FScrollButtonRight->Bounds.left) return false;
    for (int i = 0; i < TabCount(); ++i)
        if (uiIsPointInRect(GetTab(i)->Bounds, p)) {
            AHitInfo.HitTest = ribbonHitTab;
            AHitInfo.HitObject = GetTab(i)->Tab();
            return true;
        }
    return false;
}
