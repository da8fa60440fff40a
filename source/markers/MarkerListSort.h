// Sorting the bookmark and region lists by a column: a click on the column the list was last sorted by
// ascending sorts it descending (and forgets the column), a click on any other column sorts ascending
// (and remembers it). Texts compare without regard to letter case; in ascending order an empty text
// comes after every other one, and descending is the exact reverse.
#pragma once

#include <string>
#include <string_view>

class TListItem;
class TListView;

// < 0, 0 or > 0 as `A` sorts before, with or after `B` in that direction.
int CompareColumnTexts(std::string_view A, std::string_view B, bool Ascending);

// The text of column `Column` of an item: 0 the caption, k >= 1 sub-item k - 1 (empty when missing).
std::string ColumnText(const TListItem& Item, int Column);

// The column a list was last sorted by ascending; it starts at the first column.
class TColumnSortState {
public:
    // The direction a click on `Column` sorts in (true ascending), remembering the click.
    bool Click(int Column);
    int LastAscending() const { return FLastAscending; }

private:
    int FLastAscending = 0;
};

// Sorts the list by the column in the direction.
void SortByColumn(TListView& List, int Column, bool Ascending);
