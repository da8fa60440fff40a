// Where the selection is after samples are put in at the cursor, shown or switched off. A shown
// selection keeps selecting its audio. A switched-off one is reported as the cursor; its hidden ends
// follow their audio as well, except an end that stands at the cursor: it stays there with the cursor,
// so switching the selection on again shows what was reported before the insert.
#include "audio/AudioEditor2.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct InsertCase {
    const char* name;
    bool on;                         // the selection shown while the samples go in
    std::int64_t start, end, cursor; // before (start and end set first, then the cursor)
    std::int64_t wantStart, wantEnd; // reported once the selection is shown again
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr std::int64_t Inserted = 100;

const InsertCase InsertCases[] = {
    {"ShownFromTheCursor", true, 300, 500, 300, 400, 600},
    {"ShownAfterTheCursor", true, 300, 500, 200, 400, 600},
    {"ShownAroundTheCursor", true, 300, 500, 400, 300, 600},
    {"HiddenFromTheCursor", false, 300, 500, 300, 300, 600},
    {"HiddenEmptyAtTheCursor", false, 300, 300, 300, 300, 300},
    {"HiddenUpToTheCursor", false, 300, 500, 500, 300, 500},
    {"HiddenAfterTheCursor", false, 300, 500, 200, 400, 600},
    {"HiddenBeforeTheCursor", false, 300, 500, 700, 300, 500},
};

class EditorInsertSelection : public testing::TestWithParam<InsertCase> {};

TEST_P(EditorInsertSelection, PutSamplesKeepsTheSelectionWhereItWasReported) {
    const InsertCase& c = GetParam();
    TAudioEditor2 editor;
    editor.New(8000, 1);
    editor.PutSamples(std::vector<float>(1000, 0.5f));
    TAudioEditor2Position& position = editor.Position();
    position.SetSelection(-1);
    position.SetSelectionStart(c.start);
    position.SetSelectionEnd(c.end);
    position.SetSelection(c.on ? -1 : 0);
    position.SetCursor(c.cursor);

    editor.PutSamples(std::vector<float>(Inserted, -0.5f));

    EXPECT_EQ(position.GetLength(), 1000 + Inserted);
    EXPECT_EQ(position.GetPosition(), c.cursor); // the cursor stays where the samples went in
    if (!c.on) {
        EXPECT_EQ(position.GetSelectionStart(), c.cursor); // switched off: the cursor is reported
        position.SetSelection(-1);
    }
    EXPECT_EQ(position.GetSelectionStart(), c.wantStart);
    EXPECT_EQ(position.GetSelectionEnd(), c.wantEnd);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditorInsertSelection, testing::ValuesIn(InsertCases),
                         [](const testing::TestParamInfo<InsertCase>& info) { return info.param.name; });

} // namespace
