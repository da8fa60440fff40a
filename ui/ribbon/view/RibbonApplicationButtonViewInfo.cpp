#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/effects/Fader.h"
#include "ui/painters/lookandfeel/PainterTypes.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

namespace {

// Skin parts: the button's outer margins and the margins around its content.
constexpr int ButtonMarginsPart = 455;
constexpr int ContentMarginsPart = 459;

// A glyph's size, the small icon size without one, stretched in proportion to fit R when asked.
TSize GlyphSizeIn(TBitmap* AGlyph, bool AStretch, const TRect& R) {
    TSize size{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    if (AGlyph != nullptr && !AGlyph->Empty()) size = TSize{AGlyph->Width(), AGlyph->Height()};
    if (AStretch) size = uiSizeOfRect(uiFitAspect(R, size));
    return size;
}

} // namespace

TovRibbonApplicationButtonViewInfo::~TovRibbonApplicationButtonViewInfo() {
    if (TovFader* fader = ovFader()) fader->Remove(this, true);
}

bool TovRibbonApplicationButtonViewInfo::IsVisible(bool AIgnoreHidden) {
    TovRibbonViewInfo* owner = Owner();
    TovCustomRibbon* ribbon = GetRibbon();
    if (!AIgnoreHidden && owner->Hidden) return false;
    if (!ribbon->ApplicationButton()->Visible() || !owner->IsTabsVisible(AIgnoreHidden)) return false;
    return owner->SupportNonClientDrawing ||
           (owner->IsQuickAccessToolbarVisible(AIgnoreHidden) && !owner->IsQuickAccessToolbarBelow());
}

bool TovRibbonApplicationButtonViewInfo::IsTabLike() {
    return GetRibbon()->Style() != rs2007;
}

bool TovRibbonApplicationButtonViewInfo::HasText() {
    return IsTabLike() && !GetRibbon()->ApplicationButton()->Text().empty();
}

TSize TovRibbonApplicationButtonViewInfo::GetButtonSize() {
    TovCustomRibbonSkin* skin = GetRibbon()->Skin();
    TSize size = skin != nullptr ? skin->GetApplicationButtonSize() : TSize{0, 0};
    size.cx = uiScaleToCurrentDPI(size.cx);
    size.cy = uiScaleToCurrentDPI(size.cy);
    if (HasText()) {
        TovCustomRibbon* ribbon = GetRibbon();
        const int text =
            uiMeasureTextWidth(ribbon->Fonts()->ApplicationButton(), ribbon->ApplicationButton()->Text());
        size.cx =
            std::max<int>(size.cx, text + uiHorzMarginsSum(ribbon->GetContentOffsets(ContentMarginsPart)));
    }
    ovAdjustToTouchableSize(size.cx);
    return size;
}

void TovRibbonApplicationButtonViewInfo::CalculateBounds() {
    if (!IsVisible()) {
        Bounds = TRect{0, 0, 0, 0};
        return;
    }
    const TSize size = GetButtonSize();
    const TRect margins = GetRibbon()->GetContentOffsets(ButtonMarginsPart);
    const int width = size.cx + uiHorzMarginsSum(margins);
    if (IsTabLike()) {
        Bounds = uiResizeRectWidth(Owner()->GetTabsAreaBounds(), width);
    } else {
        Bounds = TRect{0, 0, width, size.cy + uiVertMarginsSum(margins)};
    }
}

TRect TovRibbonApplicationButtonViewInfo::GetContentBounds() {
    return uiShrinkRectByMargins(Bounds, GetRibbon()->GetContentOffsets(ButtonMarginsPart));
}

TRect TovRibbonApplicationButtonViewInfo::GetGlyphBounds() {
    TovCustomRibbon* ribbon = GetRibbon();
    const TRect area =
        uiShrinkRectByMargins(GetContentBounds(), ribbon->GetContentOffsets(ContentMarginsPart));
    TovRibbonApplicationButton* button = ribbon->ApplicationButton();
    return uiCentreSizeIn(area, GlyphSizeIn(button->Glyph(), button->StretchGlyph(), area));
}

int TovRibbonApplicationButtonViewInfo::GetState() {
    // Keyboard navigation knows the button by its view information or by the ribbon's button object.
    if (ovRibbonIsKeyboardSelected(this) || ovRibbonIsKeyboardSelected(GetRibbon()->ApplicationButton()))
        return ovRibbonApplicationButtonHot;
    if (FIsPressed || GetRibbon()->IsApplicationMenuShown()) return ovRibbonApplicationButtonPressed;
    return FIsHot ? ovRibbonApplicationButtonHot : ovRibbonApplicationButtonNormal;
}

void TovRibbonApplicationButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter()) painter->DrawApplicationButton(ACanvas, R, AState);
}

void TovRibbonApplicationButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawApplicationButtonGlyph(ACanvas, GetGlyphBounds(),
                                            GetRibbon()->ApplicationButton()->Glyph());
}

