// The main window's pure rules: which commands can run for each combination of the document's facts,
// how a typed time changes the selection, and the zoom arithmetic.
#include "source/editing/SelectionTimes.h"
#include "source/mainform/CommandAvailability.h"
#include "source/mainform/ViewZoom.h"

#include <gtest/gtest.h>

namespace main_window_rules_test {

TEST(CommandAvailability, EachClassFollowsItsFactsForEveryCombination) {
    using enum TAvailability;
    struct TRow {
        const char* Case;
        TDocumentFacts Facts;
        // Always, NamedFile, Document, Length, Selection, Clipboard, Undo, Redo
        bool Expected[8];
    };
    const TRow rows[] = {
        {"no document, stale facts", {false, 100, 50, true, true, true, true}, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"empty new document", {true, 0, 0, false, false, false, false}, {1, 0, 1, 0, 0, 0, 0, 0}},
        {"empty document, clipboard", {true, 0, 0, true, false, false, false}, {1, 0, 1, 0, 0, 1, 0, 0}},
        {"sound, no selection", {true, 1000, 0, false, true, false, false}, {1, 1, 1, 1, 0, 0, 0, 0}},
        {"sound with a selection", {true, 1000, 10, false, false, true, false}, {1, 0, 1, 1, 1, 0, 1, 0}},
        {"selection in an empty document",
         {true, 0, 10, false, false, false, true},
         {1, 0, 1, 0, 0, 0, 0, 1}},
        {"everything", {true, 1000, 1000, true, true, true, true}, {1, 1, 1, 1, 1, 1, 1, 1}},
    };
    const TAvailability classes[] = {Always, NamedFile, Document, Length, Selection, Clipboard, Undo, Redo};
    for (const TRow& row : rows)
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(CommandEnabled(classes[i], row.Facts), row.Expected[i]) << row.Case << ", class " << i;
}

TEST(CommandAvailability, CommandsBelongToTheirClasses) {
    using enum TAvailability;
    const std::pair<const char*, TAvailability> commands[] = {
        {"ActionSaveFile", NamedFile},
        {"ActionSaveAs", Length},
        {"ActionPlay", Length},
        {"ActionZoomToLeft", Length},
        {"ActionMixFile", Document},
        {"ActionVerticalZoomIn", Document},
        {"ActionCut", Selection},
        {"ActionLoopPlay", Selection},
        {"ActionZoomToSelection", Selection},
        {"ActionPaste", Clipboard},
        {"ActionPasteMix", Clipboard},
        {"ActionUndo", Undo},
        {"ActionRedo", Redo},
        {"ActionNewFile", Always},
        {"ActionRecord", Always},
        {"ActionWorkplaceBlackWhite", Always},
    };
    for (const auto& [name, expected] : commands)
        EXPECT_EQ(ActionAvailability(name), expected) << name;
    EXPECT_EQ(BarItemAvailability(TBarItem::Invert), Length);
    EXPECT_EQ(BarItemAvailability(TBarItem::LeftChannel), Document);
    EXPECT_EQ(BarItemAvailability(TBarItem::ShowCommandBar), Always);
}

TEST(SelectionTimes, ATypedTimeMovesTheSelectionWithinTheDocument) {
    using enum TSelectionField;
    struct TCase {
        const char* Case;
        TSelectionField Field;
        std::int64_t Value;
        TSelectionTimes Before;
        TSelectionTimes After;
    };
    const std::int64_t total = 10000;
    const TCase cases[] = {
        {"start inside", Start, 2000, {1000, 5000}, {2000, 5000}},
        {"start at the end", Start, 5000, {1000, 5000}, {5000, 5000}},
        {"start after the end collapses", Start, 7000, {1000, 5000}, {7000, 7000}},
        {"start past the document", Start, 12000, {1000, 5000}, {10000, 10000}},
        {"end inside", End, 8000, {1000, 5000}, {1000, 8000}},
        {"end before the start", End, 500, {1000, 5000}, {1000, 1000}},
        {"end past the document", End, 12000, {1000, 5000}, {1000, 10000}},
        {"length inside", Length, 3000, {1000, 5000}, {1000, 4000}},
        {"length past the document", Length, 99000, {1000, 5000}, {1000, 10000}},
        {"length zero", Length, 0, {1000, 5000}, {1000, 1000}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ApplyTypedTime(c.Field, c.Value, c.Before, total), c.After) << c.Case;
}

TEST(ViewZoom, ZoomInHalvesTheViewAroundTheCursor) {
    EXPECT_EQ(ZoomInAround(0, 1000, 0), (TViewRange{0, 500}));       // the cursor at the start keeps it
    EXPECT_EQ(ZoomInAround(0, 1000, 1000), (TViewRange{500, 1000})); // and at the end likewise
    EXPECT_EQ(ZoomInAround(100, 1101, 600), (TViewRange{350, 851})); // halves truncate toward zero
}

TEST(ViewZoom, VerticalZoomStepsByTwentyAndStopsAtItsBounds) {
    int percent = 100;
    std::vector<int> passed;
    for (int i = 0; i < 10; ++i)
        passed.push_back(percent = NextVerticalZoom(percent, true));
    EXPECT_EQ(passed, (std::vector<int>{80, 60, 40, 20, 20, 20, 20, 20, 20, 20}));
    EXPECT_EQ(NextVerticalZoom(20, false), 40);
    EXPECT_EQ(NextVerticalZoom(1000, false), 1000);
    EXPECT_EQ(NextVerticalZoom(990, false), 1000);
}

} // namespace main_window_rules_test

TEST(ViewZoom, AfterALengthChangeTheViewShowsTheDocumentOrKeepsItsZoom) {
    struct Case {
        TViewRange View;
        std::int64_t Old, New;
        TViewRange Expected;
    };
    for (const Case& c : {
             Case{{0, 0}, 0, 5000, {0, 5000}},             // undo after deleting everything
             Case{{0, 0}, 5000, 0, {0, 0}},                // everything deleted
             Case{{0, 4000}, 4000, 6000, {0, 6000}},       // all was shown; a paste at the end
             Case{{0, 3000}, 4000, 3000, {0, 3000}},       // all was shown; a cut at the end
             Case{{1000, 2000}, 4000, 6000, {1000, 2000}}, // a zoom that still shows the document
             Case{{0, 2000}, 4000, 6000, {0, 2000}},
             Case{{2500, 2500}, 4000, 2500, {0, 2500}}, // the zoomed stretch went
         })
        EXPECT_EQ(ViewAfterLengthChange(c.View, c.Old, c.New), c.Expected)
            << c.View.Start << ".." << c.View.End << " " << c.Old << "->" << c.New;
}

TEST(ViewZoom, TheViewBarsThumbIsTheViewsShareAndItsPositionMovesTheViewWhole) {
    EXPECT_EQ(ViewBarFor({0, 1000}, 1000), (TViewBar{0, ViewBarRange}));
    EXPECT_EQ(ViewBarFor({250, 500}, 1000), (TViewBar{ViewBarRange / 4, ViewBarRange / 4}));
    EXPECT_EQ(ViewBarFor({999, 1000}, 1000000), (TViewBar{65, 1})); // a thumb never vanishes
    EXPECT_EQ(ViewBarFor({0, 0}, 0), TViewBar{});
    EXPECT_EQ(ViewAtBar(ViewBarRange / 2, {250, 500}, 1000), (TViewRange{500, 750}));
    EXPECT_EQ(ViewAtBar(ViewBarRange - 1, {250, 500}, 1000), (TViewRange{750, 1000})); // kept inside
    EXPECT_EQ(ViewAtBar(0, {250, 500}, 1000), (TViewRange{0, 250}));
}
