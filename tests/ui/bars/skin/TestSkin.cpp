#include "TestSkin.h"

#include "SkinTestSupport.h"

#include "platform/rtl/Format.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <algorithm>
#include <cmath>

namespace skin_test {

const std::vector<int> kTestSkinPartKinds = {
    ovSkinPartBarSeparatorHorz,
    ovSkinPartTabGroup,
    ovSkinPartBarSeparatorVert,
    ovSkinPartButton,
    ovSkinPartButtonDropDown,
    ovSkinPartButtonMainPart,
    ovSkinPartLargeButton,
    ovSkinPartLargeButtonDropDown,
    ovSkinPartLargeButtonMainPart,
    ovSkinPartEditButton,
    ovSkinPartMenuCaptionSeparator,
    ovSkinPartMenuCaptionSeparatorLine,
    ovSkinPartProgressSolidBand,
    ovSkinPartProgressDiscreteBand,
    ovSkinPartProgressSubstrate,
    ovSkinPartScreenTip,
    ovSkinPartDropDownGalleryBackground,
    ovSkinPartDropDownGalleryTopSizingBand,
    ovSkinPartDropDownGalleryBottomSizingBand,
    ovSkinPartDropDownGalleryTopSizeGrip,
    ovSkinPartDropDownGalleryBottomSizeGrip,
    ovSkinPartDropDownGalleryTopVerticalSizeGrip,
    ovSkinPartDropDownGalleryBottomVerticalSizeGrip,
    ovSkinPartGalleryGroupHeader,
    ovSkinPartGalleryFilterBand,
    ovSkinPartScrollBarVertBackground,
    ovSkinPartScrollBarVertLineUp,
    ovSkinPartScrollBarVertLineDown,
    ovSkinPartScrollBarVertThumb,
    ovSkinPartScrollBarVertPageUp,
    ovSkinPartScrollBarVertPageDown,
    ovSkinPartSmallStateGlyph,
    ovSkinPartSmallArrowGlyph,
    ovSkinPartArrowDown,
    ovSkinPartMenuScrollArrow,
    ovSkinPartMenuItemButton,
    ovSkinPartMenuItemButtonMainPart,
    ovSkinPartMenuItemButtonDropDown,
    ovSkinPartMenuArrowDown,
    ovSkinPartMenuArrowRight,
    ovSkinPartMenuDetachCaption,
    ovSkinPartMenuGlyph,
    ovSkinPartMenuContent,
    ovSkinPartExtraPaneItem,
    ovSkinPartExtraPanePinButton,
    ovSkinPartItemSeparatorHorz,
    ovSkinPartItemSeparatorVert,
    ovSkinPartMenuSeparatorHorz,
    ovSkinPartMenuSeparatorVert,
    ovSkinPartMenuCheck,
    ovSkinPartMenuCheckMark,
    ovSkinPartMenuMark,
    ovSkinPartMenuScrollArea,
    ovSkinPartDropDownBorder,
    ovSkinPartApplicationMenuBackground,
    ovSkinPartApplicationMenuButton,
    ovSkinPartButtonGroupButton,
    ovSkinPartButtonGroupButtonDropDown,
    ovSkinPartButtonGroupButtonMainPart,
    ovSkinPartButtonGroupBorderLeft,
    ovSkinPartButtonGroupSeparator,
    ovSkinPartButtonGroupBorderRight,
    ovSkinPartButtonGroupSplitButtonSeparator,
    ovSkinPartTabGroupInPopup,
};

TTestSkinCellColors TestSkinCellColors(int AColumn, int AState) {
    // Neighbouring columns lie a golden angle apart on the colour wheel, so that no two kinds look alike.
    const double hue = std::fmod(AColumn * 137.508, 360.0) / 360.0;
    static constexpr double lightness[ovSkinStateCount] = {0.78, 0.82, 0.66, 0.72, 0.48,
                                                           0.56, 0.62, 0.52, 0.74};
    const bool disabled = AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected;
    const double saturation = disabled ? 0.4 : 0.7;
    const double light = lightness[AState];
    return {TovColorSpaceConverter::HSLToColor(hue, saturation, 0.25),
            TovColorSpaceConverter::HSLToColor(hue, saturation, light - 0.18),
            TovColorSpaceConverter::HSLToColor(hue, saturation, light)};
}

std::unique_ptr<TovGPImage> MakeTestSkinSheet() {
    const int columns = static_cast<int>(kTestSkinPartKinds.size());
    return MakeImage<TovGPImage>(
        columns * kTestSkinCellSize, ovSkinStateCount * kTestSkinCellSize, [](int X, int Y) {
            const int x = X % kTestSkinCellSize, y = Y % kTestSkinCellSize;
            const int depth = std::min({x, y, kTestSkinCellSize - 1 - x, kTestSkinCellSize - 1 - y});
            const TTestSkinCellColors colors =
                TestSkinCellColors(X / kTestSkinCellSize, Y / kTestSkinCellSize);
            if (depth == 0) return Opaque(colors.Outline);
            return Opaque(depth < kTestSkinFrameMargin ? colors.Frame : colors.Centre);
        });
}

// ---- TTestBarSkin

TTestBarSkin::TTestBarSkin() {
    const std::unique_ptr<TovGPImage> sheet = MakeTestSkinSheet();
    const TRect margins{kTestSkinFrameMargin, kTestSkinFrameMargin, kTestSkinFrameMargin,
                        kTestSkinFrameMargin};
    for (std::size_t column = 0; column < kTestSkinPartKinds.size(); ++column) {
        const int kind = kTestSkinPartKinds[column];
        std::array<int, 9>& indices = FIndices[kind];
        for (int state = 0; state < ovSkinStateCount; ++state) {
            const TRect cell = uiRectOfBounds(int(column) * kTestSkinCellSize, state * kTestSkinCellSize,
                                              kTestSkinCellSize, kTestSkinCellSize);
            indices[std::size_t(state)] = AddPartWithMargins(sheet->GetHandle(), cell, margins,
                                                             kind * 10 + state, Format("%d/%d", kind, state));
        }
    }
}

TovSkinnedRect* TTestBarSkin::PartOf(int AKind, int AState) const {
    const auto found = FIndices.find(AKind);
    if (found == FIndices.end() || AState < 0 || AState >= ovSkinStateCount) return nullptr;
    return GetPart(found->second[std::size_t(AState)]);
}

// ---- TTestSkin

namespace test_skin_detail {
bool IsTabGroup(int APart) {
    return APart == ovSkinPartTabGroup || APart == ovSkinPartTabGroupInPopup;
}
} // namespace test_skin_detail
using test_skin_detail::IsTabGroup;

TTestSkin::TTestSkin() : FParts(std::make_unique<TTestBarSkin>()) {}

TTestSkin::~TTestSkin() = default;

void TTestSkin::DrawBackground(HDC DC, const TRect& R, int APart, int AState) {
    if (TovSkinnedRect* part = FParts->PartOf(APart, AState)) part->Draw(DC, R);
}

void TTestSkin::DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) {
    if (TovSkinnedRect* part = FParts->PartOf(APart, AState)) part->Draw(DC, R);
}