void TovRibbonApplicationButtonViewInfo::DrawText(TuiCanvas* ACanvas, int AState) {
    TovCustomRibbon* ribbon = GetRibbon();
    TFont* font = ribbon->Fonts()->GetApplicationButtonFont(AState);
    const std::string& text = ribbon->ApplicationButton()->Text();
    const TRect r = GetContentBounds();
    if (Owner()->IsTabsOnGlass()) {
        uiDrawTextOnGlass(ACanvas->Handle(), text, font->Handle(), false, 0,
                          uiTextFlagsToDrawFlags(uiTextSingleLine | uiTextCentre | uiTextVCentre),
                          font->Color(), r);
        return;
    }
    ACanvas->SetFont(font);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->DrawText(text, r, uiTextSingleLine | uiTextCentre | uiTextVCentre);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TovRibbonApplicationButtonViewInfo::DrawContent(TuiCanvas* ACanvas, int AState) {
    if (HasText())
        DrawText(ACanvas, AState);
    else
        DrawGlyph(ACanvas);
}

void TovRibbonApplicationButtonViewInfo::DrawParts(TuiCanvas* ACanvas) {
    const int state = GetState();
    TovFader* fader = ovFader();
    if (fader == nullptr || !fader->DrawFadeStep(this, ACanvas->Handle(), GetContentBounds()))
        DrawBackground(ACanvas, GetContentBounds(), state);
    DrawContent(ACanvas, state);
}

void TovRibbonApplicationButtonViewInfo::Draw(TuiCanvas* ACanvas) {
    if (uiIsRectEmpty(Bounds) || !ACanvas->RectVisible(Bounds)) return;
    if (!Owner()->IsTabsOnGlass()) {
        DrawParts(ACanvas);
        return;
    }
    // On glass the button composes over a copy of what lies under it.
    const int width = uiWidthOfRect(Bounds), height = uiHeightOfRect(Bounds);
    TuiBitmap32 bitmap(width, height, true);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    uiBlitRect(canvas->Handle(), ACanvas->Handle(), TRect{0, 0, width, height}, SRCCOPY,
               TPoint{Bounds.left, Bounds.top});
    canvas->SetWindowOrg(TPoint{Bounds.left, Bounds.top});
    DrawParts(canvas);
    canvas->SetWindowOrg(TPoint{0, 0});
    uiBlitRect(ACanvas->Handle(), canvas->Handle(), Bounds, SRCCOPY, TPoint{0, 0});
}

bool TovRibbonApplicationButtonViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    if (!IsVisible() || !uiIsPointInRect(GetContentBounds(), AHitInfo.HitPoint)) return false;
    AHitInfo.HitTest = ribbonHitApplicationButton;
    return true;
}

void TovRibbonApplicationButtonViewInfo::Invalidate() {
    TovCustomRibbon* ribbon = GetRibbon();
    if (!IsVisible() || ribbon->IsDestroying()) return;
    TovRibbonCustomViewInfo::Invalidate();
    // A tab-like button reaches into the groups area, which the site draws.
    if (IsTabLike())
        if (TWinControl* site = ribbon->GroupsDockControlSite(); site != nullptr && site->HandleAllocated())
            site->Invalidate();
}

void TovRibbonApplicationButtonViewInfo::SetIsHot(bool AValue) {
    if (FIsHot == AValue) return;
    if (IsFadable())
        if (TovFader* fader = ovFader()) {
            if (AValue)
                fader->FadeIn(this);
            else
                fader->FadeOut(this);
        }
    FIsHot = AValue;
    Invalidate();
}

void TovRibbonApplicationButtonViewInfo::SetIsPressed(bool AValue) {
    if (FIsPressed == AValue) return;
    FIsPressed = AValue;
    Invalidate();
}

bool TovRibbonApplicationButtonViewInfo::IsFadable() {
    TovCustomRibbon* ribbon = GetRibbon();
    return ribbon->CanFade() && IsVisible() && !FIsPressed && !ribbon->IsApplicationMenuShown();
}

void TovRibbonApplicationButtonViewInfo::ProvideFadeImages(TuiBitmap32*& AFadeOutImage,
                                                           TuiBitmap32*& AFadeInImage) {
    const TRect r = uiMoveRectToZero(GetContentBounds());
    AFadeOutImage = new TuiBitmap32(uiWidthOfRect(r), uiHeightOfRect(r), true);
    DrawBackground(AFadeOutImage->GetuiCanvas(), r, ovRibbonApplicationButtonNormal);
    AFadeInImage = new TuiBitmap32(uiWidthOfRect(r), uiHeightOfRect(r), true);
    DrawBackground(AFadeInImage->GetuiCanvas(), r, ovRibbonApplicationButtonHot);
}

TovFadingOptions* TovRibbonApplicationButtonViewInfo::GetFadingOptions() {
    return GetRibbon()->OptionsFading()->ApplicationButton();
}
