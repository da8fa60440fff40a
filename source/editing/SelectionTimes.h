// The rule by which a typed time changes a selection: the Set Selection dialog and the main window's
// selection fields both apply it. All values are milliseconds.
#pragma once

#include <cstdint>

enum class TSelectionField { Start, End, Length };

struct TSelectionTimes {
    std::int64_t Start = 0;
    std::int64_t End = 0;
    friend bool operator==(const TSelectionTimes&, const TSelectionTimes&) = default;
};

// The selection after `Value` was typed into `Field`, from the selection `Before` in a document of
// `Total` milliseconds: a start past the end collapses the selection to it (at most to the document's
// end), an end before the start collapses it to the start, and neither end nor length reach past the
// document's end.
TSelectionTimes ApplyTypedTime(TSelectionField Field, std::int64_t Value, TSelectionTimes Before,
                               std::int64_t Total);
