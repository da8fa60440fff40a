// The skinned look's general operations: the skin accessor, the fading interfaces, the skin queries
// painters hand on, and the metrics that follow the skin's content offsets and part sizes. Without a skin
// each of them answers as the Office11 look does.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/BarItemControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/effects/FadingOptions.h"

#include <algorithm>
#include <cassert>

TovBarSkinnedPainter::TovBarSkinnedPainter(TObject* ASkinnedObject)
    : TovBarOffice11Painter(nullptr), FSkinnedObject(ASkinnedObject) {}

TovBarSkinnedPainter::~TovBarSkinnedPainter() = default;

IovSkin* TovBarSkinnedPainter::GetSkin() const {
    IovSkin* skin = ovQuerySkin(FSkinnedObject);
    // A skinned painter without a skin is a caller's slip worth seeing while developing; released builds
    // draw the Office11 look instead of failing every paint.
    assert(skin != nullptr && "a skinned bar painter draws for an object that has no skin");
    return skin;
}

// ---- Fading

int TovBarSkinnedPainter::ItemControlSkinState(TovBarItemControl* AControl) {
    if (AControl == nullptr || AControl->DrawParams() == nullptr) return ovSkinStateNormal;
    return GetItemState(AControl->DrawParams(), 0);
}

void TovBarSkinnedPainter::DrawItemControlFadeImage(TovBarItemControl* AControl, TuiCanvas* ACanvas,
                                                    const TRect& R) {
    TovBarItemControlDrawParams* params = AControl != nullptr ? AControl->DrawParams() : nullptr;
    if (params == nullptr || ACanvas == nullptr) return;
    TuiCanvas* canvas = params->Canvas;
    params->Canvas = ACanvas;
    DrawButtonParts(params);
    params->Canvas = canvas;
}

void TovBarSkinnedPainter::DrawBarMarkFadeImage(TovBarControl* ABarControl, HDC ADC, const TRect& R,
                                                int AState) {
    // The normal picture stays transparent: the bar shows through it while the mark fades.
    if (AState == 0) return;
    if (IovSkin* skin = GetSkin())
        skin->DrawBackground(ADC, R, ovSkinPartButton,
                             AState == 1 ? ovSkinStateHighlighted : ovSkinStatePressed);
    else
        TovBarOffice11Painter::BarDrawMarkBackground(ABarControl, ADC, nullptr, R);
}

// ---- Skin queries handed on

void TovBarSkinnedPainter::GetPartContentOffsets(int APart, TRect& R) {
    if (IovSkin* skin = GetSkin())
        R = skin->GetContentOffsets(APart);
    else
        TovBarOffice11Painter::GetPartContentOffsets(APart, R);
}

TColor TovBarSkinnedPainter::GetPartColor(int APart, int AState) {
    if (IovSkin* skin = GetSkin()) return skin->GetPartColor(APart, AState);
    return TovBarOffice11Painter::GetPartColor(APart, AState);
}

void TovBarSkinnedPainter::GetSkinName(std::string& AName) {
    if (IovSkin* skin = GetSkin())
        AName = skin->GetName();
    else
        TovBarOffice11Painter::GetSkinName(AName);
}

TObject* TovBarSkinnedPainter::GetItemFadingOptions() {
    if (IovSkin* skin = GetSkin()) return skin->GetFadingOptions();
    return TovBarOffice11Painter::GetItemFadingOptions();
}

// ---- Metrics

namespace skinned_metrics {

// b := max(the small glyph size, the glyph or text extent); the sum with the indent, made even, so that
// the content sits centred on whole pixels.
int EvenItemExtent(int AGlyphOrText, int AIndent) {
    const int b = std::max(16, AGlyphOrText);
    int result = b + AIndent;
    if ((b % 2 != 0) != (AIndent % 2 != 0)) ++result;
    return result;
}

} // namespace skinned_metrics
using namespace skinned_metrics;

int TovBarSkinnedPainter::DefaultTextExtent(TuiCanvas* ACanvas) {
    if (!HasSkin()) return TovBarOffice11Painter::DefaultTextExtent(ACanvas);
    return ACanvas->TextHeight("Wg") + 3;
}

int TovBarSkinnedPainter::GetItemHeightIndent() {
    if (IovSkin* skin = GetSkin()) return uiVertMarginsSum(skin->GetContentOffsets(ovSkinPartButton));
    return TovBarOffice11Painter::GetItemHeightIndent();
}

int TovBarSkinnedPainter::GetItemWidthIndent() {
    if (IovSkin* skin = GetSkin()) return uiHorzMarginsSum(skin->GetContentOffsets(ovSkinPartButton));
    return TovBarOffice11Painter::GetItemWidthIndent();
}

int TovBarSkinnedPainter::GetLargeButtonHeightIndent() {
    if (IovSkin* skin = GetSkin()) return uiVertMarginsSum(skin->GetContentOffsets(ovSkinPartLargeButton));
    return TovBarOffice11Painter::GetLargeButtonHeightIndent();
}

int TovBarSkinnedPainter::GetLargeButtonWidthIndent() {
    if (IovSkin* skin = GetSkin()) return uiHorzMarginsSum(skin->GetContentOffsets(ovSkinPartLargeButton));
    return TovBarOffice11Painter::GetLargeButtonWidthIndent();
}

int TovBarSkinnedPainter::GetItemHeight(int AGlyphSize, int ATextHeight) {
    if (!HasSkin()) return TovBarOffice11Painter::GetItemHeight(AGlyphSize, ATextHeight);
    return EvenItemExtent(std::max(AGlyphSize, ATextHeight), GetItemHeightIndent());
}

