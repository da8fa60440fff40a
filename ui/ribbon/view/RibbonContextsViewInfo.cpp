#include "ui/ribbon/view/RibbonContextsViewInfo.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

namespace {

// Skin colours of the header text's shadow: on glass and otherwise.
constexpr int ShadowColorOnGlassPart = 10142;
constexpr int ShadowColorPart = 10141;
constexpr int MinHeaderWidth = 9;
constexpr int GlowSize = 10;

// The text cut with an ellipsis to AWidth in AFont.
std::string Shorten(TFont* AFont, const std::string& AText, int AWidth) {
    HDC dc = GetDC(nullptr);
    const std::string result = uiGetStringAdjustedToWidth(dc, AFont->Handle(), AText, teEnd, AWidth);
    ReleaseDC(nullptr, dc);
    return result;
}

} // namespace

void TovRibbonContextViewInfo::Calculate(const TRect& R, TovRibbonContext* AContext) {
    Bounds = R;
    Context = AContext;
    TextBounds = Bounds;
    TovRibbonViewInfo* viewInfo = FOwner->Owner();
    if (!viewInfo->SupportNonClientDrawing) {
        Text = AContext->Caption();
        HintNeeded = false;
        return;
    }
    TovCustomRibbon* ribbon = FOwner->GetRibbon();
    TFont* font = ribbon->Fonts()->GetContextFont(AContext->Color());
    const int indent = viewInfo->DrawsOnGlass() ? 10 : 8;
    Text = Shorten(font, AContext->Caption(), uiWidthOfRect(Bounds) - 2 * indent);
    const int textHeight = uiMeasureTextHeight(font);
    if (ribbon->Style() == rs2007) {
        TextBounds.right = Bounds.left + uiMeasureTextWidth(font, Text) + 2 * indent;
        TextBounds.top = Bounds.bottom - 8 - textHeight;
    } else {
        TextBounds.right = Bounds.right;
        TextBounds.top = Bounds.bottom - 13 - textHeight;
    }
    HintNeeded = uiWidthOfRect(Bounds) < viewInfo->GetContextCaptionWidth(AContext->Caption());
}

void TovRibbonContextViewInfo::Draw(TuiCanvas* ACanvas) {
    TovRibbonViewInfo* viewInfo = FOwner->Owner();
    TovCustomRibbon* ribbon = FOwner->GetRibbon();
    TovRibbonPainter* painter = viewInfo->GetPainter();
    const bool glass = viewInfo->DrawsOnGlass();
    if (painter != nullptr) {
        if (glass)
            painter->DrawContextBackgroundGlass(ACanvas, Bounds, Context->Color());
        else
            painter->DrawContextBackground(ACanvas, Bounds, Context->Color());
    }
    TFont* font = ribbon->Fonts()->GetContextFont(Context->Color());
    const TColor shadow = ribbon->GetSkinPartColor(glass ? ShadowColorOnGlassPart : ShadowColorPart, 0);
    const bool clip = !uiDoesRectEnclose(Bounds, TextBounds);
    if (clip) {
        ACanvas->SaveClipRegion();
        ACanvas->IntersectClipRect(Bounds);
    }
    const int flags = uiTextSingleLine | uiTextCentre | uiTextVCentre | uiTextEndEllipsis;
    auto pass = [&](const TRect& R, TColor AColor, int AGlow) {
        if (glass) {
            uiDrawTextOnGlass(ACanvas->Handle(), Text, font->Handle(), false, AGlow,
                              uiTextFlagsToDrawFlags(flags), AColor, R);
            return;
        }
        ACanvas->SetFont(font);
        ACanvas->Font()->SetColor(AColor);
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->DrawText(Text, R, flags);
        ACanvas->Brush()->SetStyle(bsSolid);
    };
    if (shadow != clNone) pass(uiShiftRect(TextBounds, 1, 1), shadow, GlowSize);
    pass(TextBounds, font->Color(), shadow == clNone ? GlowSize : 0);
    if (clip) ACanvas->RestoreClipRegion();
}

void TovRibbonContextsViewInfo::Calculate(const TRect& ALimit) {
    Clear();
    Bounds = TRect{0, 0, 0, 0};
    TovRibbonViewInfo* viewInfo = Owner();
    TRect r = ALimit;
    if (!viewInfo->DrawsOnGlass()) r = uiShiftRectVert(r, -1);
    TovRibbonTabsViewInfo* tabs = viewInfo->TabsViewInfo();
    for (int i = 0; i < tabs->TabCount(); ++i) {
        TovRibbonTabViewInfo* cell = tabs->GetTab(i);
        if (cell->FirstOfContext) {
            r.left = cell->Bounds.left;
            if (r.left >= ALimit.right) break;
        }
        if (!cell->LastOfContext) continue;
        r.right = std::min<int>(cell->Bounds.right, ALimit.right);
        if (uiWidthOfRect(r) < MinHeaderWidth) break;
        auto header = std::make_unique<TovRibbonContextViewInfo>(this);
        header->Calculate(r, cell->Tab()->Context());
        if (GetCount() == 0) Bounds.left = r.left;
        Bounds.right = r.right;
        Add(std::move(header));
    }
    if (GetCount() == 0) {
        Bounds = TRect{0, 0, 0, 0};
        return;
    }
    Bounds.top = ALimit.top;
    Bounds.bottom = ALimit.bottom;
}

void TovRibbonContextsViewInfo::Draw(TuiCanvas* ACanvas) {
    for (int i = 0; i < GetCount(); ++i)
        Header(i)->Draw(ACanvas);
}

bool TovRibbonContextsViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    for (int i = 0; i < GetCount(); ++i)
        if (uiIsPointInRect(Header(i)->Bounds, AHitInfo.HitPoint)) {
            AHitInfo.HitTest = ribbonHitContext;
            AHitInfo.HitObject = Header(i)->Context;
            return true;
        }
    return false;
}

TovRibbonContextViewInfo*
TovRibbonContextsViewInfo::GetContextViewInfo(const TovRibbonContext* AContext) const {
    for (int i = 0; i < GetCount(); ++i)
        if (Header(i)->Context == AContext) return Header(i);
    return nullptr;
}

bool TovRibbonContextsViewInfo::IsContextCaptionCut(const TovRibbonContext* AContext) const {
    const TovRibbonContextViewInfo* header = GetContextViewInfo(AContext);
    return header != nullptr && header->HintNeeded;
}
