#include "ui/bars/extitems/BarSpinEdit.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrConvert.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/extitems/SpinEditControl.h"

#include <cmath>
#include <cstdint>

namespace {

// The control of the item's active link while it has the keyboard.
TovBarSpinEditControl* FocusedControl(const TovBarSpinEdit* AItem) {
    TovBarItemLink* link = AItem->GetActiveItemLink();
    auto* control = link != nullptr ? dynamic_cast<TovBarSpinEditControl*>(link->Control()) : nullptr;
    return control != nullptr && control->Focused() ? control : nullptr;
}

} // namespace

TovBarSpinEdit::TovBarSpinEdit(TComponent* AOwner) : TovBarEdit(AOwner) {
    FText = "0";
}

double TovBarSpinEdit::Round(double AValue) const {
    return FValueType == svtInteger ? std::trunc(AValue) : AValue;
}

double TovBarSpinEdit::Clamp(double AValue) const {
    AValue = Round(AValue);
    if (RangeActive()) AValue = std::min(std::max(AValue, FMinValue), FMaxValue);
    return AValue;
}

std::string TovBarSpinEdit::FormatValue(double AValue) const {
    const std::string number =
        FValueType == svtFloat ? FloatToStr(AValue) : IntToStr(static_cast<std::int64_t>(std::trunc(AValue)));
    return FPrefixPlace == ppStart ? FPrefix + number : number + FPrefix;
}

std::string TovBarSpinEdit::WithoutPrefix(const std::string& AText) const {
    if (FPrefix.empty()) return AText;
    std::string rest = AText;
    if (const std::size_t at = rest.find(FPrefix); at != std::string::npos) rest.erase(at, FPrefix.size());
    return rest;
}

bool TovBarSpinEdit::IsNumberText(const std::string& AText) const {
    const std::string rest = WithoutPrefix(AText);
    if (FValueType == svtFloat) {
        double value = 0;
        return TryStrToFloat(rest, value);
    }
    std::int64_t value = 0;
    return TryStrToInt64(rest, value);
}

double TovBarSpinEdit::ParseText(const std::string& AText) const {
    const std::string rest = WithoutPrefix(AText);
    if (FValueType == svtFloat) {
        double value = 0;
        return TryStrToFloat(rest, value) ? value : FMinValue;
    }
    std::int64_t value = 0;
    return TryStrToInt64(rest, value) ? static_cast<double>(value) : FMinValue;
}

void TovBarSpinEdit::SetText(const std::string& AValue) {
    if (!IsNumberText(AValue)) return;
    TovBarEdit::SetText(FormatValue(Clamp(ParseText(AValue))));
}

void TovBarSpinEdit::SetValue(double AValue) {
    const double value = Clamp(AValue);
    if (value != Value()) TovBarEdit::SetText(FormatValue(value));
}

void TovBarSpinEdit::SetCurValue(double AValue) {
    const std::string text = FormatValue(Clamp(AValue));
    if (text != GetCurText()) SetCurText(text);
}

void TovBarSpinEdit::Step(TovBarSpinEditButton AButton) {
    if (AButton == sbNone) return;
    SetCurValue(CurValue() + (AButton == sbUp ? FIncrement : -FIncrement));
    OnButtonClick(this, AButton);
}

void TovBarSpinEdit::SetIncrement(double AValue) {
    AValue = Round(AValue);
    if (FValueType == svtInteger ? AValue < 1 : AValue <= 0) AValue = 1;
    FIncrement = AValue;
}

void TovBarSpinEdit::SetMinValue(double AValue) {
    AValue = Round(AValue);
    if (AValue == FMinValue) return;
    FMinValue = AValue;
    if (FMaxValue < FMinValue) FMaxValue = FMinValue;
    const double value = Value(), current = CurValue();
    SetValue(value);
    SetCurValue(current);
}

void TovBarSpinEdit::SetMaxValue(double AValue) {
    AValue = Round(AValue);
    if (AValue == FMaxValue) return;
    FMaxValue = AValue;
    if (FMinValue > FMaxValue) FMinValue = FMaxValue;
    const double value = Value(), current = CurValue();
    SetValue(value);
    SetCurValue(current);
}

void TovBarSpinEdit::Rebuild(double AValue, double ACurValue) {
    TovBarEdit::SetText(FormatValue(Clamp(AValue)));
    if (FocusedControl(this) != nullptr) SetCurText(FormatValue(Clamp(ACurValue)));
}

void TovBarSpinEdit::SetPrefix(const std::string& AValue) {
    if (AValue == FPrefix) return;
    const double value = Value(), current = CurValue();
    FPrefix = AValue;
    Rebuild(value, current);
}

void TovBarSpinEdit::SetPrefixPlace(TovBarSpinEditPrefixPlace AValue) {
    if (AValue == FPrefixPlace) return;
    const double value = Value(), current = CurValue();
    FPrefixPlace = AValue;
    Rebuild(value, current);
}

void TovBarSpinEdit::SetValueType(TovBarSpinEditValueType AValue) {
    if (AValue == FValueType) return;
    const double value = Value(), current = CurValue();
    FValueType = AValue;
    if (AValue != svtInteger) return;
    SetIncrement(FIncrement);
    FMinValue = Round(FMinValue);
    FMaxValue = Round(FMaxValue);
    Rebuild(value, current);
}

void TovBarSpinEdit::KeyDown(WORD& AKey, TShiftState AShift) {
    TovBarEdit::KeyDown(AKey, AShift);
    if (AKey != VK_UP && AKey != VK_DOWN) return;
    TovBarSpinEditControl* control = FocusedControl(this);
    if (control == nullptr || ReadOnly) return;
    const bool up = AKey == VK_UP;
    AKey = 0;
    if (control->PressedButton() >= 0) return;
    control->SetActiveButton(up ? TovBarSpinEditControl::UpButton : TovBarSpinEditControl::DownButton);
    Step(up ? sbUp : sbDown);
}

void TovBarSpinEdit::KeyUp(WORD& AKey, TShiftState AShift) {
    TovBarEdit::KeyUp(AKey, AShift);
    if (AKey != VK_UP && AKey != VK_DOWN) return;
    TovBarSpinEditControl* control = FocusedControl(this);
    if (control != nullptr && !ReadOnly && control->PressedButton() < 0) control->SetActiveButton(-1);
}

void TovBarSpinEdit::KeyPress(TKeyChar& AKey) {
    TovBarEdit::KeyPress(AKey);
    if (AKey == 0 || FocusedControl(this) == nullptr || ReadOnly) return;
    // Digits, Backspace and the clipboard keys (Ctrl+C, Ctrl+V, Ctrl+X) always; a minus sign only where
    // the range goes below zero; the decimal separator only for numbers with a fraction.
    const bool accepted = (AKey >= '0' && AKey <= '9') || AKey == 8 || AKey == 3 || AKey == 22 ||
                          AKey == 24 || (AKey == '-' && FMinValue < 0) ||
                          (FValueType == svtFloat && AKey == TKeyChar(FormatSettings.DecimalSeparator));
    if (!accepted) AKey = 0;
}