void TTestSkin::DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) {
    if (!IsTabGroup(APart)) return;
    RECT r = uiMoveRectTopEdge(R, R.top + 1);
    uiDrawText(DC, AText, r, TRANSPARENT, ovSkinBasePartColor(ovSkinColorItemText, AState, Inputs), -1,
               DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

TRect TTestSkin::GetCaptionRect(const TRect& R, int APart) {
    if (!IsTabGroup(APart)) return TRect{};
    const TRect offsets = ovSkinBaseContentOffsets(APart);
    const int bottom = R.bottom - kTestSkinCaptionBottomOffset;
    return TRect{R.left + offsets.left, std::max<int>(R.top, bottom - kTestSkinCaptionHeight),
                 R.right - offsets.right, bottom};
}

TRect TTestSkin::GetContentOffsets(int APart) {
    TRect offsets = ovSkinBaseContentOffsets(APart);
    if (IsTabGroup(APart)) offsets.bottom += kTestSkinCaptionBottomOffset + kTestSkinCaptionHeight;
    return offsets;
}

TColor TTestSkin::GetPartColor(int APart, int AState) {
    return ovSkinBasePartColor(APart, AState, Inputs);
}

int TTestSkin::GetPartSize(int APart) {
    return ovSkinBasePartSize(APart, Inputs);
}

// ---- TRecordingTestSkin

std::string ToString(const TSkinCall& ACall) {
    auto rect = [](const TRect& R) { return Format("(%d, %d, %d, %d)", R.left, R.top, R.right, R.bottom); };
    std::string text = ACall.Operation;
    if (ACall.Part != -1) text += Format(" %d", ACall.Part);
    if (ACall.State != -1) text += Format("/%d", ACall.State);
    if (ACall.Operation.rfind("Draw", 0) == 0 || ACall.Operation == "GetCaptionRect")
        text += " " + rect(ACall.R);
    if (ACall.Operation == "DrawBackgroundEx") text += " in " + rect(ACall.Bounds);
    if (ACall.Operation == "DrawCaption") text += " \"" + ACall.Text + "\"";
    return text;
}

void TRecordingTestSkin::Record(const std::string& AOperation, int APart, int AState, const TRect& R,
                                const TRect& ABounds, const std::string& AText) {
    Calls.push_back({AOperation, APart, AState, R, ABounds, AText});
}

void TRecordingTestSkin::DrawBackground(HDC DC, const TRect& R, int APart, int AState) {
    Record("DrawBackground", APart, AState, R);
    TTestSkin::DrawBackground(DC, R, APart, AState);
}

void TRecordingTestSkin::DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart,
                                          int AState) {
    Record("DrawBackgroundEx", APart, AState, R, ABounds);
    TTestSkin::DrawBackgroundEx(DC, R, ABounds, APart, AState);
}

void TRecordingTestSkin::DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart,
                                     int AState) {
    Record("DrawCaption", APart, AState, R, {}, AText);
    TTestSkin::DrawCaption(DC, AText, R, APart, AState);
}

