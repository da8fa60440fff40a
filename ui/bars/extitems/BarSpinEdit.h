// The spin edit: a bar edit holding a number (whole or not) with an optional text before or after it,
// two buttons and the Up and Down keys stepping it, the mouse wheel too, and an optional range. The number
// lives in the text only: Value parses the text, setting it rewrites the text.
#pragma once

#include "ui/bars/BarEditItems.h"

#include <string>

enum TovBarSpinEditValueType { svtInteger, svtFloat };
enum TovBarSpinEditPrefixPlace { ppStart, ppEnd };
enum TovBarSpinEditButton { sbNone, sbUp, sbDown };

class TovBarSpinEdit;
using TovBarSpinEditButtonClickEvent = TEvent<TovBarSpinEdit*, TovBarSpinEditButton>;

class TovBarSpinEdit : public TovBarEdit {
public:
    explicit TovBarSpinEdit(TComponent* AOwner);

    TovBarSpinEditValueType ValueType() const { return FValueType; }
    void SetValueType(TovBarSpinEditValueType AValue);
    double Increment() const { return FIncrement; }
    // Rounded to the value type; a step of nothing (below 1 for whole numbers) becomes 1.
    void SetIncrement(double AValue);
    // The range is active unless both ends are 0; moving one end past the other takes the other along.
    double MinValue() const { return FMinValue; }
    void SetMinValue(double AValue);
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double AValue);
    bool RangeActive() const { return FMinValue != 0 || FMaxValue != 0; }
    // Text shown before (ppStart) or after (ppEnd) the number.
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& AValue);
    TovBarSpinEditPrefixPlace PrefixPlace() const { return FPrefixPlace; }
    void SetPrefixPlace(TovBarSpinEditPrefixPlace AValue);

    // The number of the item's text; MinValue when the text holds none.
    double Value() const { return ParseText(GetText()); }
    void SetValue(double AValue);
    // The number shown now (in the focused control's field while one is edited) and setting it there.
    double CurValue() const { return ParseText(GetCurText()); }
    void SetCurValue(double AValue);
    // A text holding no number of the value type (after its prefix is removed) changes nothing.
    void SetText(const std::string& AValue) override;
    // One step up or down from the number shown now, then OnButtonClick.
    void Step(TovBarSpinEditButton AButton);

    // Rounded to the value type and kept in the range.
    double Clamp(double AValue) const;
    std::string FormatValue(double AValue) const;
    double ParseText(const std::string& AText) const;
    // Whether the text without its prefix is a number of the value type.
    bool IsNumberText(const std::string& AText) const;

    // Up and Down step the focused control; typed characters other than a number's are dropped.
    void KeyDown(WORD& AKey, TShiftState AShift) override;
    void KeyUp(WORD& AKey, TShiftState AShift) override;
    void KeyPress(TKeyChar& AKey) override;

    TovBarSpinEditButtonClickEvent OnButtonClick;

private:
    double Round(double AValue) const;
    std::string WithoutPrefix(const std::string& AText) const;
    // Rewrites the text from a value (the item's and the one shown).
    void Rebuild(double AValue, double ACurValue);

    TovBarSpinEditValueType FValueType = svtInteger;
    double FIncrement = 1;
    double FMinValue = 0;
    double FMaxValue = 0;
    std::string FPrefix;
    TovBarSpinEditPrefixPlace FPrefixPlace = ppEnd;
};
