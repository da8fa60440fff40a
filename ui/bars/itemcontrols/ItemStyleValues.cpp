#include "ui/bars/itemcontrols/ItemStyleValues.h"

#include "platform/vcl/Font.h"
#include "ui/bars/BarItem.h"
#include "ui/painters/styles/Styles.h"

bool ovBarItemStyleValues(TovBarItem* AItem, int AIndex, TovBarItemStyleValues& AValues) {
    AValues = TovBarItemStyleValues{};
    TuiStyle* style = AItem != nullptr ? AItem->GetStyleByIndex(AIndex) : nullptr;
    if (style == nullptr) return false;
    const TuiStyleValues assigned = style->AssignedValues();
    AValues.HasColor = assigned.Contains(svColor);
    AValues.HasFont = assigned.Contains(svFont);
    AValues.HasTextColor = assigned.Contains(svTextColor);
    AValues.Color = style->Color();
    AValues.TextColor = style->TextColor();
    AValues.Font = style->Font()->LogFont();
    return true;
}