TovFadingOptions* TRecordingTestSkin::GetFadingOptions() {
    Record("GetFadingOptions");
    return TTestSkin::GetFadingOptions();
}

TRect TRecordingTestSkin::GetCaptionRect(const TRect& R, int APart) {
    Record("GetCaptionRect", APart, -1, R);
    return TTestSkin::GetCaptionRect(R, APart);
}

TRect TRecordingTestSkin::GetContentOffsets(int APart) {
    Record("GetContentOffsets", APart);
    return TTestSkin::GetContentOffsets(APart);
}

bool TRecordingTestSkin::GetIsAlphaUsed(int APart) {
    Record("GetIsAlphaUsed", APart);
    return TTestSkin::GetIsAlphaUsed(APart);
}

std::string TRecordingTestSkin::GetName() {
    Record("GetName");
    return TTestSkin::GetName();
}

TColor TRecordingTestSkin::GetPartColor(int APart, int AState) {
    Record("GetPartColor", APart, AState);
    return TTestSkin::GetPartColor(APart, AState);
}

int TRecordingTestSkin::GetPartSize(int APart) {
    Record("GetPartSize", APart);
    return TTestSkin::GetPartSize(APart);
}

bool TRecordingTestSkin::UseRoundedWindowCorners() {
    Record("UseRoundedWindowCorners");
    return TTestSkin::UseRoundedWindowCorners();
}

std::vector<std::string> TRecordingTestSkin::TakeDrawn() {
    std::vector<std::string> drawn;
    for (const TSkinCall& call : Calls)
        if (call.Operation == "DrawBackground" || call.Operation == "DrawBackgroundEx")
            drawn.push_back(ToString(call));
    Calls.clear();
    return drawn;
}

} // namespace skin_test
