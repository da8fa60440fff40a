// The bookmark and region lists as data: the records and their texts, sorting by a column, and the
// names regions are exported under.
#include "TestFolder.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/ListView.h"
#include "source/markers/MarkerListSort.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/RegionExport.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Sign(int Value) {
    return (Value > 0) - (Value < 0);
}

TEST(MarkerListModelTest, ColumnTextsCompareWithoutCaseAndPutEmptyTextsLastWhenAscending) {
    struct TCase {
        const char* A;
        const char* B;
        int Ascending;  // sign of the comparison ascending
        int Descending; // and descending
    };
    const TCase cases[] = {
        {"apple", "Banana", -1, 1},
        {"Banana", "apple", 1, -1},
        {"INTRO", "intro", 0, 0},
        {"", "zebra", 1, -1},
        {"zebra", "", -1, 1},
        {"", "", 0, 0},
        {"0:00:02.000", "0:00:10.000", -1, 1},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Sign(CompareColumnTexts(c.A, c.B, true)), c.Ascending) << c.A << " / " << c.B;
        EXPECT_EQ(Sign(CompareColumnTexts(c.A, c.B, false)), c.Descending) << c.A << " / " << c.B;
    }
}

TEST(MarkerListModelTest, AClickOnTheRememberedColumnSortsDescendingAndForgetsIt) {
    struct TClick {
        int Column;
        bool Ascending;
        int Remembered;
    };
    // The list starts remembering the name column: its first click sorts descending.
    const TClick clicks[] = {{0, false, -1}, {0, true, 0}, {0, false, -1}, {1, true, 1},
                             {1, false, -1}, {0, true, 0}, {1, true, 1},   {0, true, 0}};
    TColumnSortState state;
    EXPECT_EQ(state.LastAscending(), 0);
    int n = 0;
    for (const TClick& click : clicks) {
        EXPECT_EQ(state.Click(click.Column), click.Ascending) << "click " << n;
        EXPECT_EQ(state.LastAscending(), click.Remembered) << "click " << n;
        ++n;
    }
}

TEST(MarkerListModelTest, RecordsShowTheirTextsWithTheMarkerNumberLast) {
    const TRegion region = MakeRegionRecord("Chorus", 44100, 66150, 3, "/music/take one.wav", 1000, 2500);
    EXPECT_EQ(region.Name, "Chorus");
    EXPECT_EQ(region.RangeText, "0:00:01.000-0:00:02.500");
    EXPECT_EQ(region.FileName, "take one.wav");
    EXPECT_EQ(region.StartSample, 44100);
    EXPECT_EQ(region.EndSample, 110250);
    EXPECT_EQ(region.SubItemTexts(),
              (std::vector<std::string>{"0:00:01.000-0:00:02.500", "take one.wav", "3"}));

    const TBookmark bookmark = MakeBookmarkRecord("Verse", 3969000, 12, 90000);
    EXPECT_EQ(bookmark.PositionText, "0:01:30.000");
    EXPECT_EQ(bookmark.SubItemTexts(), (std::vector<std::string>{"0:01:30.000", "12"}));
    // A copy keeps every field.
    auto copy = region.Clone();
    auto* copied = dynamic_cast<TRegion*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->RangeText, region.RangeText);
    EXPECT_EQ(copied->EndSample, region.EndSample);
}

TEST(MarkerListModelTest, AnExportFormatOutsideTheListIsWrittenAsWav) {
    struct TCase {
        int Setting;
        const char* Extension;
        int Code;
    };
    const TCase cases[] = {{0, ".wav", 1}, {1, ".mp3", 2},  {2, ".ogg", 6},  {3, ".wma", 11},
                           {4, ".wav", 1}, {-1, ".wav", 1}, {255, ".wav", 1}};
    for (const TCase& c : cases) {
        EXPECT_STREQ(ExportFormatOf(c.Setting).Extension, c.Extension) << c.Setting;
        EXPECT_EQ(ExportFormatOf(c.Setting).Code, c.Code) << c.Setting;
    }
}

TEST(MarkerListModelTest, ExportNamesAreCleanedAndNeverTakeAnExistingFile) {
    TTestFolder folder("region-export-names");
    const std::string base = folder.Path();
    const std::string plain = base.substr(0, base.size() - 1); // a folder given without its separator
    EXPECT_EQ(RegionExportTarget(plain, "a/b:c", ".wav"), base + "a_b_c.wav");
    EXPECT_EQ(RegionExportTarget(base, "Take \"one\" <2>?", ".mp3"), base + "Take _one_ _2__.mp3");
    folder.Write("Intro.wav", "taken");
    EXPECT_EQ(RegionExportTarget(base, "Intro", ".wav"), base + "Intro(1).wav");
    folder.Write("Intro(1).wav", "taken too");
    EXPECT_EQ(RegionExportTarget(base, "Intro", ".wav"), base + "Intro(2).wav");
    // Another format of the same name is free.
    EXPECT_EQ(RegionExportTarget(base, "Intro", ".ogg"), base + "Intro.ogg");
}

class MarkerListSortTest : public stdctrls_test::StdCtrlsTest {};

// Rows as (caption, time, file); sorting by a column orders the captions as the table says.
TEST_F(MarkerListSortTest, SortingAListByAColumnPutsRowsWithoutTextLast) {
    auto* list = new TListView(form);
    list->SetParent(form);
    for (const char* caption : {"Name", "Time", "File"})
        list->Columns()->Add()->SetCaption(caption);
    const std::vector<std::vector<std::string>> rows{
        {"bridge", "0:00:09.000", ""},
        {"Chorus", "0:00:03.000", "b.wav"},
        {"", "0:00:01.000", "a.wav"},
        {"alpha", "", "C.wav"},
    };
    for (const auto& row : rows) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(row[0]);
        item->SubItems()->Add(row[1]);
        if (!row[2].empty()) item->SubItems()->Add(row[2]); // a missing sub-item counts as empty
    }
    auto captions = [list] {
        std::vector<std::string> out;
        for (int i = 0; i < list->Items()->Count(); ++i)
            out.push_back(list->Items()->Item(i)->Caption());
        return out;
    };
    struct TCase {
        int Column;
        bool Ascending;
        std::vector<std::string> Captions;
    };
    const TCase cases[] = {
        {0, true, {"alpha", "bridge", "Chorus", ""}}, {0, false, {"", "Chorus", "bridge", "alpha"}},
        {1, true, {"", "Chorus", "bridge", "alpha"}}, {1, false, {"alpha", "bridge", "Chorus", ""}},
        {2, true, {"", "Chorus", "alpha", "bridge"}}, {2, false, {"bridge", "alpha", "Chorus", ""}},
    };
    for (const TCase& c : cases) {
        SortByColumn(*list, c.Column, c.Ascending);
        EXPECT_EQ(captions(), c.Captions)
            << "column " << c.Column << (c.Ascending ? " ascending" : " descending");
    }
    EXPECT_EQ(ColumnText(*list->Items()->Item(0), 7), "");
}

} // namespace
