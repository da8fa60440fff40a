#include "source/editing/SelectionTimes.h"

#include <algorithm>

TSelectionTimes ApplyTypedTime(TSelectionField Field, std::int64_t Value, TSelectionTimes Before,
                               std::int64_t Total) {
    TSelectionTimes after = Before;
    switch (Field) {
    case TSelectionField::Start:
        if (Value <= Before.End)
            after.Start = Value;
        else
            after.Start = after.End = Value > Total ? Total : Value;
        break;
    case TSelectionField::End:
        if (Value <= Before.Start)
            after.End = Before.Start;
        else
            after.End = std::min(Value, Total);
        break;
    case TSelectionField::Length:
        after.End = std::min(Before.Start + Value, Total);
        break;
    }
    return after;
}
