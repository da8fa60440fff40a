#include "ui/painters/popups/ContainerStyle.h"

#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Font.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/popups/StyleController.h"

#include <algorithm>
#include <vector>

namespace container_style_detail {

constexpr const char* ValueNames[uiContainerStyleValueCount] = {
    "BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
    "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};

// The border styles of the states that follow hot tracking, by the parent's border style: row 0 is used
// for the normal and disabled look, row 1 for the hot-tracking states.
constexpr TuiContainerBorderStyle StateBorderStyles[2][7] = {
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11}};

// A style's own font is locked while the style copies a font into it, so that the copy does not count
// as the user assigning the font.
class TFontLock {
public:
    explicit TFontLock(int& ACount) : FCount(ACount) { ++FCount; }
    ~TFontLock() { --FCount; }
    TFontLock(const TFontLock&) = delete;
    TFontLock& operator=(const TFontLock&) = delete;

private:
    int& FCount;
};

} // namespace container_style_detail

using namespace container_style_detail;

bool uiContainerStyleValueName(int AIndex, std::string& AName) {
    if (AIndex < 0 || AIndex >= uiContainerStyleValueCount) {
        AName.clear();
        return false;
    }
    AName = ValueNames[AIndex];
    return true;
}

int uiContainerStyleValueIndex(const std::string& AName) {
    const std::string upper = UpperCase(AName);
    for (int i = 0; i < uiContainerStyleValueCount; ++i)
        if (UpperCase(ValueNames[i]) == upper) return i;
    return -1;
}

TuiContainerStyleValues uiContainerStyleValuesFromBits(std::uint32_t ABits) {
    TuiContainerStyleValues result;
    for (int bit = 0; bit < 32; ++bit)
        if ((ABits >> bit) & 1u) result.Include(static_cast<TuiContainerStyleValue>(bit));
    return result;
}

std::uint32_t uiContainerStyleValuesToBits(const TuiContainerStyleValues& AValues) {
    std::uint32_t bits = 0;
    for (int bit = 0; bit < 32; ++bit)
        if (AValues.Contains(static_cast<TuiContainerStyleValue>(bit))) bits |= 1u << bit;
    return bits;
}

// ---- Life

TuiContainerStyle::TuiContainerStyle(TPersistent* AOwner, int AState, TuiContainerStyle* AParentStyle)
    : TuiInterfacedPersistent(AOwner), FParentStyle(AParentStyle), FState(AState) {
    if (IsBaseStyle()) {
        FFont = std::make_unique<TFont>();
        FFont->OnChange = TNotifyEvent(this, &TuiContainerStyle::OwnFontChanged);
        FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
        FLookAndFeel->OnChanged = TuiLookAndFeelChangedEvent(
            [this](TuiLookAndFeel*, TuiLookAndFeelValues) { NotifyChanged(); }, this);
        {
            TFontLock lock(FFontLockCount);
            uiAssignDefaultFont(FFont.get());
        }
        SetStyleController(GetFallbackStyleController());
    }
}

TuiContainerStyle::~TuiContainerStyle() {
    FIsDestroying = true;
    if (IsBaseStyle() && FStyleController != nullptr) FStyleController->RemoveStyleListener(this);
    FStyleController = nullptr;
    FLookAndFeel.reset();
    FFont.reset();
}

void TuiContainerStyle::BeginUpdate() {
    ++FUpdateCount;
}

void TuiContainerStyle::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FModified) NotifyChanged();
}

void TuiContainerStyle::NotifyChanged() {
    FModified = true;
    if (FUpdateCount != 0) return;
    FModified = false;
    if (!FIsDestroying) OnChanged(this);
}

void TuiContainerStyle::AssignValue(TuiContainerStyleValue AValue) {
    FAssignedValues.Include(AValue);
    NotifyChanged();
}

// ---- Lookup

TuiStyleController* TuiContainerStyle::ActiveStyleController() {
    return BaseStyle()->FStyleController;
}

