// The rows of a laid-out text: each row points into the caller's text (nothing is copied) and carries
// its measured size, its place and what justification needs. The first 32 rows live inline, so the
// common short texts lay out without allocating; further rows go to a dynamic array.
#pragma once

#include <array>
#include <vector>

struct TuiTextRow {
    const char16_t* Text = nullptr;
    int Length = 0; // UTF-16 units
    int Width = 0;
    int Height = 0;
    int BreakCount = 0; // spaces and tabs inside the row, spread by justification
    int Left = 0;
    int Top = 0;
    int StartOffset = 0; // units from the start of the whole text
};

using TuiDynamicTextRows = std::vector<TuiTextRow>;

class TuiTextRows {
public:
    static constexpr int InlineCount = 32;

    int Count() const { return FCount; }
    // Growing zeroes every newly counted row.
    void SetCount(int ACount);
    TuiTextRow& operator[](int AIndex) {
        return AIndex < InlineCount ? FInline[AIndex] : FDynamic[AIndex - InlineCount];
    }
    const TuiTextRow& operator[](int AIndex) const {
        return AIndex < InlineCount ? FInline[AIndex] : FDynamic[AIndex - InlineCount];
    }
    // Whether rows beyond the inline ones were ever needed.
    bool UsesDynamicRows() const { return !FDynamic.empty(); }

private:
    int FCount = 0;
    std::array<TuiTextRow, InlineCount> FInline{};
    TuiDynamicTextRows FDynamic;
};
