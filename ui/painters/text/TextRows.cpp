#include "ui/painters/text/TextRows.h"

void TuiTextRows::SetCount(int ACount) {
    if (ACount < 0) ACount = 0;
    if (ACount > InlineCount && static_cast<int>(FDynamic.size()) < ACount - InlineCount)
        FDynamic.resize(static_cast<std::size_t>(ACount - InlineCount));
    for (int i = FCount; i < ACount; ++i)
        (*this)[i] = TuiTextRow{};
    FCount = ACount;
}