TuiContainerStyle* TuiContainerStyle::FindAssigningStyle(TuiContainerStyleValue AValue) {
    // The chain of controllers cannot close on itself (SetStyleController refuses that), but a walk that
    // remembers where it was ends whatever the chain looks like.
    std::vector<TuiContainerStyle*> visited;
    TuiContainerStyle* style = this;
    while (style != nullptr) {
        if (std::find(visited.begin(), visited.end(), style) != visited.end()) return nullptr;
        visited.push_back(style);
        if (style->FAssignedValues.Contains(AValue)) return style;
        TuiStyleController* controller = style->ActiveStyleController();
        style = controller != nullptr ? controller->Styles()->Items(FState) : nullptr;
    }
    return nullptr;
}

bool TuiContainerStyle::IsStyleValueAssigned(int AIndex) {
    if (AIndex < 0 || AIndex >= uiContainerStyleValueCount) return false;
    return FindAssigningStyle(static_cast<TuiContainerStyleValue>(AIndex)) != nullptr;
}

// ---- Values

void TuiContainerStyle::SetAssignedValues(const TuiContainerStyleValues& AValue) {
    if (FAssignedValues == AValue) return;
    FAssignedValues = AValue;
    if (IsBaseStyle()) UpdateFont();
    NotifyChanged();
}

TColor TuiContainerStyle::BorderColor() {
    TuiContainerStyle* source = FindAssigningStyle(csvBorderColor);
    return source != nullptr ? source->FBorderColor : FallbackBorderColor();
}

void TuiContainerStyle::SetBorderColor(TColor AValue) {
    if (FAssignedValues.Contains(csvBorderColor) && FBorderColor == AValue) return;
    FBorderColor = AValue;
    AssignValue(csvBorderColor);
}

TuiContainerBorderStyle TuiContainerStyle::BorderStyle() {
    TuiContainerStyle* source = FindAssigningStyle(csvBorderStyle);
    return source != nullptr ? source->FBorderStyle : FallbackBorderStyle();
}

void TuiContainerStyle::SetBorderStyle(TuiContainerBorderStyle AValue) {
    if (FAssignedValues.Contains(csvBorderStyle) && FBorderStyle == AValue) return;
    FBorderStyle = AValue;
    AssignValue(csvBorderStyle);
}

TColor TuiContainerStyle::Color() {
    return EffectiveColor();
}

void TuiContainerStyle::SetColor(TColor AValue) {
    if (FAssignedValues.Contains(csvColor) && FColor == AValue) return;
    FColor = AValue;
    AssignValue(csvColor);
}

TColor TuiContainerStyle::EffectiveColor() {
    TuiContainerStyle* source = FindAssigningStyle(csvColor);
    return source != nullptr ? source->FColor : FallbackColor();
}

TColor TuiContainerStyle::EffectivePaintColor() {
    return EffectiveColor();
}

TuiBorders TuiContainerStyle::Edges() {
    if (!IsBaseStyle()) return FParentStyle->Edges();
    TuiContainerStyle* source = FindAssigningStyle(csvEdges);
    return source != nullptr ? source->FEdges : FallbackEdges();
}

void TuiContainerStyle::SetEdges(TuiBorders AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetEdges(AValue);
    if (FAssignedValues.Contains(csvEdges) && FEdges == AValue) return;
    FEdges = AValue;
    AssignValue(csvEdges);
}

TFont* TuiContainerStyle::Font() {
    return IsBaseStyle() ? FFont.get() : FParentStyle->Font();
}

void TuiContainerStyle::SetFont(TFont* AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetFont(AValue);
    BeginUpdate();
    FFont->Assign(AValue);
    AssignValue(csvFont);
    EndUpdate();
}

bool TuiContainerStyle::HotTrack() {
    if (!IsBaseStyle()) return FParentStyle->HotTrack();
    TuiContainerStyle* source = FindAssigningStyle(csvHotTrack);
    return source != nullptr ? source->FHotTrack : FallbackHotTrack();
}

void TuiContainerStyle::SetHotTrack(bool AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetHotTrack(AValue);
    if (FAssignedValues.Contains(csvHotTrack) && FHotTrack == AValue) return;
    FHotTrack = AValue;
    AssignValue(csvHotTrack);
}

TuiLookAndFeel* TuiContainerStyle::LookAndFeel() {
    return BaseStyle()->FLookAndFeel.get();
}

void TuiContainerStyle::SetLookAndFeel(TuiLookAndFeel* AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetLookAndFeel(AValue);
    FLookAndFeel->Assign(AValue);
}