int TovBarSkinnedPainter::GetItemWidth(int AGlyphSize, int ATextHeight) {
    if (!HasSkin()) return TovBarOffice11Painter::GetItemWidth(AGlyphSize, ATextHeight);
    return EvenItemExtent(std::max(AGlyphSize, ATextHeight), GetItemWidthIndent());
}

int TovBarSkinnedPainter::GetButtonArrowWidth(TovBarManager* AManager) {
    return HasSkin() ? 13 : TovBarOffice11Painter::GetButtonArrowWidth(AManager);
}

int TovBarSkinnedPainter::AutoAlignToolbarOffset() {
    if (IovSkin* skin = GetSkin()) return skin->GetPartSize(ovSkinPartTabGroup);
    return TovBarOffice11Painter::AutoAlignToolbarOffset();
}

int TovBarSkinnedPainter::BarGetExtraIndent() {
    return HasSkin() ? 2 : TovBarOffice11Painter::BarGetExtraIndent();
}

TSize TovBarSkinnedPainter::GetMarkArrowSize() {
    return HasSkin() ? TSize{5, 4} : TovBarOffice11Painter::GetMarkArrowSize();
}

int TovBarSkinnedPainter::GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) {
    if (!HasSkin()) return TovBarOffice11Painter::GetComboBoxArrowWidth(ABarControl, AZeroWidth);
    return AZeroWidth + 8;
}

int TovBarSkinnedPainter::ComboGetButtonIndent() {
    return HasSkin() ? 0 : TovBarOffice11Painter::ComboGetButtonIndent();
}

bool TovBarSkinnedPainter::SubMenuControlHasOwnerLink(TCustomovBarControl* ABarControl) {
    return HasSkin() ? false : TovBarOffice11Painter::SubMenuControlHasOwnerLink(ABarControl);
}

int TovBarSkinnedPainter::SubMenuControlSeparatorHeight() {
    return HasSkin() ? 3 : TovBarOffice11Painter::SubMenuControlSeparatorHeight();
}

int TovBarSkinnedPainter::SubMenuControlBorderWidth() {
    return HasSkin() ? 2 : TovBarOffice11Painter::SubMenuControlBorderWidth();
}

int TovBarSkinnedPainter::SubMenuControlBorderIndent() {
    return HasSkin() ? 0 : TovBarOffice11Painter::SubMenuControlBorderIndent();
}

int TovBarSkinnedPainter::SubMenuControlGetTextVertOffset() {
    return HasSkin() ? 2 : TovBarOffice11Painter::SubMenuControlGetTextVertOffset();
}

int TovBarSkinnedPainter::SubMenuControlGetExtraWidth() {
    return HasSkin() ? 1 : TovBarOffice11Painter::SubMenuControlGetExtraWidth();
}

int TovBarSkinnedPainter::SubMenuControlSubArrowWidth(int AHeight) {
    return HasSkin() ? AHeight : TovBarOffice11Painter::SubMenuControlSubArrowWidth(AHeight);
}

int TovBarSkinnedPainter::SubMenuControlDetachCaptionHeight(int ACaptionHeight) {
    return HasSkin() ? ACaptionHeight + 3
                     : TovBarOffice11Painter::SubMenuControlDetachCaptionHeight(ACaptionHeight);
}

int TovBarSkinnedPainter::SubMenuControlScrollArrowExtent(int ABandSize) {
    return HasSkin() ? ABandSize / 7 : TovBarOffice11Painter::SubMenuControlScrollArrowExtent(ABandSize);
}

int TovBarSkinnedPainter::GetBaseTextSize() {
    return HasSkin() ? 22 : TovBarOffice11Painter::GetBaseTextSize();
}

int TovBarSkinnedPainter::DropDownGalleryGetContentOffset() {
    return HasSkin() ? 0 : TovBarOffice11Painter::DropDownGalleryGetContentOffset();
}

int TovBarSkinnedPainter::DropDownGalleryGetBorderSize() {
    return HasSkin() ? 2 : TovBarOffice11Painter::DropDownGalleryGetBorderSize();
}

TSize TovBarSkinnedPainter::SpinEditGetArrowSize(int AHeight) {
    return HasSkin() ? TSize{5, 3} : TovBarOffice11Painter::SpinEditGetArrowSize(AHeight);
}

bool TovBarSkinnedPainter::EditAllowFocusFrame() {
    return HasSkin() ? false : TovBarOffice11Painter::EditAllowFocusFrame();
}

bool TovBarSkinnedPainter::GetHintOption() {
    return HasSkin() ? false : TovBarOffice11Painter::GetHintOption();
}

bool TovBarSkinnedPainter::ProgressRedrawOnChangeOnly() {
    return HasSkin() ? false : TovBarOffice11Painter::ProgressRedrawOnChangeOnly();
}

int TovBarSkinnedPainter::SubMenuControlGetTextSize(TuiCanvas* ACanvas) {
    if (!HasSkin()) return TovBarOffice11Painter::SubMenuControlGetTextSize(ACanvas);
    return DefaultTextExtent(ACanvas) +
           2 * (SubMenuControlGetTextVertOffset() + SubMenuControlGetExtraWidth());
}

int TovBarSkinnedPainter::SubMenuControlScrollBandHeight(TovBarSubMenuControl* AMenu) {
    if (!HasSkin()) return TovBarOffice11Painter::SubMenuControlScrollBandHeight(AMenu);
    return (TovBarPainter::SubMenuControlScrollBandHeight(AMenu) * 3 - 18) / 4;
}

int TovBarSkinnedPainter::GetLoweredBorderWidth(TovBarItemControl* AControl) {
    return HasSkin() ? 0 : TovBarOffice11Painter::GetLoweredBorderWidth(AControl);
}