bool TuiContainerStyle::Shadow() {
    if (!IsBaseStyle()) return FParentStyle->Shadow();
    TuiContainerStyle* source = FindAssigningStyle(csvShadow);
    return source != nullptr ? source->FShadow : FallbackShadow();
}

void TuiContainerStyle::SetShadow(bool AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetShadow(AValue);
    if (FAssignedValues.Contains(csvShadow) && FShadow == AValue) return;
    FShadow = AValue;
    AssignValue(csvShadow);
}

TColor TuiContainerStyle::TextColor() {
    return EffectiveTextColor();
}

void TuiContainerStyle::SetTextColor(TColor AValue) {
    if (FAssignedValues.Contains(csvTextColor) && EffectiveTextColor() == AValue) return;
    FTextColor = AValue;
    AssignValue(csvTextColor);
}

TColor TuiContainerStyle::EffectiveTextColor() {
    TuiContainerStyle* source = FindAssigningStyle(csvTextColor);
    return source != nullptr ? source->FTextColor : FallbackTextColor();
}

TFontStyles TuiContainerStyle::TextStyle() {
    return EffectiveTextStyle();
}

void TuiContainerStyle::SetTextStyle(TFontStyles AValue) {
    if (FAssignedValues.Contains(csvTextStyle) && EffectiveTextStyle() == AValue) return;
    FTextStyle = AValue;
    AssignValue(csvTextStyle);
}

TFontStyles TuiContainerStyle::EffectiveTextStyle() {
    TuiContainerStyle* source = FindAssigningStyle(csvTextStyle);
    return source != nullptr ? source->FTextStyle : FallbackTextStyle();
}

bool TuiContainerStyle::TransparentBorder() {
    if (!IsBaseStyle()) return FParentStyle->TransparentBorder();
    TuiContainerStyle* source = FindAssigningStyle(csvTransparentBorder);
    return source != nullptr ? source->FTransparentBorder : FallbackTransparentBorder();
}

void TuiContainerStyle::SetTransparentBorder(bool AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetTransparentBorder(AValue);
    if (FAssignedValues.Contains(csvTransparentBorder) && FTransparentBorder == AValue) return;
    FTransparentBorder = AValue;
    AssignValue(csvTransparentBorder);
}

// ---- Fallbacks

TColor TuiContainerStyle::FallbackBorderColor() {
    if (IsBaseStyle()) return clWindowFrame;
    if (FState == uiContainerStateDisabled) return clBtnShadow;
    return FParentStyle->BorderColor();
}

TuiContainerBorderStyle TuiContainerStyle::FallbackBorderStyle() {
    if (IsBaseStyle()) {
        switch (LookAndFeel()->Kind()) {
        case lfFlat:
            return cbsFlat;
        case lfStandard:
            return cbs3D;
        case lfOffice11:
            return cbsOffice11;
        case lfUltraFlat:
        default:
            return cbsUltraFlat;
        }
    }
    const int row = (HotTrack() || FState == uiContainerStateDisabled) ? FState : 0;
    const TuiContainerBorderStyle parentStyle = FParentStyle->BorderStyle();
    return StateBorderStyles[row % 2][std::min<int>(parentStyle, cbsOffice11)];
}

TColor TuiContainerStyle::FallbackColor() {
    return IsBaseStyle() ? clBtnFace : FParentStyle->EffectiveColor();
}

TuiBorders TuiContainerStyle::FallbackEdges() {
    return uiBordersAll;
}

bool TuiContainerStyle::FallbackHotTrack() {
    return true;
}

bool TuiContainerStyle::FallbackShadow() {
    return false;
}

TColor TuiContainerStyle::FallbackTextColor() {
    if (IsBaseStyle()) return Font()->Color();
    if (FState == uiContainerStateDisabled) return clBtnShadow;
    return FParentStyle->EffectiveTextColor();
}

TFontStyles TuiContainerStyle::FallbackTextStyle() {
    return IsBaseStyle() ? Font()->Style() : FParentStyle->EffectiveTextStyle();
}

bool TuiContainerStyle::FallbackTransparentBorder() {
    return true;
}

TuiContainerStyleValues TuiContainerStyle::UnpublishedValues() {
    return TuiContainerStyleValues{csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};
}

bool TuiContainerStyle::IsPublishedValueName(const std::string& AName) {
    const std::string upper = UpperCase(AName);
    if (upper == "LOOKANDFEEL" || upper == "STYLECONTROLLER") return false;
    const int index = uiContainerStyleValueIndex(AName);
    return index < 0 || !UnpublishedValues().Contains(static_cast<TuiContainerStyleValue>(index));
}

bool TuiContainerStyle::HasFrame() {
    return IsBaseStyle() ? true : FParentStyle->HasFrame();
}

// ---- The controller

TuiStyleController* TuiContainerStyle::StyleController() {
    TuiStyleController* controller = ActiveStyleController();
    return controller == GetFallbackStyleController() ? nullptr : controller;
}

void TuiContainerStyle::SetStyleController(TuiStyleController* AValue) {
    if (!IsBaseStyle()) return FParentStyle->SetStyleController(AValue);
    TuiStyleController* fallback = GetFallbackStyleController();
    // A controller's own style never follows a controller.
    if (fallback != nullptr && static_cast<TPersistent*>(fallback) == FOwnerPersistent) return;
    if (AValue == nullptr) AValue = fallback;
    // Refused when following AValue's chain of controllers comes back to this style, or comes back to
    // any controller twice (a loop elsewhere would make every lookup through it endless).
    std::vector<TuiStyleController*> visited;
    for (TuiStyleController* link = AValue; link != nullptr; link = link->Style()->StyleController()) {
        if (link->Style() == this) return;
        if (std::find(visited.begin(), visited.end(), link) != visited.end()) return;
        visited.push_back(link);
    }
    if (AValue == FStyleController) return;
    if (FStyleController != nullptr) FStyleController->RemoveStyleListener(this);
    FStyleController = AValue;
    if (FStyleController != nullptr) FStyleController->AddStyleListener(this);
    StyleControllerChanged(FStyleController);
}

void TuiContainerStyle::StyleControllerChanged(TuiStyleController*) {
    if (IsBaseStyle()) UpdateFont();
    NotifyChanged();
}

void TuiContainerStyle::StyleControllerFreed(TuiStyleController* AController) {
    if (AController == ActiveStyleController()) SetStyleController(nullptr);
}

// ---- Font

void TuiContainerStyle::UpdateFont() {
    if (!IsBaseStyle() || FAssignedValues.Contains(csvFont)) return;
    TFontLock lock(FFontLockCount);
    TuiContainerStyle* source = FindAssigningStyle(csvFont);
    if (source != nullptr && source != this)
        FFont->Assign(source->FFont.get());
    else
        uiAssignDefaultFont(FFont.get());
}

void TuiContainerStyle::OwnFontChanged(TObject*) {
    if (FFontLockCount == 0) FAssignedValues.Include(csvFont);
    NotifyChanged();
}

void TuiContainerStyle::ReadIsFontAssigned(bool) {
    FAssignedValues.Include(csvFont);
}

// ---- Copying and clearing

void TuiContainerStyle::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiContainerStyle*>(Source);
    if (source == nullptr) return TuiInterfacedPersistent::Assign(Source);
    BeginUpdate();
    if (IsBaseStyle()) {
        SetStyleController(source->StyleController());
        FLookAndFeel->Assign(source->LookAndFeel());
    }
    FBorderColor = source->FBorderColor;
    FBorderStyle = source->FBorderStyle;
    FEdges = source->FEdges;
    FHotTrack = source->FHotTrack;
    FShadow = source->FShadow;
    FTransparentBorder = source->FTransparentBorder;
    FColor = source->FColor;
    if (IsBaseStyle()) {
        TFontLock lock(FFontLockCount);
        FFont->Assign(source->Font());
    }
    FTextColor = source->EffectiveTextColor();
    FTextStyle = source->EffectiveTextStyle();
    FAssignedValues = source->FAssignedValues;
    NotifyChanged();
    EndUpdate();
}

void TuiContainerStyle::ClearAssignedValues() {
    BeginUpdate();
    FAssignedValues = TuiContainerStyleValues{};
    if (IsBaseStyle()) {
        FLookAndFeel->Reset();
        // The font follows the controller again, or is the library's default; it does not count as
        // assigned by the user.
        UpdateFont();
    }
    NotifyChanged();
    EndUpdate();
}
